#include "enemies/bosses/boss_5.h"

#include "enemies/bosses/boss_shell_frame.h"
#include "enemies/bosses/boss_shells_5.h"

namespace zephyrant {

namespace {

constexpr int kVolleyChance = 50;
constexpr int kRocketRoll = 1;
constexpr int kRocketCoolDown = 50;
constexpr int kLaserRoll = 5;
constexpr int kLaserCoolDown = 150;
constexpr int kBoltRoll = 7;
constexpr int kBoltCoolDown = 50;

constexpr double kRocketFrameSpeed = 1.0;
constexpr double kLaserFrameSpeed = 2.0;
// Rockets and bolts leave from both wings, the laser from under the hull.
constexpr double kWingInset = 10;
constexpr double kWingY = 50;
constexpr double kLaserX = 50;
constexpr double kLaserRise = 7;  // above the lower edge

}  // namespace

void TBoss5::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  frame_.Hover(*this, kRules);
  const int roll = FormOf(*this).Random()(kVolleyChance);
  if (roll == kRocketRoll && frame_.CooledDown(kRocketCoolDown)) FireRockets();
  if (roll == kLaserRoll && frame_.CooledDown(kLaserCoolDown)) FireLaser();
  if (roll == kBoltRoll && frame_.CooledDown(kBoltCoolDown)) FireBolts();
  frame_.Settle(*this);
}

void TBoss5::FireRockets() {
  TForm1& form = FormOf(*this);
  const TPictureItem& picture = BossShotPicture(form, "rocet_1");
  for (const double x : {X + kWingInset, X + Width - kWingInset}) {
    auto& rocket = LaunchBossShot<TBossShell5_1>(form, picture, x, Y + kWingY);
    rocket.FrameLooped = true;
    rocket.FrameSpeed = kRocketFrameSpeed;
    form.PlayShellSound("hero_rocet");
  }
  frame_.Fired();
}

void TBoss5::FireLaser() {
  TForm1& form = FormOf(*this);
  // Silent until it takes its aim.
  auto& laser = LaunchBossShot<TBossShell5_2>(form, BossShotPicture(form, "shell3_1"), X + kLaserX,
                                              Y + Height - kLaserRise);
  laser.FrameLooped = true;
  laser.FrameSpeed = kLaserFrameSpeed;
  laser.Age = 0;
  frame_.Fired();
}

void TBoss5::FireBolts() {
  TForm1& form = FormOf(*this);
  const TPictureItem& picture = BossShotPicture(form, "shell1_0");
  for (const double x : {X + kWingInset, X + Width - kWingInset}) {
    LaunchBossShot<TBossShell5_0>(form, picture, x, Y + kWingY);
    form.PlayShellSound("hero_rocet");
  }
  frame_.Fired();
}

}  // namespace zephyrant
