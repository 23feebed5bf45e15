// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "tools/assetgen/sounds/synth.h"

// The building blocks the effects share.

namespace zephyrant::assetgen {

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

void AddBlast(Track& track, const Blast& b);

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

void AddSweep(Track& track, const Sweep& s);

}  // namespace zephyrant::assetgen
