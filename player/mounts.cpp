#include "player/mounts.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr double kCannonOffsetX = 7;
constexpr double kCannonOffsetY = 5;
constexpr double kLaserOffsetY = -23;
constexpr double kPodsOffsetX = -5;
constexpr double kPodsCreatedOffsetX = -6;
constexpr double kPodsOffsetY = 25;

const TPictureItem& BonusPicture(TForm1& form, const char* name) {
  return form.Images(Holder::kShip, "ListBonus").Item(name);
}

}  // namespace

void TCannon::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
  if (form.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  if (state.weaponLevel != 2) Kill();
  X = state.heroX + kCannonOffsetX;
  Y = state.heroY + kCannonOffsetY;
  SetZ(1);
  if (state.cannonFired == 1) {
    Kill();
    CreateCannonMount(form, kFiringFrameSpeed);
    state.cannonFired = 0;
  }
}

void TCannon2::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  const GameState& state = form.State();
  if (form.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  if (state.weaponLevel != 3) Kill();
  X = state.heroX;
  Y = state.heroY + kLaserOffsetY;
  SetZ(-1);
}

void TRocet1::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  const GameState& state = form.State();
  if (form.Input().Has(InputState::InputButton2)) Kill();
  if (state.rocketCount == 0) Kill();
  // Like the cannons they ride on the ship: rockets left over do not keep
  // them once the last ship is lost or play has ended.
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  X = state.heroX + kPodsOffsetX;
  Y = state.heroY + kPodsOffsetY;
}

TCannon& CreateCannonMount(TForm1& form, double frame_speed) {
  const GameState& state = form.State();
  TCannon& cannon = form.Engine().Spawn<TCannon>();
  cannon.SetImage(BonusPicture(form, "cannon2"));
  cannon.X = state.heroX + kCannonOffsetX;
  cannon.Y = state.heroY + kCannonOffsetY;
  cannon.FrameLooped = false;
  cannon.FrameSpeed = frame_speed;
  cannon.SetZ(1);
  return cannon;
}

TCannon2& CreateLaserMount(TForm1& form) {
  const GameState& state = form.State();
  TCannon2& cannon = form.Engine().Spawn<TCannon2>();
  cannon.SetImage(BonusPicture(form, "cannon3"));
  cannon.X = state.heroX;
  cannon.Y = state.heroY + kLaserOffsetY;
  return cannon;
}

TRocet1& CreateRocketPods(TForm1& form) {
  const GameState& state = form.State();
  TRocet1& pods = form.Engine().Spawn<TRocet1>();
  pods.SetImage(BonusPicture(form, "rocet3"));
  pods.X = state.heroX + kPodsCreatedOffsetX;
  pods.Y = state.heroY + kPodsOffsetY;
  return pods;
}

}  // namespace zephyrant
