// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_enemy_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The small enemy of levels 15, 16, 17, 19 and 20, and the horizontal bars
// of levels 18 and 32: circlers, a formation sharing one sideways speed, and
// the bonus grid. The level number picks its flight and fire every step.
class Set3Enemy final : public ImageSprite, public SmallEnemyKind {
 public:
  static constexpr double kShellHitsSurvived = 3.0;

  explicit Set3Enemy(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  double HitCount() const { return hit_count_; }
  double OrbitAngle() const { return orbit_angle_; }
  double CenterX() const { return center_x_; }
  double CenterY() const { return center_y_; }

 private:
  void Level15();
  void Level16();
  void Level17();
  void Level19();
  void Level20();
  void FlyInFormation();
  void DrawFormationRolls();
  void FirePair(double below, bool aimed);

  ShotTimer timer_;
  double hit_count_ = 0;
  int aim_roll_ = 0;
  int shot_image_ = 0;
  double speed_x_ = 0;
  double fire_roll_ = 0;
  double phase_ = 0;
  double center_x_ = 0;
  double center_y_ = 0;
  double orbit_angle_ = 0;
};

}  // namespace zephyrant
