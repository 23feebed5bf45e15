// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/bosses/boss_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The last boss: homing rocket pairs, a charged laser from under its hull
// and pairs of falling bolts, one roll a step choosing among them.
class Boss5 final : public ImageSprite, public BossKind {
 public:
  static constexpr BossRules kRules{3, 300};

  explicit Boss5(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  const BossFrame& Frame() const { return frame_; }

 private:
  void FireRockets();
  void FireLaser();
  void FireBolts();

  BossFrame frame_;
};

}  // namespace zephyrant
