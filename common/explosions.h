// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "framework/sprite.h"

namespace zephyrant {

class GameWorld;

// The impact of a shell, or of an enemy shot on the ship: 30 steps.
class ShellImpact final : public ImageSprite {
 public:
  static constexpr int kLifetime = 30;
  explicit ShellImpact(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

 private:
  int steps_ = 0;
};

// The impact of a rocket: 30 steps.
class RocketImpact final : public ImageSprite {
 public:
  static constexpr int kLifetime = 30;
  explicit RocketImpact(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

 private:
  int steps_ = 0;
};

// The large explosion of a ship, a small enemy or a boss. Every one alive
// counts on the one shared explosion counter; the step that brings it to
// 35 removes that explosion and starts the count again.
class Explosion final : public ImageSprite {
 public:
  static constexpr int kCounterLimit = 35;
  explicit Explosion(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// An explosion of the explosion list's picture `image`, played once at
// `frame_speed`.
template <class T>
T& SpawnExplosion(GameWorld& world, std::string_view image, double x, double y, int z,
                  double frame_speed);

}  // namespace zephyrant
