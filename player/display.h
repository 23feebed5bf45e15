#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class TForm1;

// The health label `live`; the number beside it is drawn as text.
class TLive final : public TImageSprite {
 public:
  explicit TLive(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The score label `scores`; the number beside it is drawn as text.
class TScore final : public TImageSprite {
 public:
  explicit TScore(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// A life icon: one per remaining ship, in a row above the labels.
class TBonus final : public TImageSprite {
 public:
  explicit TBonus(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The health and score labels at the bottom left.
void CreateHealthAndScoreLabels(TForm1& form);
// The life icon of lives-index `index`, kept in the life-icon table.
void CreateLifeIcon(TForm1& form, int index);
// Removes the life icon of lives-index `index`, if it is still there.
void KillLifeIcon(TForm1& form, int index);

}  // namespace zephyrant
