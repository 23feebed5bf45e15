// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/bosses/boss_3.h"

#include "enemies/aim.h"
#include "enemies/bosses/boss_3_shots.h"
#include "enemies/bosses/boss_shot_frame.h"

namespace zephyrant {

namespace {

constexpr int kVolleyChance = 150;
constexpr int kBombRoll = 1;
constexpr int kBombCoolDown = 150;
constexpr int kBoltRoll = 5;
constexpr int kBoltCoolDown = 150;

// The bomb bays at both ends and the gun under the middle, from the corner.
constexpr double kRightBayInset = 20;
constexpr double kBayY = 10;
constexpr double kGunX = 70;
constexpr double kGunY = 15;
// The aim is taken from the gun's column at 10 pixels above the boss's top edge.
constexpr double kAimRise = 10;
constexpr double kBoltFrameSpeed = 0.2;

}  // namespace

void Boss3::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  frame_.Hover(*this, kRules);
  const int roll = WorldOf(*this).Random()(kVolleyChance);
  if (roll == kBombRoll && frame_.CooledDown(kBombCoolDown)) DropBombs();
  if (roll == kBoltRoll && frame_.CooledDown(kBoltCoolDown)) FireAimedBolt();
  frame_.Settle(*this);
}

void Boss3::DropBombs() {
  GameWorld& world = WorldOf(*this);
  const PictureItem& picture = BossShotPicture(world, "shell3_0");
  for (const double x : {X, X + Width - kRightBayInset}) {
    LaunchBossShot<Boss3Bomb>(world, picture, x, Y + kBayY);
    world.PlayEffectSound("hero_rocet");
  }
  frame_.Fired();
}

void Boss3::FireAimedBolt() {
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  auto& bolt = LaunchBossShot<Boss3AimedBolt>(world, BossShotPicture(world, "shell3_1"), X + kGunX,
                                              Y + kGunY);
  // Drawn above the boss while it clears it.
  bolt.SetZ(1);
  bolt.FrameLooped = true;
  bolt.FrameSpeed = kBoltFrameSpeed;
  bolt.Aim = AimToward(state.heroX - X - kGunX, state.heroY - Y + kAimRise, bolt.Aim);
  world.PlayEffectSound("hero_lazer");
  frame_.Fired();
}

}  // namespace zephyrant
