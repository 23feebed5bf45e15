// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/bosses/boss_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The boss of the first level set: slow, with homing rockets, a charged
// laser and pairs of falling bolts, each on its own roll.
class Boss1 final : public ImageSprite, public BossKind {
 public:
  static constexpr BossRules kRules{3, 100};

  explicit Boss1(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  const BossFrame& Frame() const { return frame_; }

 private:
  void FireRocket();
  void FireLaser();
  void FireBolts();

  BossFrame frame_;
};

}  // namespace zephyrant
