// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/shots.h"

#include "common/explosions.h"
#include "player/pickups.h"
#include "world/game_world.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

namespace {

constexpr double kShellClimb = 9;
constexpr double kLaserClimb = 10;
constexpr double kRocketClimb = 15;
constexpr double kSpeedDivisor = 50;
constexpr double kImpactRise = 20;  // impacts stand this far above the shot
constexpr double kImpactFrameSpeed = 0.5;

}  // namespace

void ShipShell::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (world.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  // Every shell in flight climbs at the current weapon level's speed.
  const double climb = state.weaponLevel == 3 ? kLaserClimb : kShellClimb;
  Y -= climb + state.speedSetting / kSpeedDivisor;
  if (Y <= 0) Kill();
  if (Y >= state.surfaceHeight) Kill();
  // One flag for all shells: whichever moves next after a hit goes.
  if (state.shellHitFlag == 1) {
    Kill();
    state.shellHitFlag = 0;
  }
  CheckHits();
}

void ShipShell::OnHit(Sprite& other, bool&) {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (IsBoss(other)) {
    SpawnExplosion<ShellImpact>(world, "ExpShell", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    world.PlayEffectSound("hero_shell_exp");
    Kill();
    state.bossHits += 1;
  } else if (IsSmallEnemy(other)) {
    SpawnExplosion<ShellImpact>(world, "ExpShell", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    world.PlayEffectSound("hero_shell_exp");
    state.shellHitFlag = 1;
    RollBonuses(world, X, Y + Height);
  }
}

void Rocket::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  if (world.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  Y -= kRocketClimb + state.speedSetting / kSpeedDivisor;
  // The tick after its first small enemy, the rocket is spent.
  if (hit_counter_ > 0) {
    hit_counter_ += 1;
    if (hit_counter_ >= 2) Kill();
  }
  if (Y <= 0) Kill();
  if (Y >= state.surfaceHeight) Kill();
  CheckHits();
}

void Rocket::OnHit(Sprite& other, bool&) {
  GameWorld& world = WorldOf(*this);
  if (IsBoss(other)) {
    SpawnExplosion<RocketImpact>(world, "ExpRocket", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    world.PlayEffectSound("hero_rocet_exp");
    world.State().bossHits += kBossHits;
    Kill();
  } else if (IsSmallEnemy(other)) {
    SpawnExplosion<RocketImpact>(world, "ExpRocket", X, Y - kImpactRise, 0, kImpactFrameSpeed);
    world.PlayEffectSound("hero_rocet_exp");
    hit_counter_ += 1;
  }
}

}  // namespace zephyrant
