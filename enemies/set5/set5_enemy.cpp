// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set5/set5_enemy.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "enemies/set5/set5_shots.h"

namespace zephyrant {

namespace {

// A level's clearing leaves only a small flash of these.
constexpr SmallEnemyFrame kFrame{2, kBigFrameSpeed, "ExpLittle"};
constexpr double W = kFieldWidth;
constexpr double H = kFieldHeight;
constexpr double kPi = std::numbers::pi;

// Level 29: a spiral whose radius shrinks through zero and grows again on
// the far side, until the bottom exit takes the enemy.
constexpr double kSpiralShrink = 0.2;
constexpr double kOrbitTurn = 0.01;
// Level 30: ellipses rolling to the right; the script stands the start
// column in Y.
constexpr double kRollSpeed = 0.5;
constexpr double kRollWidth = 100;
constexpr double kRollExitBeyond = W + 100;
// Level 31: sweeps at a random speed, sinking only over the playfield.
constexpr double kSweepSpeed = 3;
constexpr int kSweepExtra = 7;
constexpr double kSweepSink = 0.2;
// Level 32: bars running up and down, a step to the left at every turn,
// until they leave on the left.
constexpr double kBarSpeed = 10;
constexpr double kBarColumnStep = 25;
// Level 33: waves at a random speed.
constexpr int kWaveSpeeds = 5;
constexpr double kWaveSink = 0.05;
constexpr double kWaveStep = 5.5 * kPi / 800;
// Level 34: a glide between the walls.
constexpr double kGlideSpeed = 5;
constexpr double kGlideRightWall = 50;
constexpr double kGlideSink = 0.1;

constexpr int kBulletPictures = 6;
constexpr int kLaserPicture = 7;
constexpr double kLaserSink = 0.2;
constexpr int kPairRoll = 1;
constexpr int kSingleRoll = 5;

// The quota spreads the orbit start angles; a quota below 1 never comes
// from a script, but must not divide by zero.
double StartAngle(double turns, double x, int quota) {
  return turns * 2 * kPi * x / std::max(quota, 1);
}

}  // namespace

void Set5Enemy::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  CheckFrameRemovals(*this, kFrame);
  switch (WorldOf(*this).State().levelNumber) {
    case 29:
      InwardSpiral();
      break;
    case 30:
      RollingEllipses();
      break;
    case 31:
      LaserSweepers();
      break;
    case 32:
      VerticalBars();
      break;
    case 33:
      Level33();
      break;
    case 34:
      Level34();
      break;
    default:
      break;
  }
  timer_.Tick();
  CheckHits();
}

void Set5Enemy::OnHit(Sprite& other, bool&) {
  CountWholeHits(*this, other, hit_count_, kShellHitsSurvived, kFrame.explosion_speed);
}

void Set5Enemy::InwardSpiral() {
  if (orbit_ready_ == 0) {
    orbit_angle_ = StartAngle(1, X, WorldOf(*this).State().levelQuota);
    radius_ = (W - Width) / 2;
    orbit_ready_ = 1;
  }
  radius_ -= kSpiralShrink;
  X = (W - Width) / 2 + radius_ * std::sin(orbit_angle_);
  // The spiral's centre height is measured with the enemy's width.
  Y = (H - Width) / 2 + radius_ * std::cos(orbit_angle_);
  orbit_angle_ += kOrbitTurn;
  if (orbit_angle_ >= 2 * kPi) orbit_angle_ = 0;
  DrawOrbitRolls();
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) FireAimedBullet();
}

void Set5Enemy::RollingEllipses() {
  if (X >= 2 * Height + kRollExitBeyond) {
    Kill();
    WorldOf(*this).State().enemiesGone += 1;
  }
  if (orbit_ready_ == 0) {
    orbit_angle_ = StartAngle(2, X, WorldOf(*this).State().levelQuota);
    center_x_ = Y;
    radius_ = (H - Height) / 2;
    orbit_ready_ = 1;
  }
  center_x_ += kRollSpeed;
  X = center_x_ + kRollWidth * std::sin(orbit_angle_);
  Y = (H - Height) / 2 + radius_ * std::cos(orbit_angle_);
  orbit_angle_ += kOrbitTurn;
  if (orbit_angle_ >= 2 * kPi) orbit_angle_ = 0;
  DrawOrbitRolls();
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) FireAimedBullet();
}

void Set5Enemy::LaserSweepers() {
  RandomGenerator& random = WorldOf(*this).Random();
  EndLevelBelowBottom(*this);
  if (X >= W - Width) speed_x_ = -(kSweepSpeed + random(kSweepExtra));
  if (X <= 0) speed_x_ = kSweepSpeed + random(kSweepExtra);
  X += speed_x_;
  if (X >= 0 && X <= W) Y += kSweepSink;
  fire_roll_ = random(250);
  aim_roll_ = random(10);
  shot_image_ = kLaserPicture;
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) {
    auto& laser =
        FireShot<Set5BulletOrLaser>(*this, kLaserPicture, X + 15, Y + Height - 10, "little_shell");
    laser.FrameLooped = true;
    laser.FrameSpeed = 1.0;
    laser.DriftX = speed_x_;
    laser.DriftY = kLaserSink;
    laser.Age = 0;
    timer_.Fired();
  }
}

void Set5Enemy::VerticalBars() {
  if (X <= -Width) {
    Kill();
    WorldOf(*this).State().enemiesGone += 1;
  }
  if (Y >= H) {
    speed_y_ = -kBarSpeed;
    X -= kBarColumnStep;
  }
  if (Y <= -Height) {
    speed_y_ = kBarSpeed;
    X -= kBarColumnStep;
  }
  Y += speed_y_;
}

void Set5Enemy::Level33() {
  RandomGenerator& random = WorldOf(*this).Random();
  X += speed_x_;
  if (X <= 0) speed_x_ = random(kWaveSpeeds) + 1;
  if (X >= W - Width) speed_x_ = -(random(kWaveSpeeds) + 1);
  if (X >= W - Width || X <= 0) phase_ = 0;
  Y += std::sin(phase_) + kWaveSink;
  phase_ += kWaveStep;
  fire_roll_ = random(700);
  aim_roll_ = random(3);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kPairRoll && timer_.Ready(kShortShotGap)) {
    auto& shot = FireShot<Set5HomingBullet>(*this, shot_image_, X, Y + Height, "little_shell");
    shot.X = X + shot.Width / 2.0 - 5;
    timer_.Fired();
  }
}

void Set5Enemy::Level34() {
  // The phase serves as a second horizontal speed here.
  if (X < 0) phase_ = kGlideSpeed;
  X += phase_;
  Y += kGlideSink;
  if (X > W - kGlideRightWall) phase_ = -kGlideSpeed;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(500);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kPairRoll && timer_.Ready(kShortShotGap)) {
    FireShot<Set5HomingBullet>(*this, shot_image_, X + 5, Y + Height, "little_shell");
    FireShot<Set5HomingBullet>(*this, shot_image_, X + 35, Y + Height, "little_shell");
    timer_.Fired();
  }
}

void Set5Enemy::DrawOrbitRolls() {
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(700);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
}

void Set5Enemy::FireAimedBullet() {
  const double x = X + 20;
  const double y = Y + Height - 10;
  auto& shot = FireShot<Set5BulletOrLaser>(*this, shot_image_, x, y, "little_shell");
  shot.Aim = AimAtShip(WorldOf(*this).State(), x, y);
  timer_.Fired();
}

}  // namespace zephyrant
