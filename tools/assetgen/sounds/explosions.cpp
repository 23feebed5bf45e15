// SPDX-License-Identifier: GPL-3.0-or-later
// The explosions, each its own event so the player can tell them apart by
// ear: the shell's sharp crack on a target, the rocket's deep boom and
// whoosh, the ship breaking up, an enemy shot clanging on the hull, and an
// enemy torn apart in a metallic crunch with its debris clattering after.

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>

#include "tools/assetgen/sounds/sounds.h"
#include "tools/assetgen/sounds/voices.h"

namespace zephyrant::assetgen {

namespace {

// A struck piece of metal: one mode ringing down from the moment of impact.
void AddRing(Track& track, double at, double hz, double life, double level, double pan) {
  AddSweep(track, {.at = at,
                   .from_hz = hz,
                   .to_hz = hz,
                   .life = life,
                   .attack = 0.0004,
                   .level = level,
                   .pan = pan});
}

// A burst of noise through a band, for knocks and clacks.
void AddKnock(Track& track, double at, double hz, double life, double level, double pan,
              uint64_t seed) {
  Random noise(seed);
  Filter band;
  const int start = track.FrameAt(at);
  const int end = std::min(track.Frames(), start + track.FrameAt(life * 12));
  for (int i = start; i < end; ++i) {
    const double t = track.Seconds(i - start);
    const double v = band.Run(noise.Signed(), hz, track.Rate(), 0.4).band;
    track.Add(i, v * 2 * level * Decay(t, life) * Attack(t, 0.0005), pan);
  }
}

// The player's shell bursting on a target: a short sharp crack, a knock
// under it and a few sparks, all over within a fifth of a second.
void ShellImpact(Track& track) {
  Random noise(13);
  Filter left, right;
  const double rate = track.Rate();
  for (int i = 0; i < track.FrameAt(0.5); ++i) {
    const double t = track.Seconds(i);
    const double crack = Decay(t, 0.006) * Attack(t, 0.0004);
    const double sparks = 0.1 * Decay(t, 0.035) * Attack(t, 0.008);
    const double n_left = noise.Signed();
    const double n_right = noise.Signed();
    const double l = left.Run(n_left, 1800, rate, 0.2).high;
    const double r = right.Run(n_right, 1800, rate, 0.2).high;
    track.AddStereo(i, l * (crack + sparks) + n_left * crack * 0.5,
                    r * (crack + sparks) + n_right * crack * 0.5);
  }
  AddSweep(track, {.from_hz = 420, .to_hz = 160, .glide = 0.02, .life = 0.008, .level = 0.6});
}

// The rocket's warhead: a deep boom that falls in pitch, a long low rumble,
// and the whoosh of the blast wave rolling after it, some 5 dB under the
// boom, sweeping across and gone within the second and a half.
void RocketBlast(Track& track) {
  Random noise(53);
  Filter rumble_left, rumble_right, whoosh_left, whoosh_right;
  const double rate = track.Rate();
  double phase = 0;
  for (int i = 0; i < track.Frames(); ++i) {
    const double t = track.Seconds(i);
    phase += (32 + 64 * Decay(t, 0.09)) / rate;
    const double boom = std::tanh(2.5 * Sine(phase)) * Decay(t, 0.1) * Attack(t, 0.004);
    const double rumble = 0.5 * Decay(t, 0.6) * Attack(t, 0.02);
    const double cutoff = 110 + 250 * Decay(t, 0.2);
    const double n_left = noise.Signed(), n_right = noise.Signed();
    const double low_left = rumble_left.Run(n_left, cutoff, rate, 0.3).low * 2.5 * rumble;
    const double low_right = rumble_right.Run(n_right, cutoff, rate, 0.3).low * 2.5 * rumble;
    // The whoosh is at its height at about 0.45 s, opening up as it comes
    // and closing as it passes.
    const auto ts = static_cast<float>(t);
    const double rise = SmoothStep(0.15f, 0.45f, ts) * (1 - SmoothStep(0.45f, 1.5f, ts));
    const double swell = 0.7 * rise;
    const double sweep = 250 + 1000 * rise;
    const double pan = std::clamp(2 * (t - 0.45), -1.0, 1.0) * 0.6;
    const double air_left = whoosh_left.Run(n_left, sweep, rate, 0.6).band * swell * (1 - pan);
    const double air_right = whoosh_right.Run(n_right, sweep, rate, 0.6).band * swell * (1 + pan);
    track.AddStereo(i, boom + low_left + air_left, boom + low_right + air_right);
  }
  AddKnock(track, 0, 1200, 0.01, 0.5, 0, 54);
}

// The ship breaking up: a blast, then two more as the hull gives way.
void ShipBlast(Track& track) {
  Blast b{.crack_hz = 2200,
          .boom_from = 100,
          .boom_to = 28,
          .boom_life = 0.16,
          .rumble_life = 0.45,
          .rumble_hz = 2000,
          .crackle = 0.7,
          .seed = 61};
  AddBlast(track, b);
  b.crack = 0.6;
  b.boom = 0.7;
  b.boom_from = 120;
  b.rumble = 0.6;
  b.rumble_life = 0.3;
  for (const double at : {0.22, 0.5}) {
    b.at = at;
    ++b.seed;
    AddBlast(track, b);
  }
}

// An enemy shot striking the hull: a hard knock, then the plate rings on,
// its two lowest modes beating against their slightly detuned twins.
void HullClang(Track& track) {
  AddKnock(track, 0, 1700, 0.004, 1, 0, 83);
  struct Mode {
    double hz, life, level;
  };
  const Mode modes[] = {{431, 0.24, 0.55},  {434.5, 0.24, 0.4}, {686, 0.2, 0.45},
                        {690, 0.2, 0.3},    {923, 0.17, 0.35},  {1141, 0.12, 0.28},
                        {1552, 0.08, 0.22}, {2203, 0.05, 0.18}};
  for (int k = 0; k < static_cast<int>(std::size(modes)); ++k) {
    AddRing(track, 0, modes[k].hz, modes[k].life, modes[k].level, k % 2 ? 0.3 : -0.3);
  }
}

// An enemy torn apart: a crunch of twisted metal (many tiny grating
// grains), a dull thud under it, then pieces clattering off one by one.
void EnemyKill(Track& track) {
  Random dice(73);
  Random noise(74);
  for (double at = 0; at < 0.16; at += dice.Range(0.002, 0.006)) {
    const double hz = dice.Range(700, 2900);
    const double level =
        dice.Range(0.4, 1) * (1 - SmoothStep(0.08f, 0.16f, static_cast<float>(at)));
    const double pan = dice.Signed() * 0.6;
    const int start = track.FrameAt(at);
    for (int i = start; i < std::min(track.Frames(), start + track.FrameAt(0.03)); ++i) {
      const double t = track.Seconds(i - start);
      const double grain = noise.Signed() * Sine(hz * t) * Decay(t, 0.004) * Attack(t, 0.0005);
      track.Add(i, grain * level * 0.9, pan);
    }
  }
  AddSweep(track, {.from_hz = 120, .to_hz = 50, .glide = 0.08, .life = 0.05, .level = 0.7});
  // The debris: fewer and fainter pieces as time goes on.
  double at = 0.18;
  for (int piece = 0; at < 1.3; ++piece) {
    const double level = 0.75 * std::exp2(-at / 0.45);
    const double pan = dice.Signed() * 0.8;
    AddKnock(track, at, dice.Range(900, 1300), 0.003, level, pan, 75 + piece);
    AddRing(track, at, dice.Range(1200, 3400), dice.Range(0.015, 0.04), level * 0.7, pan);
    AddRing(track, at + 0.001, dice.Range(1800, 3600), 0.012, level * 0.4, -pan);
    at += dice.Range(0.06, 0.17) * (1 + at);
  }
}

}  // namespace

void ExplosionSound(const std::string& name, Track& track) {
  if (name == "hero_shell_exp") return ShellImpact(track);
  if (name == "hero_rocet_exp") return RocketBlast(track);
  if (name == "hero_dead_exp") return ShipBlast(track);
  if (name == "little_shell_exp") return HullClang(track);
  if (name == "little_exp") return EnemyKill(track);
  throw std::logic_error("no explosion called '" + name + "'");
}

}  // namespace zephyrant::assetgen
