// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_1_shots.h"

#include <cmath>

#include "enemies/bosses/boss_1.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = Boss1::kRules.threshold;

constexpr ShipStrike kBoltStrike{"ExpRocket", kQuickImpact, "hero_rocet_exp", 1};
constexpr ShipStrike kRocketStrike{"ExpShell", kQuickImpact, "hero_shell_exp", 1};
constexpr ShipStrike kLaserStrike{"ExpRocket", kQuickImpact, "hero_rocet_exp", 2};

constexpr ChargedLaser kLaser{10, 0, 35, {}};

}  // namespace

void Boss1FallingBolt::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  // Fast until the lower edge reaches the bottom of the surface; from there
  // it creeps off, staying a threat for a while.
  const double bottom = WorldOf(*this).State().surfaceHeight - Height;
  if (Y < bottom) Y += kDrop;
  if (Y >= bottom) Y += kCreep;
  GoOffSurface(*this);
  CheckHits();
}

void Boss1FallingBolt::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) {
    StrikeShip(*this, kBoltStrike);
  } else if (dynamic_cast<const Boss1FallingBolt*>(&other) != nullptr) {
    // A bolt still falling onto another slows to a crawl while they overlap.
    if (Y < WorldOf(*this).State().surfaceHeight - Height) Y -= kHeldBack;
  }
}

void Boss1HomingRocket::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  HomeOnShip(*this, Aim, std::sqrt(Y));
  GoOffSurface(*this);
  CheckHits();
}

void Boss1HomingRocket::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kRocketStrike);
}

void Boss1ChargedLaser::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  ChargedLaserStep(*this, Aim, Age, kLaser, kThreshold);
}

void Boss1ChargedLaser::OnHit(Sprite& other, bool&) {
  if (!IsShip(other)) return;
  const GameState& state = WorldOf(*this).State();
  StrikeShip(*this, kLaserStrike, state.heroX, state.heroY);
}

}  // namespace zephyrant
