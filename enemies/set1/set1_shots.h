// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// Bullets of level 1 and the homing rockets of level 6.
class Set1BulletOrRocket final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set1BulletOrRocket(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// The drifting lasers of level 2 and the bullets of levels 3 and 5.
class Set1BulletOrLaser final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set1BulletOrLaser(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

}  // namespace zephyrant
