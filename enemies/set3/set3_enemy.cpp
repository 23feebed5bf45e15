// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set3/set3_enemy.h"

#include <cmath>
#include <numbers>

#include "enemies/set3/set3_shots.h"

namespace zephyrant {

namespace {

constexpr SmallEnemyFrame kFrame{2, kBigFrameSpeed, "ExpRocket"};
constexpr double W = kFieldWidth;
constexpr double kPi = std::numbers::pi;
// Orbits wind up to ten turns before they start again.
constexpr double kOrbitWrap = 20 * kPi;

// The bonus grid of level 20 is armoured: each shell hit counts 0.3.
constexpr int kArmouredLevel = 20;
constexpr double kArmour = 0.7;

// Circle and formation centres turn 70 pixels short of the right wall.
constexpr double kCentreRightWall = W - 70;

// Level 15: circles of radius 50 around centres that sweep between the walls.
// The script lines the circlers up in Y one pixel apart, which sets their
// start angles 3.14 apart.
constexpr double kCircleSetUpX = W + 100;
constexpr double kStartSpread = 3.14;
constexpr double kCircleEntrySpeed = 1;
constexpr double kCircleSpeed = 2;
constexpr double kCircleSink = 0.05;
constexpr double kCircleRadius = 50;
constexpr double kCircleTurn = 0.1;
// A circler opens fire once its orbit first passes the bottom of a full turn.
constexpr double kFireWindow = 0.05;
// Level 16: waves between the walls.
constexpr double kWaveSpeed = 3;
constexpr double kWaveSink = 0.01;
constexpr double kWaveStep = 5.5 * kPi / 800;
// Levels 17 and 19: one formation rocking on flat ellipses.
constexpr double kFormationSink = 0.05;
constexpr double kFormationSwingX = 50;
constexpr double kFormationSwingY = 5;
constexpr double kFormationTurn = 0.05;
constexpr double kRowSpreadDivisor = 5;
constexpr double kThreeRowAngles[] = {0.628, 1.378, 2.198};
// Levels 18 and 32: bars crossing the screen, a row lower at every turn.
constexpr double kBarSpeed = 15;
constexpr double kBarRowDrop = 25;
// Level 20: seven rows, each with its own start angle, sinking slowly.
constexpr int kGridRows = 7;
constexpr double kGridFirstAngle = 0.628;
constexpr double kGridRowAngle = 0.5;
constexpr double kGridRowDrop = 10;
constexpr double kGridSink = 0.5;
constexpr double kGridSwingX = 50;
constexpr double kGridSwingY = 10;

constexpr int kBulletPictures = 6;
constexpr int kPairRoll = 1;
constexpr int kSingleRoll = 5;
constexpr int kAimedRoll = 1;

// Two straight-down shots from the enemy's two guns.
template <class Shot>
void FireTwo(ImageSprite& enemy, int picture, double y) {
  FireShot<Shot>(enemy, picture, enemy.X + 5, y, "little_shell");
  FireShot<Shot>(enemy, picture, enemy.X + 35, y, "little_shell");
}

}  // namespace

void Set3Enemy::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  CheckFrameRemovals(*this, kFrame);
  switch (WorldOf(*this).State().levelNumber) {
    case 15:
      Level15();
      break;
    case 16:
      Level16();
      break;
    case 17:
      Level17();
      break;
    case 18:
    case 32:
      RunBarAcross(*this, speed_x_, kBarSpeed, kBarRowDrop);
      break;
    case 19:
      Level19();
      break;
    case 20:
      Level20();
      break;
    default:
      break;
  }
  timer_.Tick();
  CheckHits();
}

void Set3Enemy::OnHit(Sprite& other, bool&) {
  // Once destroyed, the enemy counts for nothing more this step.
  if (Killed()) return;
  GameState& state = WorldOf(*this).State();
  if (IsPlayerShell(other)) {
    // Counted on a double, 1 up and 0.7 back in the armoured level: the sum
    // stays a hair under 3 after ten hits, so the eleventh destroys.
    hit_count_ += 1.0;
    if (state.levelNumber == kArmouredLevel) hit_count_ -= kArmour;
    if (hit_count_ > kShellHitsSurvived) {
      hit_count_ = 0;
      ShotDown(*this, kFrame.explosion_speed);
    }
    state.shellHitFlag = 1;
  }
  if (IsPlayerRocket(other)) BlownUpByRocket(*this);
  if (IsShip(other)) RamsTheShip(*this, kFrame.explosion_speed);
}

void Set3Enemy::Level15() {
  // Set-up: these hold only where the script places the circlers.
  if (X >= kCircleSetUpX) orbit_angle_ = kStartSpread * Y;
  if (X >= W) {
    speed_x_ = kCircleEntrySpeed;
    center_x_ = X - 2 * W;
  }
  if (center_x_ >= kCentreRightWall) speed_x_ = -kCircleSpeed;
  if (center_x_ <= 0) speed_x_ = kCircleSpeed;
  center_x_ += speed_x_;
  center_y_ += kCircleSink;
  X = center_x_ + kCircleRadius * std::sin(orbit_angle_);
  Y = center_y_ + kCircleRadius + kCircleRadius * std::cos(orbit_angle_);
  if (orbit_angle_ >= 2 * kPi - kFireWindow && orbit_angle_ <= 2 * kPi + kFireWindow) {
    fire_roll_ = kPairRoll;
  }
  shot_image_ = WorldOf(*this).Random()(kBulletPictures);
  orbit_angle_ += kCircleTurn;
  if (orbit_angle_ >= kOrbitWrap) orbit_angle_ = 0;
  if (fire_roll_ == kPairRoll && timer_.Ready(kLongShotGap)) {
    FireTwo<Set3FallingBullet>(*this, shot_image_, Y + Height - 10);
    timer_.Fired();
  }
}

void Set3Enemy::Level16() {
  EndLevelBelowBottom(*this);
  if (X >= W - Width) {
    speed_x_ = -kWaveSpeed;
    phase_ = 0;
  }
  if (X <= 0) {
    speed_x_ = kWaveSpeed;
    phase_ = 0;
  }
  X += speed_x_;
  Y += std::sin(phase_) + kWaveSink;
  phase_ += kWaveStep;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(150);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kPairRoll && timer_.Ready(kLongShotGap)) {
    FireTwo<Set3FallingBullet>(*this, shot_image_, Y + Height - 10);
    timer_.Fired();
  }
}

void Set3Enemy::Level17() {
  EndLevelBelowBottom(*this);
  // Set-up: the script places two rows beyond the right edge, one pixel
  // apart in Y within a row, which spreads their start angles.
  if (X >= W) {
    orbit_angle_ = kStartSpread * Y / kRowSpreadDivisor + 1;
    center_y_ = 0;
    if (Y >= Height) {
      orbit_angle_ = (Y - Height) * kStartSpread / kRowSpreadDivisor;
      center_y_ = Height;
    }
    WorldOf(*this).State().formationSpeed = 1;
    center_x_ = X - W;
  }
  FlyInFormation();
  DrawFormationRolls();
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) {
    const bool aimed = aim_roll_ == kAimedRoll;
    FireDownOrAimed<Set3FormationBullet>(*this, shot_image_, X + 5, Y + Height - 10, aimed);
    FireDownOrAimed<Set3FormationBullet>(*this, shot_image_, X + 35, Y + Height - 10, aimed);
    timer_.Fired();
  }
}

void Set3Enemy::Level19() {
  // Set-up of three rows placed beyond the right edge, each row on its own
  // start angle.
  if (X >= W) {
    orbit_angle_ = kThreeRowAngles[0];
    center_y_ = 0;
    if (Y >= Height) {
      orbit_angle_ = kThreeRowAngles[1];
      center_y_ = Height;
    }
    if (Y >= 2 * Height) {
      orbit_angle_ = kThreeRowAngles[2];
      center_y_ = 2 * Height;
    }
    WorldOf(*this).State().formationSpeed = 1;
    center_x_ = X - W;
  }
  FlyInFormation();
  DrawFormationRolls();
  if (fire_roll_ == kPairRoll && timer_.Ready(kShortShotGap)) {
    FireTwo<Set3FallingBullet>(*this, shot_image_, Y + Height);
    timer_.Fired();
  }
}

void Set3Enemy::Level20() {
  // Each row sets itself up where the script stands it, k heights down.
  for (int row = 0; row < kGridRows; ++row) {
    if (Y == row * Height) {
      orbit_angle_ = kGridFirstAngle + kGridRowAngle * row;
      center_y_ = row * Height + kGridRowDrop;
      center_x_ = X;
    }
  }
  center_y_ += kGridSink;
  X = center_x_ + kGridSwingX * std::sin(orbit_angle_);
  Y = center_y_ + kGridSwingY * std::cos(orbit_angle_);
  orbit_angle_ += kFormationTurn;
  if (orbit_angle_ >= kOrbitWrap) orbit_angle_ = 0;
}

void Set3Enemy::FlyInFormation() {
  // One speed for the whole formation: the first centre to reach a wall
  // turns everyone, those already moved this step from the next one.
  double& speed = WorldOf(*this).State().formationSpeed;
  if (center_x_ >= kCentreRightWall) speed = -1;
  if (center_x_ <= 0) speed = 1;
  center_x_ += speed;
  center_y_ += kFormationSink;
  X = center_x_ + kFormationSwingX * std::sin(orbit_angle_);
  Y = center_y_ + kFormationSwingY * std::cos(orbit_angle_);
  orbit_angle_ += kFormationTurn;
  if (orbit_angle_ >= kOrbitWrap) orbit_angle_ = 0;
}

void Set3Enemy::DrawFormationRolls() {
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(2);
  shot_image_ = random(kBulletPictures);
}

}  // namespace zephyrant
