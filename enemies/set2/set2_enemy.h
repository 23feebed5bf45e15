// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_enemy_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The small enemy of levels 8 to 13, and the vertical bars of levels 18 and
// 32. The level number picks its flight and its fire every step.
class Set2Enemy final : public ImageSprite, public SmallEnemyKind {
 public:
  static constexpr int kShellHitsSurvived = 3;

  explicit Set2Enemy(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int HitCount() const { return hit_count_; }
  double SpeedX() const { return speed_x_; }
  double SpeedY() const { return speed_y_; }

 private:
  void VerticalBars();
  void Level9();
  void Level10();
  void Level11();
  void Level12();
  void Level13();

  ShotTimer timer_;
  int hit_count_ = 0;
  int aim_roll_ = 0;
  int shot_image_ = 0;
  double speed_x_ = 0;
  double speed_y_ = 0;
  double fire_roll_ = 0;
  double phase_ = 0;
};

}  // namespace zephyrant
