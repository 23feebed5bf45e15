// SPDX-License-Identifier: GPL-3.0-or-later
// The menu pointer: it follows the mouse, and whichever menu sprite it
// touches, the item on its row is hovered over and clicked.

#include <algorithm>

#include "menus/high_scores.h"
#include "menus/menu_actions.h"
#include "menus/menu_screens.h"
#include "menus/menu_sprites.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

// The pointer's picture stays this far above the bottom edge.
constexpr int kBottomMargin = 12;
// An item answers the pointer from its top down to 1.4 times its height.
constexpr long double kRowBand = 1.4L;
constexpr int kHighlight = 0;
constexpr int kUnhighlight = 1;

void ClickMainMenu(GameWorld& world, MenuPointer& pointer, int item) {
  GameState& state = world.State();
  state.mouseButton = 0;
  switch (item) {
    case 1:
      ChooseHelp(world);
      break;
    case 2:
      pointer.Kill();
      ChooseNewGame(world);
      break;
    case 3:
      KillMenuSlots(world, 0, kMainMenuScreen.last_item);
      ChooseOptions(world);
      break;
    case 4:
      KillMenuSlots(world, 0, kMainMenuScreen.last_item);
      ChooseScores(world);
      break;
    case 5:
      world.Terminate();
      break;
    default:
      break;
  }
}

void ClickOptions(GameWorld& world, const MenuPointer& pointer, int item) {
  switch (item) {
    case 1:
    case 2:
      // Held down, the button keeps the knob following the pointer.
      DragVolume(world, pointer, item);
      break;
    case 3:
      CycleDifficulty(world);
      break;
    case 4:
      CycleFullScreen(world);
      break;
    case 5:
    case 6:
      LeaveOptions(world, item == 5);
      world.State().mouseButton = 0;
      break;
    default:
      break;
  }
}

void Click(GameWorld& world, MenuPointer& pointer, const MenuScreen& screen, int item) {
  if (&screen == &kMainMenuScreen) {
    ClickMainMenu(world, pointer, item);
  } else if (&screen == &kOptionsScreen) {
    ClickOptions(world, pointer, item);
  } else if (&screen == &kHelpScreen) {
    if (item == 1) VisitHelpPage(world);
    if (item == 2) LeaveHelp(world);
  } else if (&screen == &kHighScoreButtons) {
    world.State().mouseButton = 0;
    if (item == 1) ChooseHighScoreSave(world, true);
    if (item == 2) ChooseHighScoreCancel(world);
  }
}

// Every row is looked at from the top, and at the edge of two rows the lower
// wins; only then is the button looked at, so that a click lands on the item
// under the pointer even when the pointer arrived there in the same step.
void PointAtMenu(GameWorld& world, MenuPointer& pointer) {
  GameState& state = world.State();
  const MenuScreen* screen = ShownScreen(state.screenState);
  if (screen == nullptr) return;
  std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, *screen);
  for (int k = 1; k <= screen->last_item; ++k) {
    const MenuItem* item = MenuSlot(world, k);
    if (item == nullptr) continue;
    const bool under = item->Y <= pointer.Y && pointer.Y <= item->Y + item->Height * kRowBand;
    if (under && state.menuSelection != k) {
      for (int other = 1; other <= screen->last_item; ++other) requests[other] = kUnhighlight;
      requests[k] = kHighlight;
      state.menuSelection = k;
      PlayButtonSound(world);
    }
  }
  const int selected = state.menuSelection;
  if (state.mouseButton == 1 && selected >= 1 && selected <= screen->last_item &&
      MenuSlot(world, selected) != nullptr) {
    Click(world, pointer, *screen, selected);
  }
}

}  // namespace

MenuPointer::MenuPointer(Sprite* parent) : ImageSprite(parent) {
  SetImage(WorldOf(*this).Images("Menu").Item("cursor"));
  FrameLooped = true;
  FrameSpeed = kFrameSpeed;
}

void MenuPointer::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  Point p = world.Services().display.PointerPosition();
  p.x = std::clamp(p.x, 0, std::max(0, state.surfaceWidth - Width));
  p.y = std::clamp(p.y, 0, std::max(0, state.surfaceHeight - Height - kBottomMargin));
  system_pointer_ = p;
  // Left alone, the pointer stays where it was put, wherever the system's is.
  if (world.Input().MouseDx() != 0 || world.Input().MouseDy() != 0) {
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
  PointAtMenu(WorldOf(*this), *this);
}

void CreatePointer(GameWorld& world) {
  MenuPointer& pointer = world.Engine().Spawn<MenuPointer>();
  pointer.X = world.State().surfaceWidth / 2;
  pointer.Y = world.State().surfaceHeight / 2;
}

void EnsurePointer(GameWorld& world) {
  for (const Sprite* sprite : world.Engine().Sprites()) {
    if (dynamic_cast<const MenuPointer*>(sprite) != nullptr && !sprite->Killed()) return;
  }
  CreatePointer(world);
}

}  // namespace zephyrant
