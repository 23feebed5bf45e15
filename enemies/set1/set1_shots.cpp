// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set1/set1_shots.h"

#include "world/game_world.h"

namespace zephyrant {

void Set1BulletOrRocket::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 1:
      Fly(*this, Aim);
      break;
    case 6:
      // The rocket turns toward the ship every step, but never upward.
      Aim = AimFromShot(*this, kHomingDx, kHomingDy, Aim);
      Fly(*this, Aim);
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set1BulletOrRocket::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitMiddle);
}

void Set1BulletOrLaser::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 2:
      DriftThenDart(*this, *this);
      break;
    case 3:
    case 5:
      Fly(*this, Aim);
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set1BulletOrLaser::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitMiddle);
}

}  // namespace zephyrant
