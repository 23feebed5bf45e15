// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephyrant {

// The game's one random generator. Its formula is part of the game's rules:
// level layouts and enemy behaviour depend on the exact sequence of draws.
class RandomGenerator {
 public:
  explicit RandomGenerator(uint32_t seed = 0) : seed_(seed) {}

  void SetSeed(uint32_t seed) { seed_ = seed; }
  uint32_t Seed() const { return seed_; }

  // A uniform whole number from 0 to n - 1; 0 when n is not positive.
  int operator()(int n) {
    seed_ = seed_ * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<int>((uint64_t{static_cast<uint32_t>(n)} * seed_) >> 32);
  }

 private:
  uint32_t seed_;
};

}  // namespace zephyrant
