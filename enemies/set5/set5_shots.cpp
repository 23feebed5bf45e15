// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set5/set5_shots.h"

#include "world/game_world.h"

namespace zephyrant {

void Set5HomingBullet::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 33:
    case 34:
      // Steers at the ship every step, but never upward.
      Aim = AimFromShot(*this, kHomingDx, kHomingDy, Aim);
      Fly(*this, Aim);
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set5HomingBullet::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitFast);
}

void Set5BulletOrLaser::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 29:
    case 30:
      Fly(*this, Aim);
      break;
    case 31:
      DriftThenDart(*this, *this);
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set5BulletOrLaser::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitFast);
}

}  // namespace zephyrant
