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

const PictureItem& BonusPicture(MainWindow& main_window, const char* name) {
  return main_window.Images(Holder::kShip, "ListBonus").Item(name);
}

}  // namespace

void CannonMount::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  GameState& state = main_window.State();
  if (main_window.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  if (state.weaponLevel != 2) Kill();
  X = state.heroX + kCannonOffsetX;
  Y = state.heroY + kCannonOffsetY;
  SetZ(1);
  if (state.cannonFired == 1) {
    Kill();
    CreateCannonMount(main_window, kFiringFrameSpeed);
    state.cannonFired = 0;
  }
}

void LaserMount::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  const GameState& state = main_window.State();
  if (main_window.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  if (state.weaponLevel != 3) Kill();
  X = state.heroX;
  Y = state.heroY + kLaserOffsetY;
  SetZ(-1);
}

void RocketPods::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  const GameState& state = main_window.State();
  if (main_window.Input().Has(InputState::InputButton2)) Kill();
  if (state.rocketCount == 0) Kill();
  // Like the cannons they ride on the ship: rockets left over do not keep
  // them once the last ship is lost or play has ended.
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  X = state.heroX + kPodsOffsetX;
  Y = state.heroY + kPodsOffsetY;
}

CannonMount& CreateCannonMount(MainWindow& main_window, double frame_speed) {
  const GameState& state = main_window.State();
  CannonMount& cannon = main_window.Engine().Spawn<CannonMount>();
  cannon.SetImage(BonusPicture(main_window, "cannon2"));
  cannon.X = state.heroX + kCannonOffsetX;
  cannon.Y = state.heroY + kCannonOffsetY;
  cannon.FrameLooped = false;
  cannon.FrameSpeed = frame_speed;
  cannon.SetZ(1);
  return cannon;
}

LaserMount& CreateLaserMount(MainWindow& main_window) {
  const GameState& state = main_window.State();
  LaserMount& cannon = main_window.Engine().Spawn<LaserMount>();
  cannon.SetImage(BonusPicture(main_window, "cannon3"));
  cannon.X = state.heroX;
  cannon.Y = state.heroY + kLaserOffsetY;
  return cannon;
}

RocketPods& CreateRocketPods(MainWindow& main_window) {
  const GameState& state = main_window.State();
  RocketPods& pods = main_window.Engine().Spawn<RocketPods>();
  pods.SetImage(BonusPicture(main_window, "rocet3"));
  pods.X = state.heroX + kPodsCreatedOffsetX;
  pods.Y = state.heroY + kPodsOffsetY;
  return pods;
}

}  // namespace zephyrant
