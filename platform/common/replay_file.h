// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A replay: the seed, the saved settings the game started with, and a tape of
// everything that entered the game from start-up on, so that the same version
// plays the same game again. The layout on disk is in docs/replay-format.md.

#include <array>
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

// The state hash after a frame.
struct ReplayCheckpoint {
  int32_t frame = 0;
  uint64_t hash = 0;

  bool operator==(const ReplayCheckpoint&) const = default;
};

inline constexpr int kReplayTableRows = 7;

// The saved settings and high-score table as the game started with them.
struct ReplaySettings {
  int32_t difficulty = 0;
  int32_t speed = 0;
  int32_t sound = 0;  // volumes in percent
  int32_t music = 0;
  int32_t full_screen = 0;  // 0 full screen, 1 a window
  std::array<std::string, kReplayTableRows> names;
  std::array<int32_t, kReplayTableRows> scores{};

  bool operator==(const ReplaySettings&) const = default;
};

// The ranges the game keeps its saved settings in; a replay outside them is
// damaged.
inline constexpr int32_t kReplayMaxDifficulty = 2;
inline constexpr int32_t kReplayMaxSpeed = 1000;
inline constexpr int32_t kReplayMaxVolume = 130;
inline constexpr size_t kReplayMaxName = 30;

struct Replay {
  // What a replay's frames are checked against: one hash every this many.
  static constexpr int kCheckpointEvery = 256;

  std::string game_version;
  uint32_t seed = 1;
  ReplaySettings settings;
  // The frame after which the game this replay keeps began (its NewGame);
  // 0 when it is to be watched from start-up.
  uint32_t start_frame = 0;
  std::string tape;  // the entries (platform/common/tape.h)
  uint32_t frame_count = 0;
  std::vector<ReplayCheckpoint> checkpoints;
  int32_t final_score = 0;
  int32_t final_level = 0;
  uint64_t end_hash = 0;

  bool operator==(const Replay&) const = default;
};

// Limits every length read from a file is held to.
inline constexpr size_t kMaxReplayBytes = 64u << 20;
inline constexpr uint32_t kMaxReplayFrames = 1'000'000;
inline constexpr uint32_t kMaxReplayText = 256;
// One late frame may last up to 2^31 - 1 ms of the game clock.
inline constexpr int32_t kMaxReplayLag = INT32_MAX / kFrameIntervalMs;

// The bytes of a replay.
std::string EncodeReplay(const Replay& replay);
// Raises a ReplayError naming `source` and the problem; a replay of another
// game version than `expected_version` is refused naming both. Every entry of
// the tape is checked.
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
