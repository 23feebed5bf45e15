#pragma once

// The player's saved settings and high-score table, as read at start-up and
// written back whenever they change.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/platform.h"

namespace zephyrant {

inline constexpr int kHighScoreRows = 7;

struct SavedSettings {
  std::array<std::string, kHighScoreRows> names;  // "nm1".."nm7"
  std::array<int32_t, kHighScoreRows> scores{};   // "scores1".."scores7"
  int32_t sound = 0;                              // volume in percent
  int32_t music = 0;
  int32_t speed = 0;
  int32_t difficulty = 0;
  int32_t full = 0;  // 0 full screen, 1 window
};

inline constexpr std::string_view kSettingsKey = "\\Software\\Zephyrant\\";

// What the settings are on the very first run.
inline constexpr std::string_view kFirstRunName = "A1u0t0o0r0";
inline constexpr int32_t kFirstRunScore = 5840;
inline constexpr int32_t kFirstRunVolume = 100;
inline constexpr int32_t kFirstRunSpeed = 100;
inline constexpr int32_t kFirstRunDifficulty = 1;

// Ranges the start-up read keeps the values in; players edit the file by hand.
inline constexpr int32_t kMaxVolume = 130;
inline constexpr int32_t kMaxDifficulty = 2;
inline constexpr int kMaxNameCharacters = 30;

// Reads the settings into `s`. Missing or unreadable values take their
// first-run values; an empty table (the first run) is seeded with its
// first-run row and every value written to the store. The values are then
// kept in their ranges, without writing that back.
void LoadStartupSettings(SettingsStore& store, SavedSettings& s);

// Writes every value under kSettingsKey; false when the store did not take them.
bool SaveAllSettings(SettingsStore& store, const SavedSettings& s);

}  // namespace zephyrant
