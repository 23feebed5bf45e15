#pragma once

#include <cstdint>

namespace zephyrant::assetgen {

// A fixed linear congruential generator, so the placeholder files come out
// byte for byte the same on every run and every machine.
class PlaceholderRandom {
 public:
  explicit PlaceholderRandom(uint32_t seed) : state_(seed) {}

  // A whole number from 0 to n - 1 (n > 0).
  int Below(int n) {
    Step();
    return static_cast<int>((uint64_t{state_} * static_cast<uint32_t>(n)) >> 32);
  }
  // A whole number from low to high inclusive.
  int Between(int low, int high) { return low + Below(high - low + 1); }
  // A value from -1 to 1.
  double Signed() {
    Step();
    return static_cast<double>(state_ >> 8) / double{1 << 23} - 1.0;
  }

 private:
  void Step() { state_ = state_ * 1664525u + 1013904223u; }

  uint32_t state_;
};

// A seed of its own for each file, so one file does not change when another
// is added before it.
inline uint32_t PlaceholderSeed(int list_index, int item_index) {
  return (static_cast<uint32_t>(list_index) + 1u) * 0x9E3779B9u ^
         (static_cast<uint32_t>(item_index) + 1u) * 0x85EBCA6Bu;
}

}  // namespace zephyrant::assetgen
