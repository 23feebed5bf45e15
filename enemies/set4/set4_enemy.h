// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_enemy_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The small enemy of levels 22 to 27: mines that burst into fragments,
// swinging rows, bouncers, a ring and the armoured bonus grid. The level
// number picks its flight and fire every step.
class Set4Enemy final : public ImageSprite, public SmallEnemyKind {
 public:
  static constexpr double kShellHitsSurvived = 4.0;
  static constexpr int kShotDownFragments = 11;
  static constexpr int kBurstFragments = 10;

  explicit Set4Enemy(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  double HitCount() const { return hit_count_; }
  double SpeedX() const { return speed_x_; }

 private:
  void WanderingMines();
  void FallingMines();
  void SwingingRows();
  void Bouncers();
  void Ring();
  void FallingGrid();
  bool IsMine() const;
  void BurstAtTheBottom();
  void Burst(int fragments);

  ShotTimer timer_;
  double hit_count_ = 0;
  int aim_roll_ = 0;
  int shot_image_ = 0;
  int orbit_ready_ = 0;
  double speed_x_ = 0;
  double fire_roll_ = 0;
  double center_x_ = 0;
  double center_y_ = 0;
  double orbit_angle_ = 0;
};

}  // namespace zephyrant
