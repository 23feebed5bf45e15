// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class GameWorld;

// The double cannon on the ship at weapon level 2; every volley replaces it
// with one that plays the firing frames once.
class CannonMount final : public ImageSprite {
 public:
  static constexpr double kIdleFrameSpeed = 0.5;
  static constexpr double kFiringFrameSpeed = 1;
  explicit CannonMount(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The laser cannon at weapon level 3, drawn under the ship.
class LaserMount final : public ImageSprite {
 public:
  explicit LaserMount(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The rocket pods, shown while rockets remain and a ship is in play.
class RocketPods final : public ImageSprite {
 public:
  explicit RocketPods(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// A double cannon on the ship at hero X + 7, hero Y + 5.
CannonMount& CreateCannonMount(GameWorld& world, double frame_speed);
// The laser cannon under the ship at hero X, hero Y - 23.
LaserMount& CreateLaserMount(GameWorld& world);
// The rocket pods at hero X - 6, hero Y + 25 (they settle one pixel to the
// right on their first step).
RocketPods& CreateRocketPods(GameWorld& world);

}  // namespace zephyrant
