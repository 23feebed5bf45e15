// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A replay: everything a game read while it was played, frame by frame, so
// the same seed and the same stream give the same game again. The layout on
// disk is described in docs/replay-format.md.

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/geometry.h"

namespace zephyrant {

// A file that is not a replay this game can play; the message is one line
// naming the file and what is wrong with it.
class ReplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One thing the game received during a frame, in the order it came.
struct ReplayEvent {
  enum class Kind : uint8_t {
    kKeyDown,    // key, and the character it types (0 for none)
    kKeyUp,      // key
    kChar,       // character typed on its own
    kMouseMove,  // the pointer now at (x, y) in surface pixels
    kMouseDown,  // button
    kMouseUp,    // button
    kFocusOut,
    kFocusIn,
    kMinimise,
    kPadUnplug,
    kPad,   // the gamepad's state from now on: present, x, y, buttons
    kSet,   // a game variable set by the runner's script: name, value
    kCall,  // one of the main window's operations called by the script: name
    kCount
  };
  enum class ValueType : uint8_t { kInt, kDouble, kText };

  Kind kind = Kind::kKeyDown;
  uint8_t key = 0;
  char character = 0;
  int32_t x = 0;
  int32_t y = 0;
  uint8_t button = 0;
  bool present = false;
  uint32_t buttons = 0;
  std::string name;
  ValueType value_type = ValueType::kInt;
  int32_t int_value = 0;
  double double_value = 0;
  std::string text_value;

  bool operator==(const ReplayEvent&) const = default;
};

struct ReplayFrame {
  int32_t lag_count = 1;  // frame intervals the game's clock moved this frame
  std::vector<ReplayEvent> events;

  bool operator==(const ReplayFrame&) const = default;
};

// The state hash after a frame.
struct ReplayCheckpoint {
  int32_t frame = 0;
  uint64_t hash = 0;

  bool operator==(const ReplayCheckpoint&) const = default;
};

struct Replay {
  // What a replay's frames are checked against: one hash every this many.
  static constexpr int kCheckpointEvery = 256;

  std::string game_version;
  uint32_t seed = 1;
  int32_t difficulty = 0;
  int32_t speed = 0;
  std::vector<ReplayFrame> frames;  // frames[0] is frame 1
  std::vector<ReplayCheckpoint> checkpoints;
  int32_t final_score = 0;
  int32_t final_level = 0;
  uint64_t end_hash = 0;

  bool operator==(const Replay&) const = default;
};

// Limits every length read from a file is held to.
inline constexpr size_t kMaxReplayBytes = 64u << 20;
inline constexpr uint32_t kMaxReplayFrames = 1'000'000;
inline constexpr uint32_t kMaxReplayEventsPerFrame = 1024;
inline constexpr uint32_t kMaxReplayText = 256;
// One late frame may last up to 2^31 - 1 ms of the game clock.
inline constexpr int32_t kMaxReplayLag = INT32_MAX / kFrameIntervalMs;

// The bytes of a replay.
std::string EncodeReplay(const Replay& replay);
// Raises a ReplayError naming `source` and the problem; a replay of another
// game version than `expected_version` is refused naming both.
Replay DecodeReplay(std::string_view bytes, std::string_view expected_version,
                    std::string_view source);

// Writes the file whole or not at all: into a temporary file beside it, then
// renamed over it. Raises a ReplayError when it cannot.
void WriteReplayFile(const std::filesystem::path& path, const Replay& replay);
Replay ReadReplayFile(const std::filesystem::path& path, std::string_view expected_version);

// 64-bit FNV-1a, the hash the state hashes use.
uint64_t Fnv1a64(std::string_view bytes, uint64_t hash = 0xcbf29ce484222325ull);
// This build's version, the one its replays carry.
std::string_view GameVersion();
// A hash as 16 hex digits.
std::string ReplayHashText(uint64_t hash);

}  // namespace zephyrant
