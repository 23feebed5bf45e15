// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

class GameWorld;

// The player's ship: reads the controls, keeps to the playfield, fires, and
// runs the game-wide checks for a level's end, victory, destruction and game over.
class Ship final : public ImageSprite, public ShipKind {
 public:
  static constexpr int kFireClockStep = 5;
  static constexpr int kFireGap = 70;  // a volley or rocket pair every 14 steps at most
  static constexpr double kEntryClimb = 3;
  static constexpr double kDestroyingDamage = 10;

  explicit Ship(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  int FireClock() const { return fire_clock_; }
  int LastShotClock() const { return last_shot_clock_; }
  double HorizontalSpeed() const { return speed_x_; }
  double VerticalSpeed() const { return speed_y_; }

 private:
  void CheckLevelEnd();
  void CheckGameWon();
  void PutOutCompleteBanner();
  void CheckDestroyed();
  void CheckGameOver();
  void Steer();
  void Climb();
  void Glide();
  void Fire();

  void FireVolley();
  void FireRockets();

  int fire_clock_ = 0;
  int last_shot_clock_ = 0;
  double speed_x_ = 0;
  double speed_y_ = 0;
};

// An exhaust flame under the ship's left nozzle.
class LeftFlame final : public ImageSprite {
 public:
  explicit LeftFlame(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// An exhaust flame under the ship's right nozzle.
class RightFlame final : public ImageSprite {
 public:
  explicit RightFlame(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// A new ship just below the playfield, with its two flames; hero X and
// hero Y take its position.
void CreateShip(GameWorld& world);

}  // namespace zephyrant
