#include "enemies/bosses/boss_shells_1.h"

#include <cmath>

#include "enemies/bosses/boss_1.h"
#include "enemies/bosses/boss_shell_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = TBoss1::kRules.threshold;

constexpr HeroStrike kBoltStrike{"ExpRocket", kQuickImpact, "hero_rocet_exp", 1};
constexpr HeroStrike kRocketStrike{"ExpShell", kQuickImpact, "hero_shell_exp", 1};
constexpr HeroStrike kLaserStrike{"ExpRocket", kQuickImpact, "hero_rocet_exp", 2};

constexpr ChargedLaser kLaser{10, 0, 35, {}};

}  // namespace

void TBossShell1_0::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  // Fast until the lower edge reaches the bottom of the surface; from there
  // it creeps off, staying a threat for a while.
  const double bottom = FormOf(*this).State().surfaceHeight - Height;
  if (Y < bottom) Y += kDrop;
  if (Y >= bottom) Y += kCreep;
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell1_0::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) {
    StrikeHero(*this, kBoltStrike);
  } else if (dynamic_cast<const TBossShell1_0*>(&other) != nullptr) {
    // A bolt still falling onto another slows to a crawl while they overlap.
    if (Y < FormOf(*this).State().surfaceHeight - Height) Y -= kHeldBack;
  }
}

void TBossShell1_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  HomeOnHero(*this, Aim, std::sqrt(Y));
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell1_1::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kRocketStrike);
}

void TBossShell1_2::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  ChargedLaserStep(*this, Aim, Age, kLaser, kThreshold);
}

void TBossShell1_2::OnHit(TSprite& other, bool&) {
  if (!IsHero(other)) return;
  const GameState& state = FormOf(*this).State();
  StrikeHero(*this, kLaserStrike, state.heroX, state.heroY);
}

}  // namespace zephyrant
