// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/small_shot_frame.h"

#include "common/explosions.h"
#include "enemies/aim.h"
#include "framework/surface.h"
#include "world/game_world.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

void CheckShotRemovals(RotatedSprite& shot) {
  const GameState& state = WorldOf(shot).State();
  if (state.screenState != kPlaying) shot.Kill();
  if (state.bossHits >= kShotClearingBossHits) shot.Kill();
}

void CheckShotLeftScreen(RotatedSprite& shot) {
  if (shot.Y <= 0 || shot.Y >= kSurfaceHeight || shot.X <= 0 || shot.X >= kSurfaceWidth) {
    shot.Kill();
  }
}

void MoveAlong(RotatedSprite& shot, int aim, double speed) {
  shot.X += AimStepX(aim, speed);
  shot.Y += AimStepY(aim, speed);
}

void Fly(RotatedSprite& shot, int aim) {
  MoveAlong(shot, aim, kShotSpeed);
  shot.Angle = AngleOfAim(aim);
}

int AimFromShot(const RotatedSprite& shot, double dx, double dy, int current) {
  const GameState& state = WorldOf(shot).State();
  return AimToward(state.heroX + dx - shot.X, state.heroY + dy - shot.Y, current);
}

void DriftThenDart(RotatedSprite& shot, SmallShotCourse& course) {
  // The laser picture lies along its flight, so it turns by the aim itself.
  if (course.Age < kLaserDriftSteps) {
    shot.Angle = 0;
    shot.X += course.DriftX;
    shot.Y += course.DriftY;
  }
  if (course.Age == kLaserDriftSteps) {
    course.Aim = AimFromShot(shot, kLaserTargetDx, kLaserTargetDy, course.Aim);
  }
  if (course.Age > kLaserDriftSteps) {
    shot.Angle = course.Aim;
    MoveAlong(shot, course.Aim, kShotSpeed);
  }
  course.Age += 1;
}

void HitTheShip(RotatedSprite& shot, const Sprite& other, double impact_speed) {
  if (!IsShip(other)) return;
  GameWorld& world = WorldOf(shot);
  SpawnExplosion<ShellImpact>(world, "ExpLittle", shot.X, shot.Y, 1, impact_speed);
  world.PlayEffectSound("little_shell_exp");
  world.State().heroDamage += kShotDamage;
  shot.Kill();
}

}  // namespace zephyrant
