// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_enemy_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The small enemy of levels 29, 30, 31, 33 and 34, and the left-moving
// vertical bars of level 32: spirals, rolling ellipses, laser sweepers and
// homing gunners. The level number picks its flight and fire every step.
class Set5Enemy final : public ImageSprite, public SmallEnemyKind {
 public:
  static constexpr int kShellHitsSurvived = 4;

  explicit Set5Enemy(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int HitCount() const { return hit_count_; }
  double SpeedX() const { return speed_x_; }
  double Radius() const { return radius_; }

 private:
  void InwardSpiral();
  void RollingEllipses();
  void LaserSweepers();
  void VerticalBars();
  void Level33();
  void Level34();
  void DrawOrbitRolls();
  void FireAimedBullet();

  ShotTimer timer_;
  int hit_count_ = 0;
  int aim_roll_ = 0;
  int shot_image_ = 0;
  int orbit_ready_ = 0;
  double speed_x_ = 0;
  double speed_y_ = 0;
  double fire_roll_ = 0;
  double phase_ = 0;
  double center_x_ = 0;
  double radius_ = 0;
  double orbit_angle_ = 0;
};

}  // namespace zephyrant
