// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_2_shots.h"

#include <cmath>

#include "enemies/aim.h"
#include "enemies/bosses/boss_2.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kThreshold = Boss2::kRules.threshold;

constexpr ShipStrike kEmitterStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr ShipStrike kRocketStrike{"ExpShell", kSlowImpact, "hero_rocet_exp", 1};
constexpr ShipStrike kSegmentStrike{"ExpRocket", kSlowImpact, "hero_rocet_exp", 2};

// The emitter hangs under the boss at this offset; the beam's aim is taken
// from the boss's corner toward the ship's height less this drop.
constexpr double kEmitterX = 20;
constexpr double kEmitterY = 120;
constexpr double kAimDrop = 120;
// Segments start this far below the emitter.
constexpr double kSegmentDrop = 50;

// The beam ends early: the segments laid so far go at once and no beam is
// under way any more.
void CutBeam(GameWorld& world) {
  GameEngine& engine = world.Engine();
  for (int i = 0; i < engine.ChildCount(); ++i) {
    if (auto* segment = dynamic_cast<Boss2BeamSegment*>(&engine.Child(i))) segment->Kill();
  }
  world.State().beamCount = 0;
}

}  // namespace

void Boss2BeamEmitter::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GameState& state = WorldOf(*this).State();
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

void Boss2BeamEmitter::LaySegment() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  const PictureItem& picture = BossShotPicture(world, "shell2_1");
  // Segments lie end to end along the aim, one picture width apart.
  const double angle = state.beamAim * kRadiansPerAim;
  const double x = std::cos(angle) * state.beamCount * picture.Width() + X;
  const double y = std::sin(angle) * state.beamCount * picture.Width() + Y + kSegmentDrop;
  auto& segment = LaunchBossShot<Boss2BeamSegment>(world, picture, x, y);
  segment.Angle = state.beamAim;
  world.PlayEffectSound("little_lazer");
  state.beamCount += 1;
}

void Boss2BeamEmitter::OnHit(Sprite& other, bool&) {
  if (!IsShip(other)) return;
  StrikeShip(*this, kEmitterStrike);
  // Put out mid-beam by the ship, the emitter takes its beam with it: its
  // segments would never count round to the end of the cycle, and a count
  // left above 0 holds back every later beam of the fight.
  GameWorld& world = WorldOf(*this);
  if (world.State().beamCount != 0) CutBeam(world);
}

void Boss2ThrownRocket::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GoWithBoss(*this, kThreshold);
  if (Y >= kHomingLine) HomeOnShip(*this, Aim, std::sqrt(Y));
  if (Y < kHomingLine) {
    X += DriftX;
    Y += std::sqrt(Y / 2);
  }
  GoOffSurface(*this);
  CheckHits();
}

void Boss2ThrownRocket::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kRocketStrike);
}

void Boss2BeamSegment::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  GameState& state = WorldOf(*this).State();
  GoWithBoss(*this, kThreshold);
  if (state.beamCount >= kFullBeam) {
    state.beamCount += 1;
    Kill();
    if (state.beamCount >= kBeamCycle) state.beamCount = 0;
  }
  CheckHits();
}

void Boss2BeamSegment::OnHit(Sprite& other, bool&) {
  if (IsShip(other)) StrikeShip(*this, kSegmentStrike);
}

}  // namespace zephyrant
