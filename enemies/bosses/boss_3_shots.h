// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A bomb that falls to just above the bottom edge, or onto the ship, and
// bursts into a spray of pellets.
class Boss3Bomb final : public RotatedSprite {
 public:
  static constexpr double kFall = 10;
  static constexpr double kBurstHeight = 70;  // above the bottom edge
  static constexpr int kPellets = 16;

  explicit Boss3Bomb(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

 private:
  void Burst();
};

// A bolt flying straight along the aim it was fired with. It starts drawn
// above the boss and sinks to the common depth once clear of it.
class Boss3AimedBolt final : public RotatedSprite {
 public:
  static constexpr double kSpeed = 15;
  static constexpr double kClearOfBoss = 150;

  explicit Boss3AimedBolt(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
};

}  // namespace zephyrant
