// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Volumes and pans in hundredths of a decibel, as the sound lists give them,
// turned into the mixer's linear levels.

#include <cstdint>

namespace zephyrant {

// The channel level for a volume, from 0 to max_level.
int ChannelLevel(int volume, int max_level);

// Pan attenuates one side only: below 0 the right side by -pan, above 0 the
// left side by pan. Levels run from 0 to 255.
struct PanLevels {
  uint8_t left = 255;
  uint8_t right = 255;
  friend bool operator==(const PanLevels&, const PanLevels&) = default;
};
PanLevels PanToLevels(int pan);

}  // namespace zephyrant
