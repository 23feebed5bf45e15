// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_enemy_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The small enemy of levels 1 to 6. It carries no kind of its own: the level
// number picks its flight and its fire every step.
class Set1Enemy final : public ImageSprite, public SmallEnemyKind {
 public:
  static constexpr int kShellHitsSurvived = 3;

  explicit Set1Enemy(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int HitCount() const { return hit_count_; }
  double SpeedX() const { return speed_x_; }

 private:
  void Level1();
  void Level2();
  void Level3();
  void Level4();
  void Level5();
  void Level6();
  void FireBulletPair();
  void FireDriftingLaser();
  void FireBullet();
  void FireHomingRocket();

  ShotTimer timer_;
  int hit_count_ = 0;
  int aim_roll_ = 0;
  int shot_image_ = 0;
  double speed_x_ = 0;
  double fire_roll_ = 0;
  double phase_ = 0;
};

}  // namespace zephyrant
