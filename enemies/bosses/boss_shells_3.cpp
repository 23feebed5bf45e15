#include "enemies/bosses/boss_shells_3.h"

#include "enemies/bosses/boss_3.h"
#include "enemies/bosses/boss_shell_frame.h"
#include "enemies/set4/little_shells_4.h"
#include "player/explosions.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = TBoss3::kRules.threshold;

constexpr double kBombDamage = 5;
constexpr HeroStrike kBoltStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 3};
constexpr int kPelletLooks = 6;  // sh0..sh5

}  // namespace

void TBossShell3_0::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  Y += kFall;
  // A bomb always bursts before the bottom edge, so it needs no other way out.
  if (Y >= FormOf(*this).State().surfaceHeight - kBurstHeight) {
    Burst();
    Kill();
  }
  CheckHits();
}

void TBossShell3_0::OnHit(TSprite& other, bool&) {
  if (!IsHero(other)) return;
  Burst();
  FormOf(*this).State().heroDamage += kBombDamage;
  Kill();
}

void TBossShell3_0::Burst() {
  TForm1& form = FormOf(*this);
  SpawnExplosion<TExp_Shell>(form, "Exp", X, Y, 1, kSlowImpact);
  form.PlayShellSound("little_exp");
  // The pellets pick their own scatter on their first step.
  for (int i = 0; i < kPellets; ++i) {
    auto& pellet = form.Engine().Spawn<TLittleShell4_0>();
    form.PlayShellSound("little_shell");
    pellet.SetImage(PelletPicture(form, form.Random()(kPelletLooks)));
    pellet.X = X + Width / 2.0;
    pellet.Y = Y + Height / 2.0;
  }
}

void TBossShell3_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  const GameState& state = FormOf(*this).State();
  GoWithBoss(*this, kThreshold);
  // The bolt picture lies along its flight.
  Angle = Aim;
  FlyAlong(*this, Aim, kSpeed);
  if (Y > kClearOfBoss) SetZ(0);
  // Its aims point down or sideways, so it is not tested at the top edge.
  if (Y > state.surfaceHeight) Kill();
  if (X <= 0) Kill();
  if (X >= state.surfaceWidth) Kill();
  CheckHits();
}

void TBossShell3_1::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kBoltStrike);
}

}  // namespace zephyrant
