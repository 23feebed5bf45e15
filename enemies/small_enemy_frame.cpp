// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/small_enemy_frame.h"

#include "common/explosions.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

namespace {

void CountKill(GameState& state) {
  state.enemiesGone += 1;
  state.score += kKillScore;
}

}  // namespace

void CheckFrameRemovals(ImageSprite& enemy, const SmallEnemyFrame& frame) {
  GameState& state = WorldOf(enemy).State();
  if (state.screenState != kPlaying) enemy.Kill();
  if (state.bossHits >= kClearingBossHits) {
    Explode(enemy, frame.clearing_exp, frame.explosion_speed);
    enemy.Kill();
  }
  if (enemy.Y >= frame.bottom_exit_heights * enemy.Height + kFieldHeight) {
    enemy.Kill();
    state.enemiesGone += 1;
  }
}

void EndLevelBelowBottom(ImageSprite& enemy) {
  GameState& state = WorldOf(enemy).State();
  if (enemy.Y >= 2 * enemy.Height + kFieldHeight) {
    enemy.Kill();
    state.enemiesGone = state.levelQuota + 1;
  }
}

void RunBarAcross(ImageSprite& bar, double& speed_x, double speed, double row_drop) {
  if (bar.X >= kFieldWidth) {
    speed_x = -speed;
    bar.Y += row_drop;
  }
  if (bar.X <= -bar.Width) {
    speed_x = speed;
    bar.Y += row_drop;
  }
  bar.X += speed_x;
}

void Explode(ImageSprite& enemy, std::string_view picture, double frame_speed) {
  GameWorld& world = WorldOf(enemy);
  SpawnExplosion<Explosion>(world, picture, enemy.X, enemy.Y, 1, frame_speed);
  world.PlayEffectSound("little_exp");
}

void CountWholeHits(ImageSprite& enemy, Sprite& other, int& hit_count, int hits_survived,
                    double explosion_speed) {
  if (enemy.Killed()) return;
  if (IsPlayerShell(other)) {
    hit_count += 1;
    if (hit_count > hits_survived) {
      hit_count = 0;
      ShotDown(enemy, explosion_speed);
    }
    WorldOf(enemy).State().shellHitFlag = 1;
  }
  if (IsPlayerRocket(other)) BlownUpByRocket(enemy);
  if (IsShip(other)) RamsTheShip(enemy, explosion_speed);
}

void ShotDown(ImageSprite& enemy, double explosion_speed) {
  Explode(enemy, "ExpRocket", explosion_speed);
  enemy.Kill();
  CountKill(WorldOf(enemy).State());
}

void BlownUpByRocket(ImageSprite& enemy) {
  WorldOf(enemy).PlayEffectSound("little_exp");
  CountKill(WorldOf(enemy).State());
  enemy.Kill();
}

void RamsTheShip(ImageSprite& enemy, double explosion_speed) {
  Explode(enemy, "ExpRocket", explosion_speed);
  enemy.Kill();
  GameState& state = WorldOf(enemy).State();
  state.heroDamage += kRamDamage;
  CountKill(state);
}

int AimAtShip(const GameState& state, double x, double y) {
  return AimToward(state.heroX + kShipAimDx - x, state.heroY + kShipAimDy - y, kStraightDown);
}

}  // namespace zephyrant
