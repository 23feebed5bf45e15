// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/assetgen/sounds/synth.h"

namespace zephyrant::assetgen {

// The finishing stage every sound goes through before it is written out.

// Below anything the game plays, above the drift that makes a thump.
inline constexpr double kOffsetCutoffHz = 12;

// Takes out any constant offset, which the player would hear as a thump at
// the start and end of the sound: a DC-blocking high pass below `cutoff_hz`,
// then what little is left removed under a window that is zero at both ends,
// so the sound still starts and stops at silence.
void RemoveOffset(Track& track, double cutoff_hz);
// The same for a seamless loop: the high pass runs round the loop until it
// settles, so the last sample still leads straight into the first.
void RemoveLoopOffset(Track& track, double cutoff_hz);

// RMS of the loudest `seconds` of the track (both channels), full scale 1.
double LoudestRms(const Track& track, double seconds);

// Keeps every sample under `ceiling` by turning the level down smoothly
// just before each peak and letting it back up slowly after it.
void Limit(Track& track, double ceiling);

// Makes the loudest 50 ms reach `loudness` (RMS, full scale 1) with every
// peak limited under `ceiling` and no offset, so short and spiky effects
// carry as well as dense ones.
void Master(Track& track, double loudness, double ceiling);

}  // namespace zephyrant::assetgen
