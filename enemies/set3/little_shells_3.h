#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// The straight-falling bullets of levels 15, 16 and 19.
class TLittleShell3_0 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell3_0(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// The bullets of the level-17 formation, straight down or aimed once.
class TLittleShell3_1 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell3_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

}  // namespace zephyrant
