// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set2/set2_enemy.h"

#include <cmath>
#include <numbers>

#include "enemies/set2/set2_shots.h"

namespace zephyrant {

namespace {

// These enemies may wander further below the surface before they count as gone.
constexpr SmallEnemyFrame kFrame{5, kLittleFrameSpeed, "ExpRocket"};
constexpr double W = kFieldWidth;
constexpr double H = kFieldHeight;

// Levels 8, 18 and 32: bars running up and down, a step to the right at
// every turn, until they leave on the right.
constexpr double kBarSpeed = 15;
constexpr double kBarColumnStep = 25;
// Level 9: a slow glide between the walls.
constexpr double kGlideSpeed = 5;
constexpr double kGlideRightWall = 50;
constexpr double kGlideSink = 0.1;
// Level 10: fast sweeps, sinking only over the playfield.
constexpr double kSweepSpeed = 10;
constexpr double kSweepSink = 0.2;
// Level 11: sweeps that turn off the screen.
constexpr double kWideSweepSpeed = 9;
constexpr double kWideSweepSink = 0.2;
// Level 12: two moves a step on a wave.
constexpr double kWaveSpeed = 2;
constexpr double kWaveSink = 0.1;
constexpr double kWaveStep = 5.5 * std::numbers::pi / 800;
// Level 13: wanderers kept in a box, 1 to 3 pixels a step each way.
constexpr int kWanderSpeeds = 3;
constexpr double kWanderRightWall = W - 50;
constexpr double kWanderFloor = 550;

constexpr int kBulletPictures = 6;
constexpr int kLaserPicture = 7;
constexpr int kBallPictures = 9;  // the balls follow the bullets in the shot list
constexpr int kPairRoll = 1;
constexpr int kSingleRoll = 5;
constexpr double kLaserSink = 0.2;

}  // namespace

void Set2Enemy::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  CheckFrameRemovals(*this, kFrame);
  switch (WorldOf(*this).State().levelNumber) {
    case 8:
    case 18:
    case 32:
      VerticalBars();
      break;
    case 9:
      Level9();
      break;
    case 10:
      Level10();
      break;
    case 11:
      Level11();
      break;
    case 12:
      Level12();
      break;
    case 13:
      Level13();
      break;
    default:
      break;
  }
  timer_.Tick();
  CheckHits();
}

void Set2Enemy::OnHit(Sprite& other, bool&) {
  CountWholeHits(*this, other, hit_count_, kShellHitsSurvived, kFrame.explosion_speed);
}

void Set2Enemy::VerticalBars() {
  if (X >= W) {
    Kill();
    WorldOf(*this).State().enemiesGone += 1;
  }
  // The script starts the bars just above or just below the surface, so
  // their first step gives them their speed.
  if (Y >= H) {
    speed_y_ = -kBarSpeed;
    X += kBarColumnStep;
  }
  if (Y <= -Height) {
    speed_y_ = kBarSpeed;
    X += kBarColumnStep;
  }
  Y += speed_y_;
}

void Set2Enemy::Level9() {
  if (X >= W - kGlideRightWall) speed_x_ = -kGlideSpeed;
  if (X <= 0) speed_x_ = kGlideSpeed;
  X += speed_x_;
  Y += kGlideSink;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(500);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kPairRoll && timer_.Ready(kShortShotGap)) {
    FireShot<Set2Bullet>(*this, shot_image_, X + 5, Y + Height, "little_shell");
    FireShot<Set2Bullet>(*this, shot_image_, X + 35, Y + Height, "little_shell");
    timer_.Fired();
  }
}

void Set2Enemy::Level10() {
  EndLevelBelowBottom(*this);
  if (X >= W - Width) speed_x_ = -kSweepSpeed;
  if (X <= 0) speed_x_ = kSweepSpeed;
  X += speed_x_;
  if (X >= 0 && X <= W) Y += kSweepSink;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(700);
  aim_roll_ = random(10);
  shot_image_ = kLaserPicture;
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) {
    // A silent laser: it sounds its warning only when it is about to home in.
    auto& laser = FireShot<Set2HomingLaser>(*this, kLaserPicture, X + 20, Y + Height - 10, "");
    laser.FrameLooped = true;
    laser.FrameSpeed = 1.0;
    laser.DriftX = speed_x_;
    laser.DriftY = kLaserSink;
    laser.Age = 0;
    timer_.Fired();
  }
}

void Set2Enemy::Level11() {
  if (X >= W) speed_x_ = -kWideSweepSpeed;
  if (X <= -Width) speed_x_ = kWideSweepSpeed;
  X += speed_x_;
  Y += kWideSweepSink;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) {
    // The ball keeps the enemy's sideways speed as it falls.
    auto& ball = FireShot<Set2Bullet>(*this, shot_image_ + kBallPictures, X + Width / 2.0,
                                      Y + Height - 10, "little_shell");
    ball.DriftX = speed_x_;
    timer_.Fired();
  }
}

void Set2Enemy::Level12() {
  X += speed_x_;
  if (X <= 0) speed_x_ = kWaveSpeed;
  X += speed_x_;
  if (X >= W - Width) speed_x_ = -kWaveSpeed;
  if (X >= W - Width || X <= 0) phase_ = 0;
  Y += std::sin(2 * phase_) + kWaveSink;
  phase_ += kWaveStep;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) {
    const double x = X + Width / 2.0;
    const double y = Y + Height - 10;
    auto& shot = FireShot<Set2Bullet>(*this, shot_image_, x, y, "little_shell");
    shot.DriftX = speed_x_;
    shot.Aim = AimAtShip(WorldOf(*this).State(), x, y);
    timer_.Fired();
  }
}

void Set2Enemy::Level13() {
  // Never leaves and never fires: the level ends when every wanderer is
  // shot down or has rammed the ship.
  RandomGenerator& random = WorldOf(*this).Random();
  if (speed_y_ == 0) speed_y_ = random(kWanderSpeeds) + 1;
  if (X < 0) speed_x_ = random(kWanderSpeeds) + 1;
  if (X > kWanderRightWall) speed_x_ = -(random(kWanderSpeeds) + 1);
  if (Y < 0) speed_y_ = random(kWanderSpeeds) + 1;
  if (Y > kWanderFloor) speed_y_ = -(random(kWanderSpeeds) + 1);
  X += speed_x_;
  Y += speed_y_;
}

}  // namespace zephyrant
