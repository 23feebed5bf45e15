// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class GameWorld;

// The health label `live`; the number beside it is drawn as text.
class HealthLabel final : public ImageSprite {
 public:
  explicit HealthLabel(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The score label `scores`; the number beside it is drawn as text.
class ScoreLabel final : public ImageSprite {
 public:
  explicit ScoreLabel(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// A life icon: one per remaining ship, in a row above the labels.
class LifeIcon final : public ImageSprite {
 public:
  explicit LifeIcon(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The health and score labels at the bottom left.
void CreateHealthAndScoreLabels(GameWorld& world);
// The life icon of lives-index `index`, kept in the life-icon table.
void CreateLifeIcon(GameWorld& world, int index);
// Removes the life icon of lives-index `index`, if it is still there.
void KillLifeIcon(GameWorld& world, int index);

}  // namespace zephyrant
