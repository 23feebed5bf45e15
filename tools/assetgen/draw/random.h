// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephyrant::assetgen {

// The generator's own random numbers: a fixed 64-bit mixing sequence, so the
// art and the sounds come out byte for byte the same on every run.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

  uint64_t Next() {
    state_ += 0x9E3779B97F4A7C15ull;
    uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A value in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // A value in [low, high).
  double Range(double low, double high) { return low + (high - low) * Unit(); }
  // A value in [-1, 1).
  double Signed() { return 2 * Unit() - 1; }
  // A whole number from 0 to n - 1 (n > 0).
  int Below(int n) { return static_cast<int>((Next() >> 33) % static_cast<uint64_t>(n)); }

 private:
  uint64_t state_;
};

// A well-mixed 32-bit hash of a few whole numbers, for noise lattices.
inline uint32_t Hash(int32_t a, int32_t b, uint32_t seed) {
  uint64_t h = static_cast<uint32_t>(a) * 0x8DA6B343ull ^ static_cast<uint32_t>(b) * 0xD8163841ull ^
               seed * 0xCB1AB31Full;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<uint32_t>(h);
}

}  // namespace zephyrant::assetgen
