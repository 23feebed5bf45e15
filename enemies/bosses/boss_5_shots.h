// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A bolt falling straight down at an even pace.
class Boss5FallingBolt final : public ImageSprite {
 public:
  static constexpr double kFall = 12;

  explicit Boss5FallingBolt(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// A homing rocket at an even pace.
class Boss5HomingRocket final : public RotatedSprite {
 public:
  static constexpr double kSpeed = 12;

  explicit Boss5HomingRocket(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
};

// A charged laser under the hull that whines as it takes its aim.
class Boss5ChargedLaser final : public RotatedSprite {
 public:
  explicit Boss5ChargedLaser(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
  int Age = 0;
};

}  // namespace zephyrant
