// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/bosses/boss_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The boss of the second level set: quick on its feet, with rocket pairs
// thrown along its drift and a beam laid toward the ship.
class Boss2 final : public ImageSprite, public BossKind {
 public:
  static constexpr BossRules kRules{5, 150};

  explicit Boss2(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  const BossFrame& Frame() const { return frame_; }

 private:
  void FireRockets();
  void FireBeam();

  BossFrame frame_;
};

}  // namespace zephyrant
