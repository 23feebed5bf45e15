#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A bolt falling straight down at an even pace.
class TBossShell5_0 final : public TImageSprite {
 public:
  static constexpr double kFall = 12;

  explicit TBossShell5_0(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// A homing rocket at an even pace.
class TBossShell5_1 final : public TImageSpriteEx {
 public:
  static constexpr double kSpeed = 12;

  explicit TBossShell5_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

  int Aim = 0;
};

// A charged laser under the hull that whines as it takes its aim.
class TBossShell5_2 final : public TImageSpriteEx {
 public:
  explicit TBossShell5_2(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

  int Aim = 0;
  int Age = 0;
};

}  // namespace zephyrant
