// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/frame_timer.h"

#include <algorithm>
#include <cmath>

namespace zephyrant {

void FrameTimer::ResetTimes() {
  last_frame_ = clock_.NowMs();
  last_measure_ = last_frame_;
  frames_since_measure_ = 0;
}

void FrameTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) ResetTimes();
  enabled_ = enabled;
}

void FrameTimer::SetApplicationActive(bool active) {
  if (active && !active_ && enabled_) ResetTimes();
  active_ = active;
}

void FrameTimer::MakeDue() {
  last_frame_ = clock_.NowMs() - static_cast<uint32_t>(Interval);
}

bool FrameTimer::Idle() {
  if (!Running()) return false;
  const uint32_t now = clock_.NowMs();
  const uint32_t elapsed = now - last_frame_;
  if (elapsed < static_cast<uint32_t>(Interval)) return false;
  last_frame_ = now;
  const int lag_count = std::max<int>(1, static_cast<int>(elapsed / Interval));
  ++frames_since_measure_;
  const uint32_t since = now - last_measure_;
  if (since >= 1000) {
    frame_rate_ = static_cast<int>(std::nearbyint(frames_since_measure_ * 1000.0 / since));
    frames_since_measure_ = 0;
    last_measure_ = now;
  }
  if (OnTimer) OnTimer(lag_count);
  return true;
}

int FrameTimer::MsUntilDue() const {
  if (!Running()) return -1;
  const uint32_t elapsed = clock_.NowMs() - last_frame_;
  return elapsed >= static_cast<uint32_t>(Interval) ? 0 : Interval - static_cast<int>(elapsed);
}

void IntervalTimer::SetEnabled(bool enabled) {
  if (enabled && !enabled_) start_ = clock_.NowMs();
  enabled_ = enabled;
}

void IntervalTimer::Tick() {
  if (!enabled_) return;
  const uint32_t now = clock_.NowMs();
  if (now - start_ < static_cast<uint32_t>(Interval)) return;
  start_ = now;
  if (OnTimer) OnTimer();
}

int IntervalTimer::MsUntilDue() const {
  if (!enabled_) return -1;
  const uint32_t elapsed = clock_.NowMs() - start_;
  return elapsed >= static_cast<uint32_t>(Interval) ? 0 : Interval - static_cast<int>(elapsed);
}

}  // namespace zephyrant
