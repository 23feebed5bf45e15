#include "enemies/bosses/boss_shells_2.h"

#include <cmath>

#include "enemies/aim.h"
#include "enemies/bosses/boss_2.h"
#include "enemies/bosses/boss_shell_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = TBoss2::kRules.threshold;

constexpr HeroStrike kEmitterStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr HeroStrike kRocketStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr HeroStrike kSegmentStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 2};

// The emitter hangs under the boss at this offset; the beam's aim is taken
// from the boss's corner toward the ship's height less this drop.
constexpr double kEmitterX = 20;
constexpr double kEmitterY = 120;
constexpr double kAimDrop = 120;
// Segments start this far below the emitter.
constexpr double kSegmentDrop = 50;

// The beam ends early: the segments laid so far go at once and no beam is
// under way any more.
void CutBeam(TForm1& form) {
  TGameEngine& engine = form.Engine();
  for (int i = 0; i < engine.ChildCount(); ++i) {
    if (auto* segment = dynamic_cast<TBossShell2_2*>(&engine.Child(i))) segment->Kill();
  }
  form.State().beamCount = 0;
}

}  // namespace

void TBossShell2_0::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GameState& state = FormOf(*this).State();
  GoWithBoss(*this, kThreshold);
  X = state.bossX + kEmitterX;
  Y = state.bossY + kEmitterY;
  // The aim follows the ship until the first segment is laid.
  if (state.beamCount == 0) {
    state.beamAim = AimToward(state.heroX - state.bossX, state.heroY - kAimDrop, state.beamAim);
  }
  if (Age >= kFirstSegmentAge && Age <= kLastSegmentAge) LaySegment();
  if (Age >= kLifetime) {
    Age = 0;
    Kill();
    // A beam whose segments met the ship on the way out never counts round
    // to the end of its cycle, and its count would hold back every later
    // beam: the emitter leaving closes the cycle.
    state.beamCount = 0;
  }
  Age += 1;
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell2_0::LaySegment() {
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
  const TPictureItem& picture = BossShotPicture(form, "shell2_1");
  // Segments lie end to end along the aim, one picture width apart.
  const double angle = state.beamAim * kRadiansPerAim;
  const double x = std::cos(angle) * state.beamCount * picture.Width() + X;
  const double y = std::sin(angle) * state.beamCount * picture.Width() + Y + kSegmentDrop;
  auto& segment = LaunchBossShot<TBossShell2_2>(form, picture, x, y);
  segment.Angle = state.beamAim;
  form.PlayShellSound("little_lazer");
  state.beamCount += 1;
}

void TBossShell2_0::OnHit(TSprite& other, bool&) {
  if (!IsHero(other)) return;
  StrikeHero(*this, kEmitterStrike);
  // Put out mid-beam by the ship, the emitter takes its beam with it: its
  // segments would never count round to the end of the cycle, and a count
  // left above 0 holds back every later beam of the fight.
  TForm1& form = FormOf(*this);
  if (form.State().beamCount != 0) CutBeam(form);
}

void TBossShell2_1::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  if (Y >= kHomingLine) HomeOnHero(*this, Aim, std::sqrt(Y));
  if (Y < kHomingLine) {
    X += DriftX;
    Y += std::sqrt(Y / 2);
  }
  GoOffSurface(*this);
  CheckHits();
}

void TBossShell2_1::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kRocketStrike);
}

void TBossShell2_2::MoveStep(int move_count) {
  TImageSpriteEx::MoveStep(move_count);
  GameState& state = FormOf(*this).State();
  GoWithBoss(*this, kThreshold);
  if (state.beamCount >= kFullBeam) {
    state.beamCount += 1;
    Kill();
    if (state.beamCount >= kBeamCycle) state.beamCount = 0;
  }
  CheckHits();
}

void TBossShell2_2::OnHit(TSprite& other, bool&) {
  if (IsHero(other)) StrikeHero(*this, kSegmentStrike);
}

}  // namespace zephyrant
