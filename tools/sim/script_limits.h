// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How far the values of a runner script may go: as far as the game can
// meaningfully take them, and never so far that its arithmetic overflows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "framework/geometry.h"

namespace zephyrant {

// The game clock's differences are 32-bit and the level timers compare them
// without sign, so one late frame may last at most 2^31 - 1 ms (about 24
// days); a longer gap would read as a short one.
inline constexpr int kMaxLag = INT32_MAX / kFrameIntervalMs;

// The pointer, and any position a script sets, stays within eight surfaces
// of the surface's corner either way: far past any screen the surface is
// stretched over, and far short of where pointer motion or a position
// rounded to whole pixels could overflow.
inline constexpr int kReachX = 8 * kSurfaceWidth;
inline constexpr int kReachY = 8 * kSurfaceHeight;

// A gamepad's axes.
inline constexpr int kPadAxisLowest = -32768;
inline constexpr int kPadAxisHighest = 32767;

// A line longer than any event and its comment can sensibly be, and a script
// longer than hours of play.
inline constexpr size_t kMaxScriptLine = 1024;
inline constexpr size_t kMaxScriptBytes = size_t{16} << 20;

// The values a number variable of the game may be set to, both ends included.
struct VarRange {
  double lowest;
  double highest;
};

// The range of a whole-number or decimal variable by its dump name; none for
// a name the runner does not know.
std::optional<VarRange> RangeOf(std::string_view var);

}  // namespace zephyrant
