// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace zephyrant::assetgen {

namespace {

// The correction that takes the step out of a naive saw or square at its
// jumps (a polynomial band-limited step).
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

double Wrap01(double v) {
  return v - std::floor(v);
}

}  // namespace

Track::Track(int rate, double seconds) : rate_(rate) {
  const size_t frames = static_cast<size_t>(std::llround(seconds * rate));
  left.assign(frames, 0);
  right.assign(frames, 0);
}

int Track::FrameAt(double seconds) const {
  return static_cast<int>(std::llround(seconds * rate_));
}

void Track::Add(int frame, double value, double pan) {
  if (frame < 0 || frame >= Frames()) return;
  const double angle = (std::clamp(pan, -1.0, 1.0) + 1) * kTau / 8;
  left[frame] += value * std::cos(angle) * std::sqrt(2.0);
  right[frame] += value * std::sin(angle) * std::sqrt(2.0);
}

void Track::AddStereo(int frame, double left_value, double right_value) {
  if (frame < 0 || frame >= Frames()) return;
  left[frame] += left_value;
  right[frame] += right_value;
}

void Track::Normalise(double peak) {
  double loudest = 1e-9;
  for (size_t i = 0; i < left.size(); ++i) {
    loudest = std::max({loudest, std::fabs(left[i]), std::fabs(right[i])});
  }
  const double gain = peak / loudest;
  for (size_t i = 0; i < left.size(); ++i) {
    left[i] *= gain;
    right[i] *= gain;
  }
}

void Track::Saturate(double drive) {
  const double norm = std::tanh(drive);
  for (size_t i = 0; i < left.size(); ++i) {
    left[i] = std::tanh(left[i] * drive) / norm;
    right[i] = std::tanh(right[i] * drive) / norm;
  }
}

void Track::FadeEnds(double seconds) {
  const int n = std::min(FrameAt(seconds), Frames() / 2);
  for (int i = 0; i < n; ++i) {
    const double g = static_cast<double>(i) / n;
    left[i] *= g;
    right[i] *= g;
    left[Frames() - 1 - i] *= g;
    right[Frames() - 1 - i] *= g;
  }
}

double Sine(double phase) {
  return std::sin(kTau * phase);
}

double Saw(double phase, double step) {
  phase = Wrap01(phase);
  return 2 * phase - 1 - PolyBlep(phase, step);
}

double Square(double phase, double step, double width) {
  phase = Wrap01(phase);
  double v = phase < width ? 1 : -1;
  v += PolyBlep(phase, step);
  v -= PolyBlep(Wrap01(phase - width + 1), step);
  return v;
}

double Triangle(double phase) {
  phase = Wrap01(phase);
  return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
}

Filter::Out Filter::Run(double input, double cutoff_hz, double rate, double resonance) {
  const double f = 2 * std::sin(kTau / 2 * std::min(cutoff_hz, rate / 6) / rate);
  const double damping = 2 * (1 - std::clamp(resonance, 0.0, 0.97));
  // Two passes per sample keep the filter stable near its top frequency.
  Out out{};
  for (int pass = 0; pass < 2; ++pass) {
    low_ += f / 2 * band_;
    const double high = input - low_ - damping * band_;
    band_ += f / 2 * high;
    out = {low_, band_, high};
  }
  return out;
}

double Smooth::Run(double input, double cutoff_hz, double rate) {
  const double a = 1 - std::exp(-kTau * cutoff_hz / rate);
  state_ += a * (input - state_);
  return state_;
}

double Decay(double t, double half_life) {
  return t < 0 ? 0 : std::exp2(-t / half_life);
}

double Attack(double t, double rise) {
  return t <= 0 ? 0 : t >= rise ? 1 : t / rise;
}

double Gate(double t, double attack, double length, double release) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  if (t < length) return 1;
  return std::max(0.0, 1 - (t - length) / release);
}

double NoteHz(double note) {
  return 440.0 * std::exp2((note - 69) / 12);
}

WaveData ToWave(const Track& track, int bits, uint64_t dither_seed) {
  Random dither(dither_seed);
  WaveData wave;
  wave.sample_rate = track.Rate();
  wave.bits_per_sample = bits;
  wave.channels = 2;
  wave.pcm.reserve(static_cast<size_t>(track.Frames()) * wave.FrameBytes());
  const double full = bits == 8 ? 127.0 : 32767.0;
  for (int i = 0; i < track.Frames(); ++i) {
    for (const double v : {track.left[i], track.right[i]}) {
      const double noise = (dither.Unit() - dither.Unit()) * (bits == 8 ? 0.5 : 1.0);
      const long s = std::clamp(std::lround(v * full + noise), -static_cast<long>(full),
                                static_cast<long>(full));
      if (bits == 8) {
        wave.pcm.push_back(static_cast<uint8_t>(128 + s));
      } else {
        const auto u = static_cast<uint16_t>(static_cast<int16_t>(s));
        wave.pcm.push_back(static_cast<uint8_t>(u));
        wave.pcm.push_back(static_cast<uint8_t>(u >> 8));
      }
    }
  }
  return wave;
}

}  // namespace zephyrant::assetgen
