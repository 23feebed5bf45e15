// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// What a sprite asks of another it touches, without knowing its class: every
// boss class carries the boss tag, every small-enemy class the small-enemy
// tag, the ship and its shells and rockets theirs, beside their image sprite
// base.
class BossKind {
 public:
  virtual ~BossKind() = default;
};

class SmallEnemyKind {
 public:
  virtual ~SmallEnemyKind() = default;
};

class ShipKind {
 public:
  virtual ~ShipKind() = default;
};

class ShipShellKind {
 public:
  virtual ~ShipShellKind() = default;
};

class ShipRocketKind {
 public:
  virtual ~ShipRocketKind() = default;
};

inline bool IsBoss(const Sprite& sprite) {
  return dynamic_cast<const BossKind*>(&sprite) != nullptr;
}

inline bool IsSmallEnemy(const Sprite& sprite) {
  return dynamic_cast<const SmallEnemyKind*>(&sprite) != nullptr;
}

// The player's ship: what pick-ups and enemy shots react to.
inline bool IsShip(const Sprite& sprite) {
  return dynamic_cast<const ShipKind*>(&sprite) != nullptr;
}

inline bool IsPlayerShell(const Sprite& sprite) {
  return dynamic_cast<const ShipShellKind*>(&sprite) != nullptr;
}

inline bool IsPlayerRocket(const Sprite& sprite) {
  return dynamic_cast<const ShipRocketKind*>(&sprite) != nullptr;
}

}  // namespace zephyrant
