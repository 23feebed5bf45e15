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

void ClickMainMenu(TForm1& form, TCursor1& pointer, int item) {
  GameState& state = form.State();
  state.mouseButton = 0;
  switch (item) {
    case 1:
      ChooseHelp(form);
      break;
    case 2:
      pointer.Kill();
      ChooseNewGame(form);
      break;
    case 3:
      KillMenuSlots(form, 0, kMainMenuScreen.last_item);
      ChooseOptions(form);
      break;
    case 4:
      KillMenuSlots(form, 0, kMainMenuScreen.last_item);
      ChooseScores(form);
      break;
    case 5:
      form.Terminate();
      break;
    default:
      break;
  }
}

void ClickOptions(TForm1& form, const TCursor1& pointer, int item) {
  switch (item) {
    case 1:
    case 2:
      // Held down, the button keeps the knob following the pointer.
      DragVolume(form, pointer, item);
      break;
    case 3:
      CycleDifficulty(form);
      break;
    case 4:
      CycleFullScreen(form);
      break;
    case 5:
    case 6:
      LeaveOptions(form, item == 5);
      form.State().mouseButton = 0;
      break;
    default:
      break;
  }
}

void Click(TForm1& form, TCursor1& pointer, const MenuScreen& screen, int item) {
  if (&screen == &kMainMenuScreen) {
    ClickMainMenu(form, pointer, item);
  } else if (&screen == &kOptionsScreen) {
    ClickOptions(form, pointer, item);
  } else if (&screen == &kHelpScreen) {
    if (item == 1) VisitHelpPage(form);
    if (item == 2) LeaveHelp(form);
  } else if (&screen == &kHighScoreButtons) {
    form.State().mouseButton = 0;
    if (item == 1) ChooseHighScoreSave(form, true);
    if (item == 2) ChooseHighScoreCancel(form);
  }
}

// Every row is looked at from the top, and at the edge of two rows the lower
// wins; only then is the button looked at, so that a click lands on the item
// under the pointer even when the pointer arrived there in the same step.
void PointAtMenu(TForm1& form, TCursor1& pointer) {
  GameState& state = form.State();
  const MenuScreen* screen = ShownScreen(state.screenState);
  if (screen == nullptr) return;
  std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, *screen);
  for (int k = 1; k <= screen->last_item; ++k) {
    const TMenu* item = MenuSlot(form, k);
    if (item == nullptr) continue;
    const bool under = item->Y <= pointer.Y && pointer.Y <= item->Y + item->Height * kRowBand;
    if (under && state.menuSelection != k) {
      for (int other = 1; other <= screen->last_item; ++other) requests[other] = kUnhighlight;
      requests[k] = kHighlight;
      state.menuSelection = k;
      PlayButtonSound(form);
    }
  }
  const int selected = state.menuSelection;
  if (state.mouseButton == 1 && selected >= 1 && selected <= screen->last_item &&
      MenuSlot(form, selected) != nullptr) {
    Click(form, pointer, *screen, selected);
  }
}

}  // namespace

TCursor1::TCursor1(TSprite* parent) : TImageSprite(parent) {
  SetImage(FormOf(*this).Images("Menu").Item("cursor"));
  FrameLooped = true;
  FrameSpeed = kFrameSpeed;
}

void TCursor1::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  const GameState& state = form.State();
  Point p = form.Services().display.PointerPosition();
  p.x = std::clamp(p.x, 0, std::max(0, state.surfaceWidth - Width));
  p.y = std::clamp(p.y, 0, std::max(0, state.surfaceHeight - Height - kBottomMargin));
  system_pointer_ = p;
  // Left alone, the pointer stays where it was put, wherever the system's is.
  if (form.Input().MouseDx() != 0 || form.Input().MouseDy() != 0) {
    X = p.x;
    Y = p.y;
  }
  if (state.screenState == kPlaying) Kill();
  reacted_ = false;
  CheckHits();
}

void TCursor1::OnHit(TSprite& other, bool&) {
  // Which menu sprite was touched does not matter: the row decides.
  if (reacted_ || dynamic_cast<TMenu*>(&other) == nullptr) return;
  reacted_ = true;
  PointAtMenu(FormOf(*this), *this);
}

void CreatePointer(TForm1& form) {
  TCursor1& pointer = form.Engine().Spawn<TCursor1>();
  pointer.X = form.State().surfaceWidth / 2;
  pointer.Y = form.State().surfaceHeight / 2;
}

void EnsurePointer(TForm1& form) {
  for (const TSprite* sprite : form.Engine().Sprites()) {
    if (dynamic_cast<const TCursor1*>(sprite) != nullptr && !sprite->Killed()) return;
  }
  CreatePointer(form);
}

}  // namespace zephyrant
