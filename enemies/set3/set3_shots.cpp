// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set3/set3_shots.h"

#include "world/game_world.h"

namespace zephyrant {

void Set3FallingBullet::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 15:
    case 16:
    case 19:
      // Straight down, whatever the aim.
      Y += kShotSpeed;
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set3FallingBullet::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitSlow);
}

void Set3FormationBullet::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  if (WorldOf(*this).State().levelNumber == 17) Fly(*this, Aim);
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set3FormationBullet::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitSlow);
}

}  // namespace zephyrant
