// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_4.h"

#include <cmath>
#include <numbers>

#include "enemies/aim.h"
#include "enemies/bosses/boss_4_shots.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kVolleyChance = 50;
constexpr int kFanRoll = 1;
constexpr int kFanCoolDown = 50;
constexpr int kLaserRoll = 5;
constexpr int kLaserCoolDown = 150;

constexpr int kPelletLooks = 6;  // sh0..sh5
// Pellets fan out 9 degrees apart.
constexpr double kFanStep = std::numbers::pi / 20;
// The guns under the left and the right wing, from the corner.
constexpr double kLeftGunX = 10;
constexpr double kRightGunInset = 15;
constexpr double kGunRise = 10;  // above the lower edge
constexpr double kLaserLaunchX = 25;
constexpr double kLaserLaunchY = 10;
constexpr double kLaserFrameSpeed = 1.0;

}  // namespace

int Boss4::FanAim(int i, int first_aim) {
  return static_cast<int>(std::nearbyint(i * kFanStep / kRadiansPerAim + first_aim));
}

void Boss4::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  frame_.Hover(*this, kRules);
  const double middle = WorldOf(*this).State().surfaceWidth / 2.0;
  const int roll = WorldOf(*this).Random()(kVolleyChance);
  if (roll == kFanRoll) {
    // In the right half it sprays down and to the left from its left wing,
    // in the left half down and to the right from its right wing; right at
    // the middle, not at all.
    if (frame_.CooledDown(kFanCoolDown) && middle < X) FireFan(X + kLeftGunX, kLeftwardFan);
    if (frame_.CooledDown(kFanCoolDown) && middle > X) {
      FireFan(X + Width - kRightGunInset, kRightwardFan);
    }
  }
  if (roll == kLaserRoll && frame_.CooledDown(kLaserCoolDown)) FireLaser();
  frame_.Settle(*this);
}

void Boss4::FireFan(double x, int first_aim) {
  GameWorld& world = WorldOf(*this);
  for (int i = 0; i < kFanPellets; ++i) {
    const int look = world.Random()(kPelletLooks);
    auto& pellet =
        LaunchBossShot<Boss4FanPellet>(world, PelletPicture(world, look), x, Y + Height - kGunRise);
    pellet.Aim = FanAim(i, first_aim);
    world.PlayEffectSound("little_shell");
  }
  frame_.Fired();
}

void Boss4::FireLaser() {
  GameWorld& world = WorldOf(*this);
  // This laser charges silently and sounds only when it takes its aim.
  auto& laser = LaunchBossShot<Boss4ChargedLaser>(world, BossShotPicture(world, "shell3_1"),
                                                  X + kLaserLaunchX, kLaserLaunchY);
  laser.FrameLooped = true;
  laser.FrameSpeed = kLaserFrameSpeed;
  laser.Age = 0;
  frame_.Fired();
}

}  // namespace zephyrant
