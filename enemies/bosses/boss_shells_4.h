#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A pellet of a fan, flying straight along its aim.
class TBossShell4_1 final : public TImageSpriteEx {
 public:
  static constexpr double kSpeed = 12;

  explicit TBossShell4_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

  int Aim = 0;
};

// A charged laser that sounds as it takes its aim.
class TBossShell4_2 final : public TImageSpriteEx {
 public:
  explicit TBossShell4_2(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

  int Aim = 0;
  int Age = 0;
};

}  // namespace zephyrant
