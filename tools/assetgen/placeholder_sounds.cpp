#include "tools/assetgen/placeholder_sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "tools/assetgen/placeholder_random.h"

namespace zephyrant::assetgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
constexpr int kChannels = 2;
// Effects stay well below full scale so the placeholders never startle.
constexpr double kEffectLevel = 0.25;

// Sine from plain arithmetic, so every machine writes the same samples
// whatever its maths library does in the last bit.
double Sine(double x) {
  double r = x - std::nearbyint(x / kTwoPi) * kTwoPi;
  if (r > kPi / 2) r = kPi - r;
  if (r < -kPi / 2) r = -kPi - r;
  const double r2 = r * r;
  return r * (1 - r2 / 6 * (1 - r2 / 20 * (1 - r2 / 42 * (1 - r2 / 72 * (1 - r2 / 110)))));
}

double Cosine(double x) {
  return Sine(x + kPi / 2);
}

int64_t FrameCount(const SoundSpec& spec) {
  return std::llround(spec.seconds * spec.sample_rate);
}

WaveData EmptyWave(const SoundSpec& spec) {
  WaveData wave;
  wave.sample_rate = spec.sample_rate;
  wave.bits_per_sample = spec.bits;
  wave.channels = kChannels;
  wave.pcm.reserve(static_cast<size_t>(FrameCount(spec)) * wave.FrameBytes());
  return wave;
}

// Appends one frame, the same on both channels; v runs from -1 to 1.
void AppendFrame(WaveData& wave, double v) {
  v = std::clamp(v, -1.0, 1.0);
  for (int c = 0; c < kChannels; ++c) {
    if (wave.bits_per_sample == 8) {
      wave.pcm.push_back(static_cast<uint8_t>(128 + std::lround(v * 127)));
    } else {
      const auto s = static_cast<uint16_t>(static_cast<int16_t>(std::lround(v * 32767)));
      wave.pcm.push_back(static_cast<uint8_t>(s));
      wave.pcm.push_back(static_cast<uint8_t>(s >> 8));
    }
  }
}

// A one-shot effect: a tone sliding from start_hz to end_hz mixed with
// filtered noise, with a short attack and a decay that reaches silence on
// the last frame.
struct Effect {
  double start_hz = 440;
  double end_hz = 440;
  double noise = 0;        // share of noise in the mix, 0 to 1
  double smoothing = 0.3;  // noise filter: smaller is duller
};

Effect EffectFor(const std::string& name) {
  if (name.find("exp") != std::string::npos) {
    const bool big = name.find("dead") != std::string::npos || name == "little_exp" ||
                     name.find("rocet") != std::string::npos;
    return Effect{120, 40, 0.9, big ? 0.12 : 0.25};
  }
  if (name.find("lazer") != std::string::npos) return Effect{1600, 500, 0.0, 0.3};
  if (name.find("rocet") != std::string::npos) return Effect{300, 150, 0.5, 0.2};
  if (name.find("shell") != std::string::npos) return Effect{900, 250, 0.1, 0.3};
  if (name == "button") return Effect{1000, 1000, 0.0, 0.3};
  if (name == "click") return Effect{700, 500, 0.05, 0.5};
  return Effect{};
}

WaveData EffectSound(const SoundSpec& spec, uint32_t seed) {
  WaveData wave = EmptyWave(spec);
  const Effect effect = EffectFor(spec.name);
  const int64_t frames = FrameCount(spec);
  const double attack = std::min<double>(0.003 * spec.sample_rate, frames / 4.0);
  PlaceholderRandom random(seed);
  double phase = 0;
  double noise = 0;
  for (int64_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / frames;
    const double hz = effect.start_hz + (effect.end_hz - effect.start_hz) * t;
    phase += kTwoPi * hz / spec.sample_rate;
    noise += effect.smoothing * (random.Signed() - noise);
    const double tone = Sine(phase) + 0.3 * Sine(2 * phase);
    const double fade = (1 - t) * (1 - t);
    const double envelope = std::min(1.0, i / attack) * fade;
    const double mix = (1 - effect.noise) * tone / 1.3 + effect.noise * noise * 2;
    AppendFrame(wave, kEffectLevel * envelope * mix);
  }
  return wave;
}

// A looping chord pattern (C, A minor, F, G) with a soft beat. Every note
// makes a whole number of cycles over the sound's length, and every envelope
// repeats with it, so the last frame leads smoothly back into the first.
WaveData LoopedMusic(const SoundSpec& spec) {
  WaveData wave = EmptyWave(spec);
  const int64_t frames = FrameCount(spec);
  const double seconds = static_cast<double>(frames) / spec.sample_rate;
  const double chords[4][4] = {{130.81, 261.63, 329.63, 392.00},
                               {110.00, 220.00, 261.63, 329.63},
                               {87.31, 174.61, 220.00, 261.63},
                               {98.00, 196.00, 246.94, 293.66}};
  double cycles[4][4];
  for (int c = 0; c < 4; ++c) {
    for (int n = 0; n < 4; ++n) cycles[c][n] = std::round(chords[c][n] * seconds);
  }
  constexpr int kBeats = 16;
  constexpr double kCrossfade = 0.1;  // in chords, each side of a change
  for (int64_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / frames;  // 0 to 1 over the loop
    const double position = t * 4;                     // 0 to 4 in chords
    double v = 0;
    for (int c = 0; c < 4; ++c) {
      // Distance from the middle of chord c, around the loop.
      double d = std::abs(position - (c + 0.5));
      d = std::min(d, 4 - d);
      double weight = 0;
      if (d <= 0.5 - kCrossfade) {
        weight = 1;
      } else if (d < 0.5 + kCrossfade) {
        weight = 0.5 + 0.5 * Cosine(kPi * (d - (0.5 - kCrossfade)) / (2 * kCrossfade));
      }
      if (weight == 0) continue;
      for (int n = 0; n < 4; ++n) v += weight * Sine(kTwoPi * cycles[c][n] * t);
    }
    const double beat = 0.6 + 0.4 * (0.5 + 0.5 * Cosine(kTwoPi * kBeats * t));
    AppendFrame(wave, 0.07 * beat * v);
  }
  return wave;
}

}  // namespace

WaveData PlaceholderSound(const SoundListSpec& list, int list_index, int item_index) {
  const SoundSpec& spec = list.items[item_index];
  if (spec.looped) return LoopedMusic(spec);
  return EffectSound(spec, PlaceholderSeed(100 + list_index, item_index));
}

}  // namespace zephyrant::assetgen
