// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A bolt that drops fast to the bottom edge and creeps off it; a falling
// bolt held up by another one it overlaps.
class Boss1FallingBolt final : public ImageSprite {
 public:
  static constexpr double kDrop = 15;
  static constexpr double kCreep = 0.5;
  static constexpr double kHeldBack = 9.5;

  explicit Boss1FallingBolt(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// A homing rocket that speeds up as it descends.
class Boss1HomingRocket final : public RotatedSprite {
 public:
  explicit Boss1HomingRocket(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
};

// A charged laser: charges on the boss, then darts at the ship. Its impact
// flares on the ship itself.
class Boss1ChargedLaser final : public RotatedSprite {
 public:
  explicit Boss1ChargedLaser(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
  int Age = 0;
};

}  // namespace zephyrant
