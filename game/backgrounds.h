#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// The star field: stands still under everything else.
class TBackground1 final : public TBackgroundSprite {
 public:
  explicit TBackground1(TSprite* parent);
};

// The cloud layer: drifts down a fixed distance per frame, however late the
// frame is, and repeats endlessly.
class TBackground2 final : public TBackgroundSprite {
 public:
  static constexpr double kDriftPerFrame = 0.38;
  explicit TBackground2(TSprite* parent);
  void MoveStep(int move_count) override;
};

}  // namespace zephyrant
