#pragma once

#include <string_view>

#include "framework/sprite.h"

namespace zephyrant {

class TForm1;

// A falling pick-up: extra ship, repair, 500 points or rockets. What it gives
// is decided by the bonus kind and the rocket count when it is collected,
// not by its picture.
class TBonus1 final : public TImageSprite {
 public:
  explicit TBonus1(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// A falling double cannon: weapon level 2.
class TCannon1 final : public TImageSprite {
 public:
  explicit TCannon1(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// A falling laser cannon: weapon level 3.
class TCannon3 final : public TImageSprite {
 public:
  explicit TCannon3(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// The pick-up rolls of a shell hit on a small enemy, releasing pick-ups at (x, y).
void RollBonuses(TForm1& form, double x, double y);

// A pick-up of the list `ListBonus` at (x, y), animated as its picture asks.
template <class T>
T& SpawnPickup(TForm1& form, std::string_view picture, double x, double y);

}  // namespace zephyrant
