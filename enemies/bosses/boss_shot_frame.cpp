// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_shot_frame.h"

#include "common/explosions.h"
#include "enemies/aim.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

namespace {

// Homing rockets steer at this point of the ship's picture.
constexpr double kHomingDx = 15;
constexpr double kHomingDy = 50;

constexpr int kLaserChargeSteps = 50;
constexpr int kLaserAimAge = 45;
// The laser aims from the boss's corner shifted by these, and takes the
// ship's own height on the surface rather than its distance below the boss:
// the lower a laser sits on its boss, the steeper it aims past the ship.
constexpr double kLaserAimDx = -25;
constexpr double kLaserAimDy = 15;

}  // namespace

const PictureItem& BossShotPicture(GameWorld& world, std::string_view name) {
  return world.Images(Holder::kBoss, "ListShell").Item(name);
}

const PictureItem& PelletPicture(GameWorld& world, int index) {
  return world.Images(Holder::kBoss, "ListSh").Item(index);
}

void GoWithBoss(ImageSprite& shot, int threshold) {
  const GameState& state = WorldOf(shot).State();
  if (state.screenState != kPlaying || state.bossHits >= threshold) shot.Kill();
}

void GoOffSurface(ImageSprite& shot) {
  const GameState& state = WorldOf(shot).State();
  if (shot.Y <= 0) shot.Kill();
  if (shot.Y >= state.surfaceHeight) shot.Kill();
  if (shot.X <= 0) shot.Kill();
  if (shot.X >= state.surfaceWidth) shot.Kill();
}

void StrikeShip(ImageSprite& shot, const ShipStrike& strike, double x, double y) {
  GameWorld& world = WorldOf(shot);
  SpawnExplosion<ShellImpact>(world, strike.explosion, x, y, 1, strike.frameSpeed);
  world.PlayEffectSound(strike.sound);
  world.State().heroDamage += strike.damage;
  shot.Kill();
}

void FlyAlong(ImageSprite& shot, int aim, double speed) {
  shot.X += AimStepX(aim, speed);
  shot.Y += AimStepY(aim, speed);
}

void HomeOnShip(RotatedSprite& rocket, int& aim, double speed) {
  const GameState& state = WorldOf(rocket).State();
  const double dx = state.heroX - rocket.X + kHomingDx;
  const double dy = state.heroY - rocket.Y + kHomingDy;
  aim = AimToward(dx, dy, aim);
  // The rocket pictures point down.
  rocket.Angle = AngleOfAim(aim);
  FlyAlong(rocket, aim, speed);
}

void ChargedLaserStep(RotatedSprite& laser, int& aim, int& age, const ChargedLaser& rules,
                      int threshold) {
  GameWorld& world = WorldOf(laser);
  const GameState& state = world.State();
  GoWithBoss(laser, threshold);
  // The laser picture lies along its aim, so it turns toward the ship as
  // soon as it has aimed, while still charging.
  if (age < kLaserChargeSteps) {
    laser.Angle = aim;
    laser.X = state.bossX + rules.anchorX;
    laser.Y = state.bossY + rules.anchorY;
  }
  if (age == kLaserAimAge) {
    aim = AimToward(state.heroX - state.bossX + kLaserAimDx, state.heroY + kLaserAimDy, aim);
    if (!rules.chargedSound.empty()) world.PlayEffectSound(rules.chargedSound);
  }
  if (age >= kLaserChargeSteps) FlyAlong(laser, aim, rules.speed);
  GoOffSurface(laser);
  age += 1;
  laser.CheckHits();
}

}  // namespace zephyrant
