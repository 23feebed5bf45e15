// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_5_shots.h"

#include "enemies/bosses/boss_5.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = Boss5::kRules.threshold;

constexpr ShipStrike kBoltStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr ShipStrike kRocketStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr ShipStrike kLaserStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 2};

constexpr ChargedLaser kLaser{35, 145, 25, "little_lazer"};

}  // namespace

void Boss5FallingBolt::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  Y += kFall;
  GoOffSurface(*this);
  CheckHits();
}

void Boss5FallingBolt::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kBoltStrike);
}

void Boss5HomingRocket::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  HomeOnShip(*this, Aim, kSpeed);
  GoOffSurface(*this);
  CheckHits();
}

void Boss5HomingRocket::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kRocketStrike);
}

void Boss5ChargedLaser::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  ChargedLaserStep(*this, Aim, Age, kLaser, kThreshold);
}

void Boss5ChargedLaser::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kLaserStrike);
}

}  // namespace zephyrant
