// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// A fragment of a mine of levels 22 and 23, or a pellet of the boss's bomb in
// level 21, flying off in a random direction.
class MineFragment final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit MineFragment(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// The bullets of levels 24 and 26, straight down or aimed once.
class Set4Bullet final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set4Bullet(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

}  // namespace zephyrant
