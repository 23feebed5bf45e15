// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "enemies/bosses/boss_frame.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The boss of the fourth level set: sprays fans of pellets toward the middle
// of the surface from whichever half it is in, and fires a charged laser.
class Boss4 final : public ImageSprite, public BossKind {
 public:
  static constexpr BossRules kRules{3, 250};
  static constexpr int kFanPellets = 11;
  // The first aim of each fan; the fans open 90 degrees from there.
  static constexpr int kLeftwardFan = 60;
  static constexpr int kRightwardFan = 30;

  explicit Boss4(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  const BossFrame& Frame() const { return frame_; }

  // The aim of pellet i of the fan that starts at `first_aim`.
  static int FanAim(int i, int first_aim);

 private:
  void FireFan(double x, int first_aim);
  void FireLaser();

  BossFrame frame_;
};

}  // namespace zephyrant
