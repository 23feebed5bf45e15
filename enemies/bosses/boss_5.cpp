// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_5.h"

#include "enemies/bosses/boss_5_shots.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kVolleyChance = 50;
constexpr int kRocketRoll = 1;
constexpr int kRocketCoolDown = 50;
constexpr int kLaserRoll = 5;
constexpr int kLaserCoolDown = 150;
constexpr int kBoltRoll = 7;
constexpr int kBoltCoolDown = 50;

constexpr double kRocketFrameSpeed = 1.0;
constexpr double kLaserFrameSpeed = 2.0;
// Rockets and bolts leave from both wings, the laser from under the hull.
constexpr double kWingInset = 10;
constexpr double kWingY = 50;
constexpr double kLaserX = 50;
constexpr double kLaserRise = 7;  // above the lower edge

}  // namespace

void Boss5::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  frame_.Hover(*this, kRules);
  const int roll = WorldOf(*this).Random()(kVolleyChance);
  if (roll == kRocketRoll && frame_.CooledDown(kRocketCoolDown)) FireRockets();
  if (roll == kLaserRoll && frame_.CooledDown(kLaserCoolDown)) FireLaser();
  if (roll == kBoltRoll && frame_.CooledDown(kBoltCoolDown)) FireBolts();
  frame_.Settle(*this);
}

void Boss5::FireRockets() {
  GameWorld& world = WorldOf(*this);
  const PictureItem& picture = BossShotPicture(world, "rocet_1");
  for (const double x : {X + kWingInset, X + Width - kWingInset}) {
    auto& rocket = LaunchBossShot<Boss5HomingRocket>(world, picture, x, Y + kWingY);
    rocket.FrameLooped = true;
    rocket.FrameSpeed = kRocketFrameSpeed;
    world.PlayEffectSound("hero_rocet");
  }
  frame_.Fired();
}

void Boss5::FireLaser() {
  GameWorld& world = WorldOf(*this);
  // Silent until it takes its aim.
  auto& laser = LaunchBossShot<Boss5ChargedLaser>(world, BossShotPicture(world, "shell3_1"),
                                                  X + kLaserX, Y + Height - kLaserRise);
  laser.FrameLooped = true;
  laser.FrameSpeed = kLaserFrameSpeed;
  laser.Age = 0;
  frame_.Fired();
}

void Boss5::FireBolts() {
  GameWorld& world = WorldOf(*this);
  const PictureItem& picture = BossShotPicture(world, "shell1_0");
  for (const double x : {X + kWingInset, X + Width - kWingInset}) {
    LaunchBossShot<Boss5FallingBolt>(world, picture, x, Y + kWingY);
    world.PlayEffectSound("hero_rocet");
  }
  frame_.Fired();
}

}  // namespace zephyrant
