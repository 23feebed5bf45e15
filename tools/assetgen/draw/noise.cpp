// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/noise.h"

#include <cmath>

#include "tools/assetgen/draw/random.h"

namespace zephyrant::assetgen {

namespace {

constexpr int kFreePeriod = 1 << 20;

float Lattice(int x, int y, uint32_t seed) {
  return static_cast<float>(Hash(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

int Wrap(int v, int period) {
  const int r = v % period;
  return r < 0 ? r + period : r;
}

float Fade(float t) {
  return t * t * t * (t * (t * 6 - 15) + 10);
}

}  // namespace

float Noise(float x, float y, int period_x, int period_y, uint32_t seed) {
  const float fx = std::floor(x);
  const float fy = std::floor(y);
  const int x0 = Wrap(static_cast<int>(fx), period_x);
  const int y0 = Wrap(static_cast<int>(fy), period_y);
  const int x1 = Wrap(x0 + 1, period_x);
  const int y1 = Wrap(y0 + 1, period_y);
  const float tx = Fade(x - fx);
  const float ty = Fade(y - fy);
  const float top = Lattice(x0, y0, seed) + (Lattice(x1, y0, seed) - Lattice(x0, y0, seed)) * tx;
  const float bottom = Lattice(x0, y1, seed) + (Lattice(x1, y1, seed) - Lattice(x0, y1, seed)) * tx;
  return top + (bottom - top) * ty;
}

float Fractal(float x, float y, int period_x, int period_y, int octaves, float gain,
              uint32_t seed) {
  float sum = 0;
  float weight = 1;
  float total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += Noise(x, y, period_x, period_y, seed + 977u * static_cast<uint32_t>(o)) * weight;
    total += weight;
    weight *= gain;
    x *= 2;
    y *= 2;
    period_x *= 2;
    period_y *= 2;
  }
  return sum / total;
}

float FreeNoise(float x, float y, uint32_t seed) {
  return Noise(x, y, kFreePeriod, kFreePeriod, seed);
}

float FreeFractal(float x, float y, int octaves, float gain, uint32_t seed) {
  return Fractal(x, y, kFreePeriod >> octaves, kFreePeriod >> octaves, octaves, gain, seed);
}

}  // namespace zephyrant::assetgen
