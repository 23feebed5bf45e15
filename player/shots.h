// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// A shell or laser bolt: climbs straight up; a boss loses a hit at once, a
// small enemy counts the hit in its own pass.
class ShipShell final : public ImageSprite, public ShipShellKind {
 public:
  explicit ShipShell(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// A rocket: climbs fast, is worth five shells on a boss, and flies on
// through a cluster of small enemies for the rest of the tick it first hits one.
class Rocket final : public ImageSprite, public ShipRocketKind {
 public:
  static constexpr int kBossHits = 5;
  explicit Rocket(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
  int HitCounter() const { return hit_counter_; }

 private:
  int hit_counter_ = 0;
};

}  // namespace zephyrant
