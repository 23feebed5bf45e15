#include "enemies/small_enemy_frame.h"

#include "player/explosions.h"
#include "player/ship.h"
#include "player/shots.h"

namespace zephyrant {

namespace {

void CountKill(GameState& state) {
  state.enemiesGone += 1;
  state.score += kKillScore;
}

}  // namespace

void CheckFrameRemovals(TImageSprite& enemy, const SmallEnemyFrame& frame) {
  GameState& state = FormOf(enemy).State();
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

void EndLevelBelowBottom(TImageSprite& enemy) {
  GameState& state = FormOf(enemy).State();
  if (enemy.Y >= 2 * enemy.Height + kFieldHeight) {
    enemy.Kill();
    state.enemiesGone = state.levelQuota + 1;
  }
}

void RunBarAcross(TImageSprite& bar, double& speed_x, double speed, double row_drop) {
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

void Explode(TImageSprite& enemy, std::string_view picture, double frame_speed) {
  TForm1& form = FormOf(enemy);
  SpawnExplosion<TExp_0>(form, picture, enemy.X, enemy.Y, 1, frame_speed);
  form.PlayShellSound("little_exp");
}

bool IsPlayerShell(const TSprite& other) {
  return dynamic_cast<const TShell*>(&other) != nullptr;
}

bool IsPlayerRocket(const TSprite& other) {
  return dynamic_cast<const TRocet*>(&other) != nullptr;
}

void CountWholeHits(TImageSprite& enemy, TSprite& other, int& hit_count, int hits_survived,
                    double explosion_speed) {
  if (enemy.Killed()) return;
  if (IsPlayerShell(other)) {
    hit_count += 1;
    if (hit_count > hits_survived) {
      hit_count = 0;
      ShotDown(enemy, explosion_speed);
    }
    FormOf(enemy).State().shellHitFlag = 1;
  }
  if (IsPlayerRocket(other)) BlownUpByRocket(enemy);
  if (IsHero(other)) RamsTheHero(enemy, explosion_speed);
}

void ShotDown(TImageSprite& enemy, double explosion_speed) {
  Explode(enemy, "ExpRocket", explosion_speed);
  enemy.Kill();
  CountKill(FormOf(enemy).State());
}

void BlownUpByRocket(TImageSprite& enemy) {
  FormOf(enemy).PlayShellSound("little_exp");
  CountKill(FormOf(enemy).State());
  enemy.Kill();
}

void RamsTheHero(TImageSprite& enemy, double explosion_speed) {
  Explode(enemy, "ExpRocket", explosion_speed);
  enemy.Kill();
  GameState& state = FormOf(enemy).State();
  state.heroDamage += kRamDamage;
  CountKill(state);
}

int AimAtHero(const GameState& state, double x, double y) {
  return AimToward(state.heroX + kHeroAimDx - x, state.heroY + kHeroAimDy - y, kStraightDown);
}

}  // namespace zephyrant
