#include "enemies/bosses/boss_shells_5.h"

#include "enemies/bosses/boss_5.h"
#include "enemies/bosses/boss_shell_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = TBoss5::kRules.threshold;

constexpr HeroStrike kBoltStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr HeroStrike kRocketStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr HeroStrike kLaserStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 2};

constexpr ChargedLaser kLaser{35, 145, 25, "little_lazer"};

}  // namespace

void TBossShell5_0::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  Y += kFall;
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell5_0::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kBoltStrike);
}

void TBossShell5_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  HomeOnHero(*this, Aim, kSpeed);
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell5_1::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kRocketStrike);
}

void TBossShell5_2::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  ChargedLaserStep(*this, Aim, Age, kLaser, kThreshold);
}

void TBossShell5_2::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kLaserStrike);
}

}  // namespace zephyrant
