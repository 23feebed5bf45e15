// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/mounts.h"

#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr double kCannonOffsetX = 7;
constexpr double kCannonOffsetY = 5;
constexpr double kLaserOffsetY = -23;
constexpr double kPodsOffsetX = -5;
constexpr double kPodsCreatedOffsetX = -6;
constexpr double kPodsOffsetY = 25;

const PictureItem& BonusPicture(GameWorld& world, const char* name) {
  return world.Images(Holder::kShip, "ListBonus").Item(name);
}

}  // namespace

void CannonMount::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (world.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  if (state.weaponLevel != 2) Kill();
  X = state.heroX + kCannonOffsetX;
  Y = state.heroY + kCannonOffsetY;
  SetZ(1);
  if (state.cannonFired == 1) {
    Kill();
    CreateCannonMount(world, kFiringFrameSpeed);
    state.cannonFired = 0;
  }
}

void LaserMount::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  if (world.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  if (state.weaponLevel != 3) Kill();
  X = state.heroX;
  Y = state.heroY + kLaserOffsetY;
  SetZ(-1);
}

void RocketPods::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  if (world.Input().Has(InputState::InputButton2)) Kill();
  if (state.rocketCount == 0) Kill();
  // Like the cannons they ride on the ship: rockets left over do not keep
  // them once the last ship is lost or play has ended.
  if (state.screenState != kPlaying) Kill();
  if (state.livesIndex < 0) Kill();
  X = state.heroX + kPodsOffsetX;
  Y = state.heroY + kPodsOffsetY;
}

CannonMount& CreateCannonMount(GameWorld& world, double frame_speed) {
  const GameState& state = world.State();
  CannonMount& cannon = world.Engine().Spawn<CannonMount>();
  cannon.SetImage(BonusPicture(world, "cannon2"));
  cannon.X = state.heroX + kCannonOffsetX;
  cannon.Y = state.heroY + kCannonOffsetY;
  cannon.FrameLooped = false;
  cannon.FrameSpeed = frame_speed;
  cannon.SetZ(1);
  return cannon;
}

LaserMount& CreateLaserMount(GameWorld& world) {
  const GameState& state = world.State();
  LaserMount& cannon = world.Engine().Spawn<LaserMount>();
  cannon.SetImage(BonusPicture(world, "cannon3"));
  cannon.X = state.heroX;
  cannon.Y = state.heroY + kLaserOffsetY;
  return cannon;
}

RocketPods& CreateRocketPods(GameWorld& world) {
  const GameState& state = world.State();
  RocketPods& pods = world.Engine().Spawn<RocketPods>();
  pods.SetImage(BonusPicture(world, "rocet3"));
  pods.X = state.heroX + kPodsCreatedOffsetX;
  pods.Y = state.heroY + kPodsOffsetY;
  return pods;
}

}  // namespace zephyrant
