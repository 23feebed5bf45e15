// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_4_shots.h"

#include "enemies/aim.h"
#include "enemies/bosses/boss_4.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = Boss4::kRules.threshold;

constexpr ShipStrike kPelletStrike{"ExpShell", kSlowImpact, "little_shell_exp", 1};
constexpr ShipStrike kLaserStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 2};

constexpr ChargedLaser kLaser{25, 0, 25, "hero_lazer"};

}  // namespace

void Boss4FanPellet::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  Angle = AngleOfAim(Aim);
  FlyAlong(*this, Aim, kSpeed);
  GoOffSurface(*this);
  CheckHits();
}

void Boss4FanPellet::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kPelletStrike);
}

void Boss4ChargedLaser::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  ChargedLaserStep(*this, Aim, Age, kLaser, kThreshold);
}

void Boss4ChargedLaser::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kLaserStrike);
}

}  // namespace zephyrant
