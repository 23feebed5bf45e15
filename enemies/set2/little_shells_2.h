#pragma once

#include "enemies/small_shot_frame.h"

namespace zephyrant {

// The falling bullets of level 9, the drifting balls of level 11 and the
// aimed bullets of level 12.
class TLittleShell2_0 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  explicit TLittleShell2_0(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// The homing laser of level 10.
class TLittleShell2_1 final : public TImageSpriteEx, public SmallShotCourse {
 public:
  static constexpr int kWarningAge = 25;

  explicit TLittleShell2_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

 private:
  void DriftThenHome();
};

}  // namespace zephyrant
