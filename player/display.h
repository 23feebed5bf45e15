#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class MainWindow;

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
void CreateHealthAndScoreLabels(MainWindow& main_window);
// The life icon of lives-index `index`, kept in the life-icon table.
void CreateLifeIcon(MainWindow& main_window, int index);
// Removes the life icon of lives-index `index`, if it is still there.
void KillLifeIcon(MainWindow& main_window, int index);

}  // namespace zephyrant
