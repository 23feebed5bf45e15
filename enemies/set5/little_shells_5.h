#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// The homing bullets of levels 33 and 34.
class TLittleShell5_0 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell5_0(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// The aimed bullets of levels 29 and 30 and the drifting lasers of level 31.
class TLittleShell5_1 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell5_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

}  // namespace zephyrant
