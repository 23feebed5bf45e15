// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A pellet of a fan, flying straight along its aim.
class Boss4FanPellet final : public RotatedSprite {
 public:
  static constexpr double kSpeed = 12;

  explicit Boss4FanPellet(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
};

// A charged laser that sounds as it takes its aim.
class Boss4ChargedLaser final : public RotatedSprite {
 public:
  explicit Boss4ChargedLaser(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
  int Age = 0;
};

}  // namespace zephyrant
