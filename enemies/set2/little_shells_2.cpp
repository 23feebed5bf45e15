#include "enemies/set2/little_shells_2.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr double kFallSpeed = 7;

}  // namespace

void TLittleShell2_0::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (FormOf(*this).State().levelNumber) {
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

void TLittleShell2_0::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitMiddle);
}

void TLittleShell2_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  CheckShotRemovals(*this);
  if (FormOf(*this).State().levelNumber == 10) DriftThenHome();
  CheckShotLeftScreen(*this);
  CheckHits();
}

void TLittleShell2_1::DriftThenHome() {
  if (Age < kLaserDriftSteps) {
    Angle = 0;
    X += DriftX;
    Y += DriftY;
  }
  // A warning shortly before it turns on the ship; it rests one step.
  if (Age == kWarningAge) FormOf(*this).PlayShellSound("little_lazer");
  if (Age > kLaserDriftSteps) {
    Aim = AimFromShot(*this, kLaserTargetDx, kLaserTargetDy, Aim);
    Angle = Aim;
    MoveAlong(*this, Aim, kHomingLaserSpeed);
  }
  Age += 1;
}

void TLittleShell2_1::OnHit(TSprite& other, bool&) {
  HitTheHero(*this, other, kShotHitSlow);
}

}  // namespace zephyrant
