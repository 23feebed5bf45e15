#include "enemies/bosses/boss_1.h"

#include "enemies/bosses/boss_shell_frame.h"
#include "enemies/bosses/boss_shells_1.h"

namespace zephyrant {

namespace {

// Each weapon fires when its own roll hits its value and the shared
// cool-down allows.
constexpr int kRocketChance = 100;
constexpr int kRocketRoll = 1;
constexpr int kRocketCoolDown = 200;
constexpr int kLaserChance = 150;
constexpr int kLaserRoll = 5;
constexpr int kLaserCoolDown = 150;
constexpr int kBoltChance = 150;
constexpr int kBoltRoll = 7;
constexpr int kBoltCoolDown = 100;

constexpr double kRocketFrameSpeed = 1.0 / 3;
constexpr double kLaserFrameSpeed = 1.0;
// The rocket leaves from under the middle, the bolts from under both wings.
constexpr double kBelowHull = 10;
constexpr double kWingInset = 10;
// The laser is launched at this column and height; it moves onto its
// anchor on the boss in its first step.
constexpr double kLaserLaunchX = 20;
constexpr double kLaserLaunchY = 10;

}  // namespace

void TBoss1::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  frame_.Hover(*this, kRules);
  TRandom& random = FormOf(*this).Random();
  int roll = random(kRocketChance);
  if (roll == kRocketRoll && frame_.CooledDown(kRocketCoolDown)) FireRocket();
  roll = random(kLaserChance);
  if (roll == kLaserRoll && frame_.CooledDown(kLaserCoolDown)) FireLaser();
  roll = random(kBoltChance);
  if (roll == kBoltRoll && frame_.CooledDown(kBoltCoolDown)) FireBolts();
  frame_.Settle(*this);
}

void TBoss1::FireRocket() {
  TForm1& form = FormOf(*this);
  auto& rocket = LaunchBossShot<TBossShell1_1>(form, BossShotPicture(form, "rocet_1"),
                                               X + Width / 2.0, Y + Height + kBelowHull);
  rocket.FrameLooped = true;
  rocket.FrameSpeed = kRocketFrameSpeed;
  rocket.PixelExact = true;
  form.PlayShellSound("hero_rocet");
  frame_.Fired();
}

void TBoss1::FireLaser() {
  TForm1& form = FormOf(*this);
  auto& laser = LaunchBossShot<TBossShell1_2>(form, BossShotPicture(form, "shell1_1"),
                                              X + kLaserLaunchX, kLaserLaunchY);
  laser.FrameLooped = true;
  laser.FrameSpeed = kLaserFrameSpeed;
  laser.PixelExact = true;
  laser.Age = 0;
  form.PlayShellSound("little_lazer");
  frame_.Fired();
}

void TBoss1::FireBolts() {
  TForm1& form = FormOf(*this);
  const TPictureItem& picture = BossShotPicture(form, "shell1_0");
  for (const double x : {X + kWingInset, X + Width - kWingInset}) {
    auto& bolt = LaunchBossShot<TBossShell1_0>(form, picture, x, Y + Height + kBelowHull);
    bolt.PixelExact = true;
    form.PlayShellSound("little_shell");
  }
  frame_.Fired();
}

}  // namespace zephyrant
