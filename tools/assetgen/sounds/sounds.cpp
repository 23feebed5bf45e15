// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/sounds/sounds.h"

#include <stdexcept>

namespace zephyrant::assetgen {

namespace {

// The effects play far below full scale in the game (tens of decibels down),
// so each file is made as loud as it can be without clipping.
constexpr double kEffectPeak = 0.95;

uint64_t SeedOf(const std::string& name) {
  uint64_t h = 1469598103934665603ull;
  for (const char c : name) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  return h;
}

}  // namespace

WaveData MakeSound(const SoundSpec& spec) {
  Track track(spec.sample_rate, spec.seconds);
  if (spec.name == "music1") {
    Music(track);
  } else if (spec.name == "button" || spec.name == "click") {
    MenuSound(spec.name, track);
    track.Normalise(kEffectPeak);
    track.FadeEnds(0.002);
  } else if (spec.name.rfind("hero_", 0) == 0) {
    ShipSound(spec.name, track);
    track.Normalise(kEffectPeak);
    track.FadeEnds(0.004);
  } else if (spec.name.rfind("little_", 0) == 0) {
    EnemySound(spec.name, track);
    track.Normalise(kEffectPeak);
    track.FadeEnds(0.004);
  } else {
    throw std::logic_error("no sound called '" + spec.name + "'");
  }
  return ToWave(track, spec.bits, SeedOf(spec.name));
}

}  // namespace zephyrant::assetgen
