// The key-down handler: menus, the game-over prompt and the abort. Its checks
// run in this order on every key, and a check that changes the screen state
// changes what the later checks see.

#include <algorithm>

#include "game/main_window.h"
#include "menus/high_scores.h"
#include "menus/menu_actions.h"
#include "menus/menu_screens.h"
#include "menus/menu_sprites.h"

namespace zephyrant {

namespace {

constexpr double kAbortDecorationSpeed = 0.5;
constexpr int kHighlight = 0;
constexpr int kUnhighlight = 1;

bool InMenu(const GameState& state) {
  return state.screenState == kMainMenu || state.screenState == kOptions ||
         state.screenState == kHelp || state.screenState == kHighScores;
}

// Both tables follow the keys, whichever screen is up.
void RequestBoth(GameState& state, int slot, int32_t request) {
  SetRequest(state.itemRequests, slot, request);
  SetRequest(state.optionRequests, slot, request);
}

// Past either end the selection stays, still highlighted, and the sound
// still plays.
void KeepSelectionOnScreen(GameState& state) {
  if (state.menuSelection < 1) state.menuSelection = 1;
  if (const MenuScreen* screen = ShownScreen(state.screenState)) {
    state.menuSelection = std::min(state.menuSelection, screen->last_item);
  }
}

void ChooseFromMainMenu(MainWindow& main_window) {
  switch (main_window.State().menuSelection) {
    case 1:
      ChooseHelp(main_window);
      break;
    case 2:
      ChooseNewGame(main_window);
      break;
    case 3:
      ChooseOptions(main_window);
      break;
    case 4:
      ChooseScores(main_window);
      break;
    case 5:
      main_window.Terminate();
      break;
    default:
      break;
  }
}

// Escape while playing: every enemy goes, and the high-score table opens.
void AbortGame(MainWindow& main_window) {
  GameState& state = main_window.State();
  state.bossHits = 500;
  state.heroDamage = 0;
  main_window.HiScores();
  EnsurePointer(main_window);
  CreateNameEntryCursor(main_window, kEndedGameCursorSpeed);
  CreateDecorations(main_window, kAbortDecorationSpeed);
}

}  // namespace

void MainWindow::OnKeyDown(Key key) {
  GameState& state = State();
  // 1. Any key ends the game-over prompt; the banner then falls out.
  if (state.gameOverPhase == 1) {
    state.gameOverPhase = 2;
    state.levelNumber = 1;
    state.heroDamage = 10;
  }
  // 2.-4. Up and Down move the selection.
  if (key == Key::kDown && InMenu(state)) {
    ++state.menuSelection;
    RequestBoth(state, state.menuSelection, kHighlight);
    RequestBoth(state, state.menuSelection - 1, kUnhighlight);
    PlayButtonSound(*this);
  }
  if (key == Key::kUp && InMenu(state)) {
    --state.menuSelection;
    RequestBoth(state, state.menuSelection, kHighlight);
    RequestBoth(state, state.menuSelection + 1, kUnhighlight);
    PlayButtonSound(*this);
  }
  KeepSelectionOnScreen(state);
  // 5. Enter on the main menu and the help screen.
  if (key == Key::kReturn && state.screenState == kMainMenu) {
    ChooseFromMainMenu(*this);
  } else if (key == Key::kReturn && state.screenState == kHelp) {
    if (state.menuSelection == 1) VisitHelpPage(*this);
    if (state.menuSelection == 2) LeaveHelp(*this);
  }
  // 6.-8. Leaving the options screen, with or without saving.
  if (key == Key::kEscape && state.screenState == kOptions) LeaveOptions(*this, false);
  if (key == Key::kReturn && state.screenState == kOptions && state.menuSelection == 6) {
    LeaveOptions(*this, false);
  }
  if (key == Key::kReturn && state.screenState == kOptions && state.menuSelection == 5) {
    LeaveOptions(*this, true);
  }
  // 9.-10. The high-score table's buttons.
  if (key == Key::kReturn && state.screenState == kHighScores && state.menuSelection == 1) {
    ChooseHighScoreSave(*this, false);
  }
  if ((key == Key::kReturn && state.screenState == kHighScores && state.menuSelection == 2) ||
      (key == Key::kEscape && state.screenState == kHighScores)) {
    ChooseHighScoreCancel(*this);
  }
  // 11. Left and Right change the selected option.
  if ((key == Key::kRight || key == Key::kLeft) && state.screenState == kOptions) {
    StepOption(*this, key == Key::kRight ? 1 : -1);
  }
  // 12. Escape on the main menu ends the program.
  if (key == Key::kEscape && state.screenState == kMainMenu) {
    platform_.display.SetPointerVisible(true);
    Terminate();
  }
  // Escape on the help screen does what its cancel item does. It comes after
  // the main menu's Escape, which would otherwise end the program as soon as
  // the help screen has handed over to the main menu.
  if (key == Key::kEscape && state.screenState == kHelp) LeaveHelp(*this);
  // 13. Escape while playing aborts the game.
  if (key == Key::kEscape && state.screenState == kPlaying) AbortGame(*this);
}

}  // namespace zephyrant
