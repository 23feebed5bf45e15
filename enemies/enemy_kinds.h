#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// What the player's shots and the pick-ups ask of the sprite they touch.
// Every boss class carries the boss tag and every small-enemy class the
// small-enemy tag, beside its image sprite base.
class BossKind {
 public:
  virtual ~BossKind() = default;
};

class SmallEnemyKind {
 public:
  virtual ~SmallEnemyKind() = default;
};

inline bool IsBoss(const Sprite& sprite) {
  return dynamic_cast<const BossKind*>(&sprite) != nullptr;
}

inline bool IsSmallEnemy(const Sprite& sprite) {
  return dynamic_cast<const SmallEnemyKind*>(&sprite) != nullptr;
}

}  // namespace zephyrant
