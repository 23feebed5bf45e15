// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "framework/platform.h"

namespace zephyrant {

// The time the game's timers run on: the machine's clock, except that it
// stands still while the game is paused and goes on from the same moment
// afterwards, so no timer sees the pause.
class GameClock final : public Clock {
 public:
  explicit GameClock(const Clock& machine) : machine_(machine) {}

  uint32_t NowMs() const override { return (stopped_ ? stopped_at_ : machine_.NowMs()) - behind_; }
  uint32_t SeedValue() const override { return machine_.SeedValue(); }

  bool Stopped() const { return stopped_; }
  void Stop() {
    if (stopped_) return;
    stopped_ = true;
    stopped_at_ = machine_.NowMs();
  }
  void Start() {
    if (!stopped_) return;
    stopped_ = false;
    behind_ += machine_.NowMs() - stopped_at_;
  }

 private:
  const Clock& machine_;
  bool stopped_ = false;
  uint32_t stopped_at_ = 0;
  uint32_t behind_ = 0;  // how long the clock has stood still, all told
};

}  // namespace zephyrant
