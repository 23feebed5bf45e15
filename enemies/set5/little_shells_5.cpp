#include "enemies/set5/little_shells_5.h"

#include "game/main_window.h"

namespace zephyrant {

void TLittleShell5_0::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (FormOf(*this).State().levelNumber) {
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

void TLittleShell5_0::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitFast);
}

void TLittleShell5_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (FormOf(*this).State().levelNumber) {
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

void TLittleShell5_1::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitFast);
}

}  // namespace zephyrant
