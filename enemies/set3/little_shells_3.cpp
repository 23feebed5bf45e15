#include "enemies/set3/little_shells_3.h"

#include "game/main_window.h"

namespace zephyrant {

void TLittleShell3_0::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (FormOf(*this).State().levelNumber) {
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

void TLittleShell3_0::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitSlow);
}

void TLittleShell3_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  if (FormOf(*this).State().levelNumber == 17) Fly(*this, Aim);
  CheckShotLeftScreen(*this);
  CheckHits();
}

void TLittleShell3_1::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitSlow);
}

}  // namespace zephyrant
