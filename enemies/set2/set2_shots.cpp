// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set2/set2_shots.h"

#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr double kFallSpeed = 7;

}  // namespace

void Set2Bullet::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 9:
      Y += kFallSpeed;
      break;
    case 11:
      X += DriftX;
      Y += kShotSpeed;
      break;
    case 12:
      Fly(*this, Aim);
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set2Bullet::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitMiddle);
}

void Set2HomingLaser::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  if (WorldOf(*this).State().levelNumber == 10) DriftThenHome();
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set2HomingLaser::DriftThenHome() {
  if (Age < kLaserDriftSteps) {
    Angle = 0;
    X += DriftX;
    Y += DriftY;
  }
  // A warning shortly before it turns on the ship; it rests one step.
  if (Age == kWarningAge) WorldOf(*this).PlayEffectSound("little_lazer");
  if (Age > kLaserDriftSteps) {
    Aim = AimFromShot(*this, kLaserTargetDx, kLaserTargetDy, Aim);
    Angle = Aim;
    MoveAlong(*this, Aim, kHomingLaserSpeed);
  }
  Age += 1;
}

void Set2HomingLaser::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitSlow);
}

}  // namespace zephyrant
