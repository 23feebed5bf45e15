#include "enemies/bosses/boss_2.h"

#include "enemies/bosses/boss_shell_frame.h"
#include "enemies/bosses/boss_shells_2.h"

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

void TBoss2::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  GameState& state = FormOf(*this).State();
  // Every beam sprite is gone by the time a boss arrives, but a beam cut
  // short when the last fight ended (the boss fell or play stopped mid-beam)
  // left its segment count behind, and a count that is not 0 holds back
  // every beam. A new boss starts with none under way.
  if (frame_.Clock() == 0) state.beamCount = 0;
  frame_.Hover(*this, kRules);
  const int roll = FormOf(*this).Random()(kVolleyChance);
  if (roll == kRocketRoll && frame_.CooledDown(kRocketCoolDown)) FireRockets();
  // One beam at a time.
  if (roll == kBeamRoll && state.beamCount == 0 && frame_.CooledDown(kBeamCoolDown)) FireBeam();
  frame_.Settle(*this);
}

void TBoss2::FireRockets() {
  TForm1& form = FormOf(*this);
  const TPictureItem& picture = BossShotPicture(form, "rocet_1");
  for (const double x : {X + kLeftTubeX, X + kRightTubeX}) {
    auto& rocket = LaunchBossShot<TBossShell2_1>(form, picture, x, Y + kTubeY);
    rocket.FrameLooped = false;
    rocket.FrameSpeed = kRocketFrameSpeed;
    // Thrown sideways with the boss's own drift.
    rocket.DriftX = frame_.VX();
    form.PlayShellSound("hero_rocet");
  }
  frame_.Fired();
}

void TBoss2::FireBeam() {
  TForm1& form = FormOf(*this);
  auto& emitter = LaunchBossShot<TBossShell2_0>(form, BossShotPicture(form, "shell2_2"),
                                                X + kEmitterX, Y + kEmitterY);
  emitter.FrameLooped = true;
  emitter.FrameSpeed = kEmitterFrameSpeed;
  form.PlayShellSound("little_lazer");
  frame_.Fired();
}

}  // namespace zephyrant
