// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "framework/sprite.h"

namespace zephyrant {

class GameWorld;

// A falling pick-up: extra ship, repair, 500 points or rockets. What it gives
// is decided by the bonus kind and the rocket count when it is collected,
// not by its picture.
class BonusPickup final : public ImageSprite {
 public:
  explicit BonusPickup(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// A falling double cannon: weapon level 2.
class CannonPickup final : public ImageSprite {
 public:
  explicit CannonPickup(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// A falling laser cannon: weapon level 3.
class LaserPickup final : public ImageSprite {
 public:
  explicit LaserPickup(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

// The pick-up rolls of a shell hit on a small enemy, releasing pick-ups at (x, y).
void RollBonuses(GameWorld& world, double x, double y);

// A pick-up of the list `ListBonus` at (x, y), animated as its picture asks.
template <class T>
T& SpawnPickup(GameWorld& world, std::string_view picture, double x, double y);

}  // namespace zephyrant
