#include "enemies/set1/little_shells_1.h"

#include "game/main_window.h"

namespace zephyrant {

void TLittleShell1_0::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (FormOf(*this).State().levelNumber) {
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

void TLittleShell1_0::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitMiddle);
}

void TLittleShell1_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (FormOf(*this).State().levelNumber) {
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

void TLittleShell1_1::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitMiddle);
}

}  // namespace zephyrant
