#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A bolt that drops fast to the bottom edge and creeps off it; a falling
// bolt held up by another one it overlaps.
class TBossShell1_0 final : public TImageSprite {
 public:
  static constexpr double kDrop = 15;
  static constexpr double kCreep = 0.5;
  static constexpr double kHeldBack = 9.5;

  explicit TBossShell1_0(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// A homing rocket that speeds up as it descends.
class TBossShell1_1 final : public TImageSpriteEx {
 public:
  explicit TBossShell1_1(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

  int Aim = 0;
};

// A charged laser: charges on the boss, then darts at the ship. Its impact
// flares on the ship itself.
class TBossShell1_2 final : public TImageSpriteEx {
 public:
  explicit TBossShell1_2(TSprite* parent) : TImageSpriteEx(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;

  int Aim = 0;
  int Age = 0;
};

}  // namespace zephyrant
