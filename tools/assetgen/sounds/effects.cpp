// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects of play: the player's shell, laser and rocket, and the
// enemies' shots and laser.

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/assetgen/sounds/sounds.h"
#include "tools/assetgen/sounds/voices.h"

namespace zephyrant::assetgen {

namespace {

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

}  // namespace

void ShipSound(const std::string& name, Track& track) {
  if (name == "hero_shell") return HeroShell(track);
  if (name == "hero_lazer") return HeroLaser(track);
  if (name == "hero_rocet") return HeroRocket(track);
  throw std::logic_error("no ship sound called '" + name + "'");
}

void EnemySound(const std::string& name, Track& track) {
  if (name == "little_shell") return EnemyShot(track);
  if (name == "little_lazer") return EnemyLaser(track);
  throw std::logic_error("no enemy sound called '" + name + "'");
}

}  // namespace zephyrant::assetgen
