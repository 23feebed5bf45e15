// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set4/set4_enemy.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "enemies/set4/set4_shots.h"

namespace zephyrant {

namespace {

constexpr SmallEnemyFrame kFrame{2, kBigFrameSpeed, "ExpRocket"};
constexpr double W = kFieldWidth;
constexpr double H = kFieldHeight;
constexpr double kPi = std::numbers::pi;

constexpr int kWanderingMineLevel = 22;
constexpr int kFallingMineLevel = 23;
// The bonus grid of level 27 is armoured: each shell hit counts 0.1.
constexpr int kArmouredLevel = 27;
constexpr double kArmour = 0.9;

// Mines burst this far above the bottom edge.
constexpr double kMineFloor = 10;
// Level 22: mines drifting down, bouncing off walls 5 pixels in.
constexpr int kMineSpeeds = 5;
constexpr double kMineWall = 5;
constexpr double kMineSink = 0.5;
// Level 23: mines falling straight.
constexpr double kMineFall = 2;
// Level 24: three rows swinging a wide arc together.
constexpr double kRowsShift = 4.7;
constexpr double kRowsSwing = 4.5;
constexpr double kRowsSink = 0.1;
constexpr double kRowsTurn = 0.035;
constexpr double kRowsWrap = 20 * kPi;
// Level 25: bouncers, fast between the walls, faster when they bounce.
constexpr int kBouncerStartSpeeds = 10;
constexpr double kBounceSpeed = 10;
constexpr int kBounceExtra = 5;
constexpr double kBouncerSink = 1;
// Level 26: one ring across the whole width, sinking.
constexpr double kRingStartY = -70;
constexpr double kRingSink = 0.5;
constexpr double kRingDepth = 50;
constexpr double kRingTurn = 0.01;
// Level 27: the grid falls.
constexpr double kGridFall = 2;

constexpr int kBulletPictures = 6;
constexpr int kFragmentPictures = 6;
constexpr int kPairRoll = 1;
constexpr int kSingleRoll = 5;
constexpr int kAimedRoll = 1;

}  // namespace

void Set4Enemy::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  CheckFrameRemovals(*this, kFrame);
  switch (WorldOf(*this).State().levelNumber) {
    case kWanderingMineLevel:
      WanderingMines();
      break;
    case kFallingMineLevel:
      FallingMines();
      break;
    case 24:
      SwingingRows();
      break;
    case 25:
      Bouncers();
      break;
    case 26:
      Ring();
      break;
    case kArmouredLevel:
      FallingGrid();
      break;
    default:
      break;
  }
  timer_.Tick();
  CheckHits();
}

void Set4Enemy::OnHit(Sprite& other, bool&) {
  // Once destroyed, the enemy counts for nothing more this step.
  if (Killed()) return;
  GameState& state = WorldOf(*this).State();
  if (IsPlayerShell(other)) {
    hit_count_ += 1.0;
    if (state.levelNumber == kArmouredLevel) hit_count_ -= kArmour;
    if (hit_count_ > kShellHitsSurvived) {
      hit_count_ = 0;
      ShotDown(*this, kFrame.explosion_speed);
      if (IsMine()) Burst(kShotDownFragments);
    }
    state.shellHitFlag = 1;
  }
  // A rocket leaves nothing of a mine to burst.
  if (IsPlayerRocket(other)) BlownUpByRocket(*this);
  if (IsShip(other)) {
    RamsTheShip(*this, kFrame.explosion_speed);
    if (IsMine()) Burst(kBurstFragments);
  }
}

bool Set4Enemy::IsMine() const {
  const int level = WorldOf(*this).State().levelNumber;
  return level == kWanderingMineLevel || level == kFallingMineLevel;
}

void Set4Enemy::WanderingMines() {
  RandomGenerator& random = WorldOf(*this).Random();
  if (speed_x_ == 0) {
    const int first = random(kMineSpeeds);
    const int second = random(kMineSpeeds);
    speed_x_ = first - second;
  }
  if (X >= W - Width - kMineWall) speed_x_ = -(random(kMineSpeeds) + 1);
  if (X <= kMineWall) speed_x_ = random(kMineSpeeds) + 1;
  X += speed_x_;
  Y += kMineSink;
  BurstAtTheBottom();
}

void Set4Enemy::FallingMines() {
  Y += kMineFall;
  BurstAtTheBottom();
}

void Set4Enemy::BurstAtTheBottom() {
  // A mine that reaches the bottom counts as gone, but earns nothing.
  if (Y < H - Height - kMineFloor) return;
  Explode(*this, "ExpRocket", kFrame.explosion_speed);
  Burst(kBurstFragments);
  WorldOf(*this).State().enemiesGone += 1;
  Kill();
}

void Set4Enemy::Burst(int fragments) {
  GameWorld& world = WorldOf(*this);
  const ImageList& pieces = world.Images(Holder::kBoss, "ListSh");
  for (int i = 0; i < fragments; ++i) {
    const int picture = world.Random()(kFragmentPictures);
    auto& fragment = world.Engine().Spawn<MineFragment>();
    fragment.SetImage(pieces.Item(picture));
    fragment.X = X + Width / 2.0;
    fragment.Y = Y + Height / 2.0;
    fragment.PixelExact = true;
    world.PlayEffectSound("little_shell");
  }
}

void Set4Enemy::SwingingRows() {
  // Set-up: the script places three rows beyond the right edge.
  if (X >= W) {
    orbit_angle_ = 0;
    center_y_ = 0;
    if (Y >= Height) center_y_ = Height;
    if (Y >= 2 * Height) center_y_ = 2 * Height;
    center_x_ = X - W + W / kRowsShift;
  }
  center_y_ += kRowsSink;
  X = center_x_ + std::sin(orbit_angle_) * W / kRowsSwing;
  Y = center_y_;
  orbit_angle_ += kRowsTurn;
  if (orbit_angle_ >= kRowsWrap) orbit_angle_ = 0;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(250);
  aim_roll_ = random(2);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kSingleRoll && timer_.Ready(kLongShotGap)) {
    FireDownOrAimed<Set4Bullet>(*this, shot_image_, X + Width / 2.0, Y + Height - 10,
                                aim_roll_ == kAimedRoll);
    timer_.Fired();
  }
}

void Set4Enemy::Bouncers() {
  RandomGenerator& random = WorldOf(*this).Random();
  if (speed_x_ == 0) speed_x_ = random(kBouncerStartSpeeds) + 1;
  // Above the top the walls stand a width further in, so bouncers enter
  // the screen before they swing out again.
  if (Y <= 0) {
    if (X >= W - 2 * Width) speed_x_ = -(kBounceSpeed + random(kBounceExtra));
    if (X <= Width) speed_x_ = kBounceSpeed + random(kBounceExtra);
  }
  if (X >= W - Width) speed_x_ = -(kBounceSpeed + random(kBounceExtra));
  if (X <= 0) speed_x_ = kBounceSpeed + random(kBounceExtra);
  Y += kBouncerSink;
  X += speed_x_;
}

void Set4Enemy::Ring() {
  GameState& state = WorldOf(*this).State();
  // The script stands enemy i at X = i, which spreads the ring evenly over
  // the quota. A quota below 1 never comes from a script; it must not
  // divide by zero all the same.
  if (orbit_ready_ == 0) {
    orbit_angle_ = 2 * kPi * X / std::max(state.levelQuota, 1);
    center_y_ = kRingStartY;
    orbit_ready_ = 1;
  }
  center_y_ += kRingSink;
  X = (W - Width) / 2 * (1 + std::sin(orbit_angle_));
  Y = center_y_ + kRingDepth * std::cos(orbit_angle_);
  orbit_angle_ += kRingTurn;
  if (orbit_angle_ >= 2 * kPi) orbit_angle_ = 0;
  RandomGenerator& random = WorldOf(*this).Random();
  fire_roll_ = random(700);
  aim_roll_ = random(10);
  shot_image_ = random(kBulletPictures);
  if (fire_roll_ == kPairRoll && timer_.Ready(kShortShotGap)) {
    const bool aimed = aim_roll_ == kAimedRoll;
    FireDownOrAimed<Set4Bullet>(*this, shot_image_, X + 5, Y + Height, aimed);
    FireDownOrAimed<Set4Bullet>(*this, shot_image_, X + 35, Y + Height, aimed);
    timer_.Fired();
  }
}

void Set4Enemy::FallingGrid() {
  Y += kGridFall;
}

}  // namespace zephyrant
