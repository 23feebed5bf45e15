#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// A fragment of a mine of levels 22 and 23, or a pellet of the boss's bomb in
// level 21, flying off in a random direction.
class TLittleShell4_0 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell4_0(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// The bullets of levels 24 and 26, straight down or aimed once.
class TLittleShell4_1 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell4_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

}  // namespace zephyrant
