// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_2.h"

#include "enemies/bosses/boss_2_shots.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

// One roll a step decides between the two weapons.
constexpr int kVolleyChance = 150;
constexpr int kRocketRoll = 1;
constexpr int kRocketCoolDown = 150;
constexpr int kBeamRoll = 5;
constexpr int kBeamCoolDown = 150;

constexpr double kRocketFrameSpeed = 1.0;
constexpr double kEmitterFrameSpeed = 5.0;
// The rocket tubes and the beam emitter, from the boss's corner.
constexpr double kLeftTubeX = 5;
constexpr double kRightTubeX = 95;
constexpr double kTubeY = 10;
constexpr double kEmitterX = 30;
constexpr double kEmitterY = 120;

}  // namespace

void Boss2::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameState& state = WorldOf(*this).State();
  // Every beam sprite is gone by the time a boss arrives, but a beam cut
  // short when the last fight ended (the boss fell or play stopped mid-beam)
  // left its segment count behind, and a count that is not 0 holds back
  // every beam. A new boss starts with none under way.
  if (frame_.Clock() == 0) state.beamCount = 0;
  frame_.Hover(*this, kRules);
  const int roll = WorldOf(*this).Random()(kVolleyChance);
  if (roll == kRocketRoll && frame_.CooledDown(kRocketCoolDown)) FireRockets();
  // One beam at a time.
  if (roll == kBeamRoll && state.beamCount == 0 && frame_.CooledDown(kBeamCoolDown)) FireBeam();
  frame_.Settle(*this);
}

void Boss2::FireRockets() {
  GameWorld& world = WorldOf(*this);
  const PictureItem& picture = BossShotPicture(world, "rocet_1");
  for (const double x : {X + kLeftTubeX, X + kRightTubeX}) {
    auto& rocket = LaunchBossShot<Boss2ThrownRocket>(world, picture, x, Y + kTubeY);
    rocket.FrameLooped = false;
    rocket.FrameSpeed = kRocketFrameSpeed;
    // Thrown sideways with the boss's own drift.
    rocket.DriftX = frame_.VX();
    world.PlayEffectSound("hero_rocet");
  }
  frame_.Fired();
}

void Boss2::FireBeam() {
  GameWorld& world = WorldOf(*this);
  auto& emitter = LaunchBossShot<Boss2BeamEmitter>(world, BossShotPicture(world, "shell2_2"),
                                                   X + kEmitterX, Y + kEmitterY);
  emitter.FrameLooped = true;
  emitter.FrameSpeed = kEmitterFrameSpeed;
  world.PlayEffectSound("little_lazer");
  frame_.Fired();
}

}  // namespace zephyrant
