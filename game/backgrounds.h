// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// The star field: stands still under everything else.
class StarField final : public BackgroundSprite {
 public:
  explicit StarField(Sprite* parent);
};

// The cloud layer: drifts down a fixed distance per frame, however late the
// frame is, and repeats endlessly.
class CloudLayer final : public BackgroundSprite {
 public:
  static constexpr double kDriftPerFrame = 0.38;
  explicit CloudLayer(Sprite* parent);
  void MoveStep(int move_count) override;
};

}  // namespace zephyrant
