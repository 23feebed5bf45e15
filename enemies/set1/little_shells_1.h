#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// Bullets of level 1 and the homing rockets of level 6.
class TLittleShell1_0 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell1_0(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// The drifting lasers of level 2 and the bullets of levels 3 and 5.
class TLittleShell1_1 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell1_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

}  // namespace zephyrant
