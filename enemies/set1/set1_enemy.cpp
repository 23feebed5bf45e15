// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set1/set1_enemy.h"

#include <cmath>
#include <numbers>

#include "enemies/set1/set1_shots.h"

namespace zephyrant {

namespace {

constexpr SmallEnemyFrame kFrame{2, kLittleFrameSpeed, "ExpRocket"};
constexpr double W = kFieldWidth;
constexpr double kPi = std::numbers::pi;

// Level 1: a gentle swell that restarts at every wall.
constexpr double kSwellStep = 7 * kPi / 800;
constexpr double kSwellSpeed = 4;
constexpr double kSwellSink = 0.01;
// Levels 2 and 5: slower waves.
constexpr double kWaveStep = 5.5 * kPi / 800;
constexpr double kDoubleStepSpeed = 2;
constexpr double kDoubleStepSink = 0.05;
constexpr double kWaveSpeed = 3;
constexpr double kWaveSink = 0.1;
// Level 3: fast sweeps, sinking only over the playfield.
constexpr double kSweepSpeed = 10;
constexpr double kSweepSink = 0.5;
// Level 4: bars crossing the screen, a row lower at every turn.
constexpr double kBarSpeed = 20;
constexpr double kBarRowDrop = 25;
// Level 6: a slow glide between the walls.
constexpr double kGlideSpeed = 3;
constexpr double kGlideSink = 0.1;
constexpr double kGlideRightWall = 50;

// A level-2 laser sinks on a swell of its own until it darts.
constexpr double kLaserSink = 0.01;

constexpr int kBulletPictures = 6;
constexpr int kLaserPicture = 7;
constexpr int kRocketPicture = 8;
// Each level fires on one value of its roll.
constexpr int kPairRoll = 1;
constexpr int kSingleRoll = 5;
constexpr int kAimedRoll = 1;

}  // namespace

void Set1Enemy::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  CheckFrameRemovals(*this, kFrame);
  switch (WorldOf(*this).State().levelNumber) {
    case 1:
      Level1();
      break;
    case 2:
      Level2();
      break;
    case 3:
      Level3();
      break;
    case 4:
      Level4();
      break;
    case 5:
      Level5();
      break;
    case 6:
      Level6();
      break;
    default:
      break;
  }
  timer_.Tick();
  CheckHits();
}

void Set1Enemy::OnHit(Sprite& other, bool&) {
  CountWholeHits(*this, other, hit_count_, kShellHitsSurvived, kFrame.explosion_speed);
}

void Set1Enemy::Level1() {
  phase_ += kSwellStep;
  if (X >= W - Width || X <= 0) phase_ = 0;
  if (X >= W - Width) speed_x_ = -kSwellSpeed;
  if (X <= 0) speed_x_ = kSwellSpeed;
  X += speed_x_;
  Y += std::sin(phase_) + kSwellSink;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kPairRoll && timer_.Ready(kShortShotGap)) FireBulletPair();
}

void Set1Enemy::Level2() {
  // Two moves a step, the wall test between them.
  if (X >= W - Width) {
    speed_x_ = -kDoubleStepSpeed;
    phase_ = 0;
  }
  X += speed_x_;
  if (X <= 0) {
    speed_x_ = kDoubleStepSpeed;
    phase_ = 0;
  }
  X += speed_x_;
  Y += std::sin(2 * phase_) + kDoubleStepSink;
  phase_ += kWaveStep;
  fire_roll_ = WorldOf(*this).Random()(500);
  shot_image_ = kLaserPicture;
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) FireDriftingLaser();
}

void Set1Enemy::Level3() {
  EndLevelBelowBottom(*this);
  if (X >= W - Width) speed_x_ = -kSweepSpeed;
  if (X <= 0) speed_x_ = kSweepSpeed;
  X += speed_x_;
  if (X >= 0 && X <= W) Y += kSweepSink;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(5);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) FireBullet();
}

void Set1Enemy::Level4() {
  RunBarAcross(*this, speed_x_, kBarSpeed, kBarRowDrop);
}

void Set1Enemy::Level5() {
  X += speed_x_;
  if (X <= 0) speed_x_ = kWaveSpeed;
  if (X >= W - Width) speed_x_ = -kWaveSpeed;
  if (X >= W - Width || X <= 0) phase_ = 0;
  Y += std::sin(1.5 * phase_) + kWaveSink;
  phase_ += kWaveStep;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(2);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) FireBullet();
}

void Set1Enemy::Level6() {
  // The phase serves as a second horizontal speed here.
  if (X < 0) phase_ = kGlideSpeed;
  X += phase_;
  Y += kGlideSink;
  if (X > W - kGlideRightWall) phase_ = -kGlideSpeed;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(700);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) FireHomingRocket();
}

void Set1Enemy::FireBulletPair() {
  const bool aimed = aim_roll_ == kAimedRoll;
  FireDownOrAimed<Set1BulletOrRocket>(*this, shot_image_, X + 5, Y + Height, aimed);
  FireDownOrAimed<Set1BulletOrRocket>(*this, shot_image_, X + 25, Y + Height, aimed);
  timer_.Fired();
}

void Set1Enemy::FireDriftingLaser() {
  auto& laser =
      FireShot<Set1BulletOrLaser>(*this, kLaserPicture, X + 7, Y + Height - 5, "little_lazer");
  laser.FrameLooped = true;
  laser.FrameSpeed = 2.0;
  // It rides along with the enemy's own motion until it darts.
  laser.DriftX = 2 * speed_x_;
  laser.DriftY = std::sin(phase_) + kLaserSink;
  laser.Age = 0;
  timer_.Fired();
}

void Set1Enemy::FireBullet() {
  FireDownOrAimed<Set1BulletOrLaser>(*this, shot_image_, X + Width / 2.0, Y + Height - 10,
                                     aim_roll_ == kAimedRoll);
  timer_.Fired();
}

void Set1Enemy::FireHomingRocket() {
  auto& rocket =
      FireShot<Set1BulletOrRocket>(*this, kRocketPicture, X + 7, Y + Height - 5, "hero_rocet");
  // The rocket steers itself from its first step and is hit-tested by its box.
  rocket.PixelExact = false;
  rocket.FrameLooped = true;
  rocket.FrameSpeed = 1.0;
  timer_.Fired();
}

}  // namespace zephyrant
