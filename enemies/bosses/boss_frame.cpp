// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_frame.h"

#include "common/explosions.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

// A turn comes at random once the timer has passed the patience, and for
// certain once it has passed patience + spread.
constexpr int kTurnPatience = 70;
constexpr int kTurnSpread = 100;
constexpr double kTurnTimerStart = 5;
enum TurnKind { kTowardShip = 0, kLeft = 1, kRight = 2, kTurnKinds = 3 };

constexpr double kDeathFrameSpeed = 0.5;

}  // namespace

void BossFrame::Hover(ImageSprite& boss, const BossRules& rules) {
  GameState& state = WorldOf(boss).State();
  if (state.screenState != kPlaying) boss.Kill();
  // The player's shots count the hits; the boss only reads the total. An
  // aborted game leaves 500 hits, so a boss removed then still falls.
  if (state.bossHits >= rules.threshold) Die(boss, rules);
  DecideTurn(boss, rules.sideSpeed);
  if (boss.X >= state.surfaceWidth - boss.Width) vx_ = -rules.sideSpeed;
  if (boss.X <= 0) vx_ = rules.sideSpeed;
  // Only sideways: every boss keeps the height it arrived at.
  boss.X += vx_;
  state.bossX = boss.X;
  state.bossY = boss.Y;
}

void BossFrame::Settle(ImageSprite& boss) {
  // The clock counts steps, whatever the lag.
  clock_ += kClockStep;
  boss.CheckHits();
}

void BossFrame::Die(ImageSprite& boss, const BossRules& rules) {
  GameWorld& world = WorldOf(boss);
  GameState& state = world.State();
  SpawnExplosion<Explosion>(world, "ExpBoss", boss.X, boss.Y, 1, kDeathFrameSpeed);
  world.PlayEffectSound("little_exp");
  // A boss is worth its threshold, however far a last rocket carried the count.
  state.score += rules.threshold;
  state.levelPhase = 1;
  state.levelNumber += 1;
  boss.Kill();
}

void BossFrame::DecideTurn(const ImageSprite& boss, double side_speed) {
  GameWorld& world = WorldOf(boss);
  const int roll = world.Random()(kTurnSpread) + kTurnPatience;
  if (roll < turn_timer_) {
    const int kind = world.Random()(kTurnKinds);
    switch (kind) {
      case kTowardShip: {
        // Straight above the ship, it keeps its course.
        const double hero_x = world.State().heroX;
        if (boss.X < hero_x) vx_ = side_speed;
        if (boss.X > hero_x) vx_ = -side_speed;
        break;
      }
      case kLeft:
        vx_ = -side_speed;
        break;
      case kRight:
        vx_ = side_speed;
        break;
      default:
        break;
    }
    turn_timer_ = kTurnTimerStart;
  }
  if (turn_timer_ >= kTurnTimerStart) {
    turn_timer_ += 1;
  } else {
    turn_timer_ = kTurnTimerStart;
  }
}

}  // namespace zephyrant
