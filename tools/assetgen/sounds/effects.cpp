// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects of play: the player's shell, laser and rocket, the
// enemies' shots and laser, and the explosions in three weights.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/assetgen/sounds/sounds.h"

namespace zephyrant::assetgen {

namespace {

// An explosion: a bright crack, a falling thump, a rumble that darkens as it
// dies, and debris crackling in the tail.
struct Blast {
  double at = 0;           // start, seconds
  double crack = 1;        // level of the opening noise burst
  double crack_hz = 4000;  // its brightness
  double boom = 1;         // level of the thump
  double boom_from = 140;  // thump pitch, start and end
  double boom_to = 40;
  double boom_life = 0.08;   // half-life of the thump
  double rumble = 1;         // level of the noise body
  double rumble_life = 0.3;  // its half-life
  double rumble_hz = 1800;   // its opening brightness
  double crackle = 0.3;      // debris clicks
  double width = 0.5;        // stereo spread of the rumble
  uint64_t seed = 1;
};

void AddBlast(Track& track, const Blast& b) {
  Random noise(b.seed);
  Filter left_filter, right_filter, crack_filter;
  const int start = track.FrameAt(b.at);
  double boom_phase = 0;
  const double rate = track.Rate();
  for (int i = start; i < track.Frames(); ++i) {
    const double t = (i - start) / rate;
    const double n_left = noise.Signed();
    const double n_right = noise.Signed() * b.width + n_left * (1 - b.width);
    // Crack: the first few milliseconds, bright and sharp.
    const double crack_level = b.crack * Decay(t, 0.012) * Attack(t, 0.001);
    const double crack = crack_filter.Run(n_left, b.crack_hz, rate, 0.2).band * crack_level * 2.2;
    // Thump: a sine sliding down in pitch.
    const double hz = b.boom_to + (b.boom_from - b.boom_to) * Decay(t, b.boom_life * 0.7);
    boom_phase += hz / rate;
    const double boom =
        std::tanh(1.8 * Sine(boom_phase)) * b.boom * Decay(t, b.boom_life) * Attack(t, 0.003);
    // Rumble: noise whose brightness falls with its level.
    const double level = b.rumble * Decay(t, b.rumble_life) * Attack(t, 0.006);
    const double cutoff = 120 + b.rumble_hz * Decay(t, b.rumble_life * 0.8);
    const double rumble_left = left_filter.Run(n_left, cutoff, rate, 0.35).low * level * 1.6;
    const double rumble_right = right_filter.Run(n_right, cutoff, rate, 0.35).low * level * 1.6;
    // Debris: sparse clicks that thin out.
    double debris = 0;
    if (noise.Unit() < 0.004 * Decay(t, b.rumble_life * 1.5) && t > 0.03) {
      debris = noise.Signed() * b.crackle;
    }
    const double centre = crack + boom;
    track.AddStereo(i, centre + rumble_left + debris * 0.7, centre + rumble_right + debris * 0.5);
  }
}

// A tone sliding from one pitch to another: `shape` 0 sine, 1 triangle,
// 2 square, 3 saw.
struct Sweep {
  double at = 0;
  double from_hz = 1000;
  double to_hz = 200;
  double glide = 0.1;  // seconds to get most of the way
  double life = 0.05;  // half-life of the level
  double attack = 0.002;
  double level = 1;
  int shape = 0;
  double width = 0.5;  // pulse width of the square
  double vibrato = 0;  // depth in semitones
  double vibrato_hz = 0;
  double pan = 0;
  double cutoff = 0;  // 0: no filter
};

void AddSweep(Track& track, const Sweep& s) {
  const double rate = track.Rate();
  Filter filter;
  double phase = 0;
  for (int i = track.FrameAt(s.at); i < track.Frames(); ++i) {
    const double t = track.Seconds(i) - s.at;
    const double bend = s.vibrato * std::sin(kTau * s.vibrato_hz * t) / 12;
    const double hz =
        (s.to_hz + (s.from_hz - s.to_hz) * std::exp(-t * 3 / s.glide)) * std::exp2(bend);
    const double step = hz / rate;
    phase += step;
    double v = 0;
    switch (s.shape) {
      case 0:
        v = Sine(phase);
        break;
      case 1:
        v = Triangle(phase);
        break;
      case 2:
        v = Square(phase, step, s.width);
        break;
      default:
        v = Saw(phase, step);
        break;
    }
    if (s.cutoff > 0) v = filter.Run(v, s.cutoff, rate, 0.3).low;
    track.Add(i, v * s.level * Decay(t, s.life) * Attack(t, s.attack), s.pan);
  }
}

void HeroShell(Track& track) {
  Blast shot;
  shot.crack = 0.9;
  shot.crack_hz = 3000;
  shot.boom = 0.9;
  shot.boom_from = 240;
  shot.boom_to = 70;
  shot.boom_life = 0.035;
  shot.rumble = 0.45;
  shot.rumble_life = 0.06;
  shot.rumble_hz = 2600;
  shot.crackle = 0;
  shot.width = 0.3;
  shot.seed = 11;
  AddBlast(track, shot);
  AddSweep(track,
           {.from_hz = 900, .to_hz = 300, .glide = 0.05, .life = 0.02, .level = 0.25, .shape = 1});
}

void HeroLaser(Track& track) {
  AddSweep(track, {.from_hz = 2600,
                   .to_hz = 520,
                   .glide = 0.11,
                   .life = 0.045,
                   .level = 0.6,
                   .shape = 2,
                   .width = 0.22,
                   .pan = -0.25,
                   .cutoff = 3800});
  AddSweep(track, {.at = 0.004,
                   .from_hz = 2700,
                   .to_hz = 540,
                   .glide = 0.11,
                   .life = 0.045,
                   .level = 0.5,
                   .shape = 2,
                   .width = 0.3,
                   .pan = 0.25,
                   .cutoff = 3800});
  AddSweep(track, {.from_hz = 5200, .to_hz = 1000, .glide = 0.08, .life = 0.02, .level = 0.2});
}

void HeroRocket(Track& track) {
  Random noise(31);
  Filter left, right, low;
  const double rate = track.Rate();
  for (int i = 0; i < track.Frames(); ++i) {
    const double t = track.Seconds(i);
    const double n = noise.Signed();
    const double n2 = noise.Signed();
    // The hiss opens up as the rocket leaves, then drifts away.
    const double cutoff = 500 + 2600 * SmoothStep(0.0f, 0.35f, static_cast<float>(t)) *
                                    (1 - 0.6 * SmoothStep(0.35f, 0.84f, static_cast<float>(t)));
    const double level = Attack(t, 0.05) * (0.55 + 0.45 * Decay(t, 0.08)) *
                         (1 - SmoothStep(0.3f, 0.84f, static_cast<float>(t)));
    const double hiss_l = left.Run(n * 0.8 + n2 * 0.2, cutoff, rate, 0.55).band;
    const double hiss_r = right.Run(n2 * 0.8 + n * 0.2, cutoff * 1.06, rate, 0.55).band;
    const double roar = low.Run(n, 160, rate, 0.3).low * 2.2 * level;
    const double pan = std::sin(t * 5) * 0.3;
    track.AddStereo(i, (hiss_l * (1 - pan) * level + roar) * 1.4,
                    (hiss_r * (1 + pan) * level + roar) * 1.4);
  }
  Blast ignition;
  ignition.crack = 0.8;
  ignition.crack_hz = 1800;
  ignition.boom = 0.7;
  ignition.boom_from = 160;
  ignition.boom_to = 55;
  ignition.boom_life = 0.05;
  ignition.rumble = 0;
  ignition.crackle = 0;
  ignition.seed = 32;
  AddBlast(track, ignition);
}

void SmallBlast(Track& track) {
  Blast b;
  b.crack = 1;
  b.crack_hz = 3500;
  b.boom = 0.8;
  b.boom_from = 200;
  b.boom_to = 60;
  b.boom_life = 0.05;
  b.rumble = 0.8;
  b.rumble_life = 0.12;
  b.rumble_hz = 2200;
  b.crackle = 0.4;
  b.seed = 41;
  AddBlast(track, b);
}

void RocketBlast(Track& track) {
  Blast b;
  b.crack = 1;
  b.crack_hz = 2600;
  b.boom = 1;
  b.boom_from = 130;
  b.boom_to = 38;
  b.boom_life = 0.09;
  b.rumble = 1;
  b.rumble_life = 0.28;
  b.rumble_hz = 2400;
  b.crackle = 0.5;
  b.seed = 51;
  AddBlast(track, b);
}

void ShipBlast(Track& track) {
  Blast b;
  b.crack = 1;
  b.crack_hz = 2200;
  b.boom = 1;
  b.boom_from = 100;
  b.boom_to = 28;
  b.boom_life = 0.16;
  b.rumble = 1;
  b.rumble_life = 0.45;
  b.rumble_hz = 2000;
  b.crackle = 0.7;
  b.seed = 61;
  AddBlast(track, b);
  // Secondary blasts as the hull breaks up.
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

void EnemyKill(Track& track) {
  Blast b;
  b.crack = 1;
  b.crack_hz = 3000;
  b.boom = 0.9;
  b.boom_from = 150;
  b.boom_to = 45;
  b.boom_life = 0.07;
  b.rumble = 0.9;
  b.rumble_life = 0.22;
  b.rumble_hz = 2600;
  b.crackle = 0.6;
  b.seed = 71;
  AddBlast(track, b);
  // Metal shards ringing out.
  for (int k = 0; k < 3; ++k) {
    AddSweep(track, {.at = 0.01 * k,
                     .from_hz = 1400.0 + 430 * k,
                     .to_hz = 1200.0 + 300 * k,
                     .glide = 0.3,
                     .life = 0.05,
                     .level = 0.12,
                     .pan = 0.4 * (k - 1)});
  }
}

void EnemyShot(Track& track) {
  AddSweep(track, {.from_hz = 1250,
                   .to_hz = 330,
                   .glide = 0.2,
                   .life = 0.06,
                   .attack = 0.004,
                   .level = 0.8,
                   .shape = 1,
                   .vibrato = 0.6,
                   .vibrato_hz = 28});
  AddSweep(track, {.from_hz = 2500,
                   .to_hz = 660,
                   .glide = 0.2,
                   .life = 0.04,
                   .attack = 0.004,
                   .level = 0.2,
                   .shape = 0});
  // A faint answer from the walls of space.
  AddSweep(track, {.at = 0.13,
                   .from_hz = 1250,
                   .to_hz = 330,
                   .glide = 0.2,
                   .life = 0.05,
                   .attack = 0.004,
                   .level = 0.18,
                   .shape = 1,
                   .pan = 0.5});
}

void EnemyLaser(Track& track) {
  const double rate = track.Rate();
  Filter filter_l, filter_r;
  double carrier = 0, ring = 0;
  for (int i = 0; i < track.Frames(); ++i) {
    const double t = track.Seconds(i);
    const double step = 150 / rate;
    carrier += step;
    ring += (700 + 1600 * SmoothStep(0.0f, 0.45f, static_cast<float>(t))) / rate;
    const double buzz = Saw(carrier, step) * (0.6 + 0.4 * Sine(ring));
    const double tremolo = 0.75 + 0.25 * std::sin(kTau * 26 * t);
    const double level =
        Attack(t, 0.015) * (1 - SmoothStep(0.32f, 0.56f, static_cast<float>(t))) * tremolo;
    const double cutoff = 900 + 2200 * SmoothStep(0.0f, 0.4f, static_cast<float>(t));
    track.AddStereo(i, filter_l.Run(buzz, cutoff, rate, 0.75).band * level,
                    filter_r.Run(buzz, cutoff * 1.1, rate, 0.75).band * level);
  }
}

void ShotOnHull(Track& track) {
  Blast b;
  b.crack = 1;
  b.crack_hz = 2800;
  b.boom = 0.6;
  b.boom_from = 260;
  b.boom_to = 90;
  b.boom_life = 0.04;
  b.rumble = 0.5;
  b.rumble_life = 0.1;
  b.rumble_hz = 1800;
  b.crackle = 0.2;
  b.seed = 81;
  AddBlast(track, b);
  // The hull rings like a struck plate.
  for (const double hz : {612.0, 947.0, 1433.0}) {
    AddSweep(track, {.from_hz = hz * 1.02,
                     .to_hz = hz,
                     .glide = 0.05,
                     .life = 0.09,
                     .level = 0.22,
                     .pan = (hz - 947) / 1500});
  }
}

}  // namespace

void ShipSound(const std::string& name, Track& track) {
  if (name == "hero_shell") return HeroShell(track);
  if (name == "hero_lazer") return HeroLaser(track);
  if (name == "hero_rocet") return HeroRocket(track);
  if (name == "hero_shell_exp") return SmallBlast(track);
  if (name == "hero_rocet_exp") return RocketBlast(track);
  if (name == "hero_dead_exp") return ShipBlast(track);
  throw std::logic_error("no ship sound called '" + name + "'");
}

void EnemySound(const std::string& name, Track& track) {
  if (name == "little_shell") return EnemyShot(track);
  if (name == "little_lazer") return EnemyLaser(track);
  if (name == "little_shell_exp") return ShotOnHull(track);
  if (name == "little_exp") return EnemyKill(track);
  throw std::logic_error("no enemy sound called '" + name + "'");
}

}  // namespace zephyrant::assetgen
