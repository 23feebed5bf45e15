#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class TForm1;

// The double cannon on the ship at weapon level 2; every volley replaces it
// with one that plays the firing frames once.
class TCannon final : public TImageSprite {
 public:
  static constexpr double kIdleFrameSpeed = 0.5;
  static constexpr double kFiringFrameSpeed = 1;
  explicit TCannon(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The laser cannon at weapon level 3, drawn under the ship.
class TCannon2 final : public TImageSprite {
 public:
  explicit TCannon2(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The rocket pods, shown while rockets remain and a ship is in play.
class TRocet1 final : public TImageSprite {
 public:
  explicit TRocet1(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// A double cannon on the ship at hero X + 7, hero Y + 5.
TCannon& CreateCannonMount(TForm1& form, double frame_speed);
// The laser cannon under the ship at hero X, hero Y - 23.
TCannon2& CreateLaserMount(TForm1& form);
// The rocket pods at hero X - 6, hero Y + 25 (they settle one pixel to the
// right on their first step).
TRocet1& CreateRocketPods(TForm1& form);

}  // namespace zephyrant
