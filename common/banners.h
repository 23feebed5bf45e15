// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A level banner (`level`, the level's number or `complete`) that drops in
// from the top and may wait on the middle line.
class LevelBanner final : public ImageSprite {
 public:
  static constexpr double kFallSpeed = 15;
  explicit LevelBanner(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The game-over banner: drops to the middle, waits for a key, then falls out
// and leads on to the high-score table.
class GameOverBanner final : public ImageSprite {
 public:
  static constexpr double kFallSpeed = 5;
  explicit GameOverBanner(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The line banners rest on: half a 50-pixel banner above the middle.
inline constexpr int kBannerMiddleLine = 300 - 25;
// Boss hits from this many on keep a new level's banners waiting.
inline constexpr int kBannerHoldBossHits = 25;

}  // namespace zephyrant
