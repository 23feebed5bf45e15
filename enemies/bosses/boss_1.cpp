// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_1.h"

#include "enemies/bosses/boss_1_shots.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

// Each weapon fires when its own roll hits its value and the shared
// cool-down allows.
constexpr int kRocketChance = 100;
constexpr int kRocketRoll = 1;
constexpr int kRocketCoolDown = 200;
constexpr int kLaserChance = 150;
constexpr int kLaserRoll = 5;
constexpr int kLaserCoolDown = 150;
constexpr int kBoltChance = 150;
constexpr int kBoltRoll = 7;
constexpr int kBoltCoolDown = 100;

constexpr double kRocketFrameSpeed = 1.0 / 3;
constexpr double kLaserFrameSpeed = 1.0;
// The rocket leaves from under the middle, the bolts from under both wings.
constexpr double kBelowHull = 10;
constexpr double kWingInset = 10;
// The laser is launched at this column and height; it moves onto its
// anchor on the boss in its first step.
constexpr double kLaserLaunchX = 20;
constexpr double kLaserLaunchY = 10;

}  // namespace

void Boss1::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  frame_.Hover(*this, kRules);
  RandomGenerator& random = WorldOf(*this).Random();
  int roll = random(kRocketChance);
  if (roll == kRocketRoll && frame_.CooledDown(kRocketCoolDown)) FireRocket();
  roll = random(kLaserChance);
  if (roll == kLaserRoll && frame_.CooledDown(kLaserCoolDown)) FireLaser();
  roll = random(kBoltChance);
  if (roll == kBoltRoll && frame_.CooledDown(kBoltCoolDown)) FireBolts();
  frame_.Settle(*this);
}

void Boss1::FireRocket() {
  GameWorld& world = WorldOf(*this);
  auto& rocket = LaunchBossShot<Boss1HomingRocket>(world, BossShotPicture(world, "rocet_1"),
                                                   X + Width / 2.0, Y + Height + kBelowHull);
  rocket.FrameLooped = true;
  rocket.FrameSpeed = kRocketFrameSpeed;
  rocket.PixelExact = true;
  world.PlayEffectSound("hero_rocet");
  frame_.Fired();
}

void Boss1::FireLaser() {
  GameWorld& world = WorldOf(*this);
  auto& laser = LaunchBossShot<Boss1ChargedLaser>(world, BossShotPicture(world, "shell1_1"),
                                                  X + kLaserLaunchX, kLaserLaunchY);
  laser.FrameLooped = true;
  laser.FrameSpeed = kLaserFrameSpeed;
  laser.PixelExact = true;
  laser.Age = 0;
  world.PlayEffectSound("little_lazer");
  frame_.Fired();
}

void Boss1::FireBolts() {
  GameWorld& world = WorldOf(*this);
  const PictureItem& picture = BossShotPicture(world, "shell1_0");
  for (const double x : {X + kWingInset, X + Width - kWingInset}) {
    auto& bolt = LaunchBossShot<Boss1FallingBolt>(world, picture, x, Y + Height + kBelowHull);
    bolt.PixelExact = true;
    world.PlayEffectSound("little_shell");
  }
  frame_.Fired();
}

}  // namespace zephyrant
