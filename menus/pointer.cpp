// The menu pointer: it follows the mouse, and whichever menu sprite it
// touches, the item on its row is hovered over and clicked.

#include <algorithm>

#include "game/main_window.h"
#include "menus/high_scores.h"
#include "menus/menu_actions.h"
#include "menus/menu_screens.h"
#include "menus/menu_sprites.h"

namespace zephyrant {

namespace {

// The pointer's picture stays this far above the bottom edge.
constexpr int kBottomMargin = 12;
// An item answers the pointer from its top down to 1.4 times its height.
constexpr long double kRowBand = 1.4L;
constexpr int kHighlight = 0;
constexpr int kUnhighlight = 1;

void ClickMainMenu(MainWindow& main_window, MenuPointer& pointer, int item) {
  GameState& state = main_window.State();
  state.mouseButton = 0;
  switch (item) {
    case 1:
      ChooseHelp(main_window);
      break;
    case 2:
      pointer.Kill();
      ChooseNewGame(main_window);
      break;
    case 3:
      KillMenuSlots(main_window, 0, kMainMenuScreen.last_item);
      ChooseOptions(main_window);
      break;
    case 4:
      KillMenuSlots(main_window, 0, kMainMenuScreen.last_item);
      ChooseScores(main_window);
      break;
    case 5:
      main_window.Terminate();
      break;
    default:
      break;
  }
}

void ClickOptions(MainWindow& main_window, const MenuPointer& pointer, int item) {
  switch (item) {
    case 1:
    case 2:
      // Held down, the button keeps the knob following the pointer.
      DragVolume(main_window, pointer, item);
      break;
    case 3:
      CycleDifficulty(main_window);
      break;
    case 4:
      CycleFullScreen(main_window);
      break;
    case 5:
    case 6:
      LeaveOptions(main_window, item == 5);
      main_window.State().mouseButton = 0;
      break;
    default:
      break;
  }
}

void Click(MainWindow& main_window, MenuPointer& pointer, const MenuScreen& screen, int item) {
  if (&screen == &kMainMenuScreen) {
    ClickMainMenu(main_window, pointer, item);
  } else if (&screen == &kOptionsScreen) {
    ClickOptions(main_window, pointer, item);
  } else if (&screen == &kHelpScreen) {
    if (item == 1) VisitHelpPage(main_window);
    if (item == 2) LeaveHelp(main_window);
  } else if (&screen == &kHighScoreButtons) {
    main_window.State().mouseButton = 0;
    if (item == 1) ChooseHighScoreSave(main_window, true);
    if (item == 2) ChooseHighScoreCancel(main_window);
  }
}

// Every row is looked at from the top, and at the edge of two rows the lower
// wins; only then is the button looked at, so that a click lands on the item
// under the pointer even when the pointer arrived there in the same step.
void PointAtMenu(MainWindow& main_window, MenuPointer& pointer) {
  GameState& state = main_window.State();
  const MenuScreen* screen = ShownScreen(state.screenState);
  if (screen == nullptr) return;
  std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, *screen);
  for (int k = 1; k <= screen->last_item; ++k) {
    const MenuItem* item = MenuSlot(main_window, k);
    if (item == nullptr) continue;
    const bool under = item->Y <= pointer.Y && pointer.Y <= item->Y + item->Height * kRowBand;
    if (under && state.menuSelection != k) {
      for (int other = 1; other <= screen->last_item; ++other) requests[other] = kUnhighlight;
      requests[k] = kHighlight;
      state.menuSelection = k;
      PlayButtonSound(main_window);
    }
  }
  const int selected = state.menuSelection;
  if (state.mouseButton == 1 && selected >= 1 && selected <= screen->last_item &&
      MenuSlot(main_window, selected) != nullptr) {
    Click(main_window, pointer, *screen, selected);
  }
}

}  // namespace

MenuPointer::MenuPointer(Sprite* parent) : ImageSprite(parent) {
  SetImage(WindowOf(*this).Images("Menu").Item("cursor"));
  FrameLooped = true;
  FrameSpeed = kFrameSpeed;
}

void MenuPointer::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  const GameState& state = main_window.State();
  Point p = main_window.Services().display.PointerPosition();
  p.x = std::clamp(p.x, 0, std::max(0, state.surfaceWidth - Width));
  p.y = std::clamp(p.y, 0, std::max(0, state.surfaceHeight - Height - kBottomMargin));
  system_pointer_ = p;
  // Left alone, the pointer stays where it was put, wherever the system's is.
  if (main_window.Input().MouseDx() != 0 || main_window.Input().MouseDy() != 0) {
    X = p.x;
    Y = p.y;
  }
  if (state.screenState == kPlaying) Kill();
  reacted_ = false;
  CheckHits();
}

void MenuPointer::OnHit(Sprite& other, bool&) {
  // Which menu sprite was touched does not matter: the row decides.
  if (reacted_ || dynamic_cast<MenuItem*>(&other) == nullptr) return;
  reacted_ = true;
  PointAtMenu(WindowOf(*this), *this);
}

void CreatePointer(MainWindow& main_window) {
  MenuPointer& pointer = main_window.Engine().Spawn<MenuPointer>();
  pointer.X = main_window.State().surfaceWidth / 2;
  pointer.Y = main_window.State().surfaceHeight / 2;
}

void EnsurePointer(MainWindow& main_window) {
  for (const Sprite* sprite : main_window.Engine().Sprites()) {
    if (dynamic_cast<const MenuPointer*>(sprite) != nullptr && !sprite->Killed()) return;
  }
  CreatePointer(main_window);
}

}  // namespace zephyrant
