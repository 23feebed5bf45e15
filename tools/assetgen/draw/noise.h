// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephyrant::assetgen {

// Smooth value noise in [0, 1] on a lattice of `period_x` x `period_y`
// cells that repeats: Noise(x + period_x, y) == Noise(x, y). Coordinates are
// in lattice cells.
float Noise(float x, float y, int period_x, int period_y, uint32_t seed);

// Several octaves of noise, each twice as fine and `gain` times as strong,
// scaled back to [0, 1]; repeats with the first octave's period.
float Fractal(float x, float y, int period_x, int period_y, int octaves, float gain, uint32_t seed);

// Noise that does not repeat (period large enough never to show).
float FreeNoise(float x, float y, uint32_t seed);
float FreeFractal(float x, float y, int octaves, float gain, uint32_t seed);

}  // namespace zephyrant::assetgen
