// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/sounds/sounds.h"

#include <stdexcept>

#include "tools/assetgen/sounds/master.h"

namespace zephyrant::assetgen {

namespace {

// The effects play far below full scale in the game (tens of decibels down,
// enemy sounds well under the music), so every file carries its own weight:
// each is mastered to the same loudness over its loudest 50 ms, with its
// peaks held a decibel under full scale.
constexpr double kEffectLoudness = 0.35;  // about -9 dBFS RMS
constexpr double kCeiling = 0.89;         // about -1 dBFS

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
    RemoveLoopOffset(track, kOffsetCutoffHz);
    track.Normalise(kCeiling);
    return ToWave(track, spec.bits, SeedOf(spec.name));
  }
  const bool menu = spec.name == "button" || spec.name == "click";
  const bool explosion =
      spec.name.size() > 4 && spec.name.compare(spec.name.size() - 4, 4, "_exp") == 0;
  if (menu) {
    MenuSound(spec.name, track);
  } else if (explosion) {
    ExplosionSound(spec.name, track);
  } else if (spec.name.rfind("hero_", 0) == 0) {
    ShipSound(spec.name, track);
  } else if (spec.name.rfind("little_", 0) == 0) {
    EnemySound(spec.name, track);
  } else {
    throw std::logic_error("no sound called '" + spec.name + "'");
  }
  // Fading first lets the finish centre the sound as it will be heard; the
  // second fade catches what centring left at the very ends.
  const double fade = menu ? 0.002 : 0.004;
  track.FadeEnds(fade);
  // The menu's ticks are light by nature and stay so; the effects of play
  // must carry under the music.
  if (menu) {
    RemoveOffset(track, kOffsetCutoffHz);
    track.Normalise(kCeiling);
  } else {
    Master(track, kEffectLoudness, kCeiling);
  }
  track.FadeEnds(fade);
  return ToWave(track, spec.bits, SeedOf(spec.name));
}

}  // namespace zephyrant::assetgen
