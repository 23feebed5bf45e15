#pragma once

#include "enemies/bosses/boss_frame.h"
#include "enemies/enemy_kinds.h"

namespace zephyrant {

// The last boss: homing rocket pairs, a charged laser from under its hull
// and pairs of falling bolts, one roll a step choosing among them.
class TBoss5 final : public TImageSprite, public BossKind {
 public:
  static constexpr BossRules kRules{3, 300};

  explicit TBoss5(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;

  const BossFrame& Frame() const { return frame_; }

 private:
  void FireRockets();
  void FireLaser();
  void FireBolts();

  BossFrame frame_;
};

}  // namespace zephyrant
