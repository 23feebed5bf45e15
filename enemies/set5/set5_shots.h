// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// The homing bullets of levels 33 and 34.
class Set5HomingBullet final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set5HomingBullet(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// The aimed bullets of levels 29 and 30 and the drifting lasers of level 31.
class Set5BulletOrLaser final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set5BulletOrLaser(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

}  // namespace zephyrant
