// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/bosses/boss_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The boss of the third level set: wide and slow, dropping bombs that burst
// into pellets near the bottom, and firing bolts aimed at the ship.
class Boss3 final : public ImageSprite, public BossKind {
 public:
  static constexpr BossRules kRules{3, 200};

  explicit Boss3(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  const BossFrame& Frame() const { return frame_; }

 private:
  void DropBombs();
  void FireAimedBolt();

  BossFrame frame_;
};

}  // namespace zephyrant
