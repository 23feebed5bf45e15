// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// The falling bullets of level 9, the drifting balls of level 11 and the
// aimed bullets of level 12.
class Set2Bullet final : public RotatedSprite, public SmallShotCourse {
 public:
  explicit Set2Bullet(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// The homing laser of level 10.
class Set2HomingLaser final : public RotatedSprite, public SmallShotCourse {
 public:
  static constexpr int kWarningAge = 25;

  explicit Set2HomingLaser(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

 private:
  void DriftThenHome();
};

}  // namespace zephyrant
