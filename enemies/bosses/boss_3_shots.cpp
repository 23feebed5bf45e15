// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_3_shots.h"

#include "common/explosions.h"
#include "enemies/bosses/boss_3.h"
#include "enemies/bosses/boss_shot_frame.h"
#include "enemies/set4/set4_shots.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = Boss3::kRules.threshold;

constexpr double kBombDamage = 5;
constexpr ShipStrike kBoltStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 3};
constexpr int kPelletLooks = 6;  // sh0..sh5

}  // namespace

void Boss3Bomb::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  Y += kFall;
  // A bomb always bursts before the bottom edge, so it needs no other way out.
  if (Y >= WorldOf(*this).State().surfaceHeight - kBurstHeight) {
    Burst();
    Kill();
  }
  CheckHits();
}

void Boss3Bomb::OnHit(Sprite& other, bool&) {
  if (!IsShip(other)) return;
  Burst();
  WorldOf(*this).State().heroDamage += kBombDamage;
  Kill();
}

void Boss3Bomb::Burst() {
  GameWorld& world = WorldOf(*this);
  SpawnExplosion<ShellImpact>(world, "Exp", X, Y, 1, kSlowImpact);
  world.PlayEffectSound("little_exp");
  // The pellets pick their own scatter on their first step.
  for (int i = 0; i < kPellets; ++i) {
    auto& pellet = world.Engine().Spawn<MineFragment>();
    world.PlayEffectSound("little_shell");
    pellet.SetImage(PelletPicture(world, world.Random()(kPelletLooks)));
    pellet.X = X + Width / 2.0;
    pellet.Y = Y + Height / 2.0;
  }
}

void Boss3AimedBolt::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  const GameState& state = WorldOf(*this).State();
  GoWithBoss(*this, kThreshold);
  // The bolt picture lies along its flight.
  Angle = Aim;
  FlyAlong(*this, Aim, kSpeed);
  if (Y > kClearOfBoss) SetZ(0);
  // Its aims point down or sideways, so it is not tested at the top edge.
  if (Y > state.surfaceHeight) Kill();
  if (X <= 0) Kill();
  if (X >= state.surfaceWidth) Kill();
  CheckHits();
}

void Boss3AimedBolt::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kBoltStrike);
}

}  // namespace zephyrant
