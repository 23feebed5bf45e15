#include "enemies/bosses/boss_shells_4.h"

#include "enemies/aim.h"
#include "enemies/bosses/boss_4.h"
#include "enemies/bosses/boss_shell_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = TBoss4::kRules.threshold;

constexpr HeroStrike kPelletStrike{"ExpShell", kSlowImpact, "little_shell_exp", 1};
constexpr HeroStrike kLaserStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 2};

constexpr ChargedLaser kLaser{25, 0, 25, "hero_lazer"};

}  // namespace

void TBossShell4_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  Angle = AngleOfAim(Aim);
  FlyAlong(*this, Aim, kSpeed);
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell4_1::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kPelletStrike);
}

void TBossShell4_2::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  ChargedLaserStep(*this, Aim, Age, kLaser, kThreshold);
}

void TBossShell4_2::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kLaserStrike);
}

}  // namespace zephyrant
