// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/sounds/master.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <vector>

namespace zephyrant::assetgen {

namespace {

constexpr double kLoudestWindow = 0.05;

// A one-pole DC blocker: passes everything but the slowest drift.
class DcBlocker {
 public:
  DcBlocker(double cutoff_hz, double rate) : pole_(std::exp(-kTau * cutoff_hz / rate)) {}
  double Run(double input) {
    out_ = input - last_in_ + pole_ * out_;
    last_in_ = input;
    return out_;
  }

 private:
  double pole_;
  double last_in_ = 0;
  double out_ = 0;
};

void HighPass(Track& track, double cutoff_hz, int settling_passes) {
  DcBlocker left(cutoff_hz, track.Rate()), right(cutoff_hz, track.Rate());
  for (int pass = 0; pass < settling_passes; ++pass) {
    for (int i = 0; i < track.Frames(); ++i) {
      left.Run(track.left[i]);
      right.Run(track.right[i]);
    }
  }
  for (int i = 0; i < track.Frames(); ++i) {
    track.left[i] = left.Run(track.left[i]);
    track.right[i] = right.Run(track.right[i]);
  }
}

// Subtracts a raised-sine bump with the same area as the channel's offset.
void RemoveMean(std::vector<double>& channel) {
  const size_t n = channel.size();
  if (n < 3) return;
  double sum = 0;
  for (const double v : channel) sum += v;
  std::vector<double> window(n);
  double window_sum = 0;
  for (size_t i = 0; i < n; ++i) {
    const double s = std::sin(kTau / 2 * static_cast<double>(i) / static_cast<double>(n - 1));
    window[i] = s * s;
    window_sum += window[i];
  }
  for (size_t i = 0; i < n; ++i) channel[i] -= sum / window_sum * window[i];
}

// The smallest value within `reach` samples either side of each sample.
std::vector<double> SlidingMinimum(const std::vector<double>& values, int reach) {
  const int n = static_cast<int>(values.size());
  std::vector<double> out(values.size());
  std::deque<int> candidates;  // indices whose values rise from front to back
  int next = 0;
  for (int i = 0; i < n; ++i) {
    for (; next < n && next <= i + reach; ++next) {
      while (!candidates.empty() && values[candidates.back()] >= values[next]) {
        candidates.pop_back();
      }
      candidates.push_back(next);
    }
    while (candidates.front() < i - reach) candidates.pop_front();
    out[i] = values[candidates.front()];
  }
  return out;
}

}  // namespace

void RemoveOffset(Track& track, double cutoff_hz) {
  HighPass(track, cutoff_hz, 0);
  RemoveMean(track.left);
  RemoveMean(track.right);
}

void RemoveLoopOffset(Track& track, double cutoff_hz) {
  // A looped signal through a filter that passes no DC comes out with no
  // mean at all once the filter has settled.
  HighPass(track, cutoff_hz, 2);
}

double LoudestRms(const Track& track, double seconds) {
  const int window = std::clamp(track.FrameAt(seconds), 1, std::max(1, track.Frames()));
  double sum = 0, loudest = 0;
  for (int i = 0; i < track.Frames(); ++i) {
    sum += (track.left[i] * track.left[i] + track.right[i] * track.right[i]) / 2;
    if (i >= window) {
      const int j = i - window;
      sum -= (track.left[j] * track.left[j] + track.right[j] * track.right[j]) / 2;
    }
    loudest = std::max(loudest, sum);
  }
  return std::sqrt(std::max(0.0, loudest) / window);
}

void Limit(Track& track, double ceiling) {
  const int n = track.Frames();
  // The gain each sample needs on its own.
  std::vector<double> needed(n);
  for (int i = 0; i < n; ++i) {
    const double peak = std::max(std::fabs(track.left[i]), std::fabs(track.right[i]));
    needed[i] = peak > ceiling ? ceiling / peak : 1;
  }
  // Averaging the minimum over +-reach across the same span keeps every
  // sample under what its own peak needs while the gain ramps over 2 ms.
  const int reach = std::max(1, track.FrameAt(0.001));
  const std::vector<double> held = SlidingMinimum(needed, reach);
  const double release = 1 - std::exp(-1 / (0.02 * track.Rate()));
  double sum = 0;
  double gain = 1;
  for (int i = -reach; i < n; ++i) {
    const int enter = i + reach;
    const int leave = i - reach - 1;
    if (enter < n) sum += held[enter];
    if (leave >= 0) sum -= held[leave];
    if (i < 0) continue;
    const int count = std::min(n - 1, i + reach) - std::max(0, i - reach) + 1;
    gain = std::min(sum / count, gain + (1 - gain) * release);
    track.left[i] = std::clamp(track.left[i] * gain, -ceiling, ceiling);
    track.right[i] = std::clamp(track.right[i] * gain, -ceiling, ceiling);
  }
}

void Master(Track& track, double loudness, double ceiling) {
  // Limiting takes a little loudness back, and on a lopsided wave some of the
  // balance too, so turn up, limit and centre again until the loudest part
  // settles on the aim.
  for (int round = 0; round < 16; ++round) {
    const double rms = LoudestRms(track, kLoudestWindow);
    if (rms <= 0) return;
    const double gain = loudness / rms;
    if (round > 0 && std::fabs(std::log2(gain)) < 0.01) break;
    for (int i = 0; i < track.Frames(); ++i) {
      track.left[i] *= gain;
      track.right[i] *= gain;
    }
    Limit(track, ceiling);
    RemoveOffset(track, kOffsetCutoffHz);
  }
  // Centring can lift a peak a hair over the ceiling.
  double peak = 0;
  for (int i = 0; i < track.Frames(); ++i) {
    peak = std::max({peak, std::fabs(track.left[i]), std::fabs(track.right[i])});
  }
  if (peak > ceiling) track.Normalise(ceiling);
}

}  // namespace zephyrant::assetgen
