// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "framework/geometry.h"
#include "framework/platform.h"

namespace zephyrant {

// The frame timer: starts a frame once at least `Interval` ms
// have passed since the last one and tells it how many whole intervals passed.
class FrameTimer {
 public:
  explicit FrameTimer(const Clock& clock) : clock_(clock) {}

  int Interval = kFrameIntervalMs;
  bool ActiveOnly = true;
  std::function<void(int lag_count)> OnTimer;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // With ActiveOnly the game freezes while the application is inactive and
  // starts afresh (times reset) when it comes back.
  void SetApplicationActive(bool active);
  bool Running() const { return enabled_ && (active_ || !ActiveOnly); }

  // The next frame is due at once, as if one interval had passed: the game
  // shows its first picture without waiting a whole interval for it.
  void MakeDue();
  // One idle call: runs a frame when one is due. True when it did.
  bool Idle();
  // Milliseconds until the next frame is due (0 when due now); -1 when the
  // timer is not running, so the caller may wait for events alone.
  int MsUntilDue() const;
  int FrameRate() const { return frame_rate_; }

 private:
  void ResetTimes();

  const Clock& clock_;
  bool enabled_ = false;
  bool active_ = true;
  uint32_t last_frame_ = 0;
  uint32_t last_measure_ = 0;
  int frames_since_measure_ = 0;
  int frame_rate_ = 0;
};

// A window-system timer on the game clock, ticked between frames.
// A late tick fires once, not once per missed interval.
class IntervalTimer {
 public:
  IntervalTimer(const Clock& clock, int interval) : Interval(interval), clock_(clock) {}

  int Interval;
  std::function<void()> OnTimer;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Fires OnTimer when an interval has passed since enabling or the last tick.
  void Tick();
  // Milliseconds until the next tick is due; -1 while disabled.
  int MsUntilDue() const;

 private:
  const Clock& clock_;
  bool enabled_ = false;
  uint32_t start_ = 0;
};

}  // namespace zephyrant
