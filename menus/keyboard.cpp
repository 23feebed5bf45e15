// SPDX-License-Identifier: GPL-3.0-or-later
// The key-down handler: menus, the game-over prompt and the abort. Its checks
// run in this order on every key, and a check that changes the screen state
// changes what the later checks see.

#include "menus/keyboard.h"

#include <algorithm>

#include "menus/high_scores.h"
#include "menus/menu_actions.h"
#include "menus/menu_screens.h"
#include "menus/menu_sprites.h"
#include "world/game_world.h"

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

void ChooseFromMainMenu(GameWorld& world) {
  switch (world.State().menuSelection) {
    case 1:
      ChooseHelp(world);
      break;
    case 2:
      ChooseNewGame(world);
      break;
    case 3:
      ChooseOptions(world);
      break;
    case 4:
      ChooseScores(world);
      break;
    case 5:
      world.Terminate();
      break;
    default:
      break;
  }
}

// Escape while playing: every enemy goes, and the high-score table opens.
void AbortGame(GameWorld& world) {
  GameState& state = world.State();
  state.bossHits = 500;
  state.heroDamage = 0;
  world.HiScores();
  EnsurePointer(world);
  CreateNameEntryCursor(world, kEndedGameCursorSpeed);
  CreateDecorations(world, kAbortDecorationSpeed);
}

}  // namespace

void HandleKeyDown(GameWorld& world, Key key) {
  GameState& state = world.State();
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
    PlayButtonSound(world);
  }
  if (key == Key::kUp && InMenu(state)) {
    --state.menuSelection;
    RequestBoth(state, state.menuSelection, kHighlight);
    RequestBoth(state, state.menuSelection + 1, kUnhighlight);
    PlayButtonSound(world);
  }
  KeepSelectionOnScreen(state);
  // 5. Enter on the main menu and the help screen.
  if (key == Key::kReturn && state.screenState == kMainMenu) {
    ChooseFromMainMenu(world);
  } else if (key == Key::kReturn && state.screenState == kHelp) {
    if (state.menuSelection == 1) VisitHelpPage(world);
    if (state.menuSelection == 2) LeaveHelp(world);
  }
  // 6.-8. Leaving the options screen, with or without saving.
  if (key == Key::kEscape && state.screenState == kOptions) LeaveOptions(world, false);
  if (key == Key::kReturn && state.screenState == kOptions && state.menuSelection == 6) {
    LeaveOptions(world, false);
  }
  if (key == Key::kReturn && state.screenState == kOptions && state.menuSelection == 5) {
    LeaveOptions(world, true);
  }
  // 9.-10. The high-score table's buttons.
  if (key == Key::kReturn && state.screenState == kHighScores && state.menuSelection == 1) {
    ChooseHighScoreSave(world, false);
  }
  if ((key == Key::kReturn && state.screenState == kHighScores && state.menuSelection == 2) ||
      (key == Key::kEscape && state.screenState == kHighScores)) {
    ChooseHighScoreCancel(world);
  }
  // 11. Left and Right change the selected option.
  if ((key == Key::kRight || key == Key::kLeft) && state.screenState == kOptions) {
    StepOption(world, key == Key::kRight ? 1 : -1);
  }
  // 12. Escape on the main menu ends the program.
  if (key == Key::kEscape && state.screenState == kMainMenu) {
    world.Services().display.SetPointerVisible(true);
    world.Terminate();
  }
  // Escape on the help screen does what its cancel item does. It comes after
  // the main menu's Escape, which would otherwise end the program as soon as
  // the help screen has handed over to the main menu.
  if (key == Key::kEscape && state.screenState == kHelp) LeaveHelp(world);
  // 13. Escape while playing aborts the game.
  if (key == Key::kEscape && state.screenState == kPlaying) AbortGame(world);
}

}  // namespace zephyrant
