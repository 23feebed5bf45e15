// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// The straight-falling bullets of levels 15, 16 and 19.
class Set3FallingBullet final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set3FallingBullet(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// The bullets of the level-17 formation, straight down or aimed once.
class Set3FormationBullet final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set3FormationBullet(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

}  // namespace zephyrant
