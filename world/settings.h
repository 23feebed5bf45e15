// SPDX-License-Identifier: GPL-3.0-or-later
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

using HighScoreNames = std::array<std::string, kHighScoreRows>;
using HighScoreScores = std::array<int32_t, kHighScoreRows>;

struct SavedSettings {
  HighScoreNames names;      // "nm1".."nm7"
  HighScoreScores scores{};  // "scores1".."scores7"
  int32_t sound = 0;         // volume in percent
  int32_t music = 0;
  int32_t speed = 0;
  int32_t difficulty = 0;
  int32_t full = 0;  // 0 full screen, 1 window
  // The window's client size as the player last left it; 0 x 0 when none
  // is remembered (or what was could not be used), for the game's own size.
  int32_t window_width = 0;   // "window_width"
  int32_t window_height = 0;  // "window_height"
};

inline constexpr std::string_view kSettingsKey = "\\Software\\Zephyrant\\";

// What the settings are on the very first run.
inline constexpr std::string_view kFirstRunName = "A1u0t0o0r0";
inline constexpr int32_t kFirstRunScore = 5840;
inline constexpr int32_t kFirstRunVolume = 100;
inline constexpr int32_t kFirstRunSpeed = 100;
inline constexpr int32_t kFirstRunDifficulty = 1;

// Ranges the reads keep the values in; players edit the file by hand.
inline constexpr int32_t kMaxVolume = 130;
inline constexpr int32_t kMaxDifficulty = 2;
// The speed setting is offered on no screen. Below 0 the ship's shots slow
// down and, far enough below, fall back; far above, the ship jumps across the
// playfield in a step.
inline constexpr int32_t kMinSpeed = 0;
inline constexpr int32_t kMaxSpeed = 1000;
// The name of a row whose score could be read but whose name could not: the
// dot glyph, so the row shows dots like an empty name yet is not free.
inline constexpr std::string_view kUnreadableName = "sc";
// A name is up to 15 glyphs of two characters each.
inline constexpr int kNameGlyphs = 15;
inline constexpr int kMaxNameCharacters = 2 * kNameGlyphs;

// Reads the settings into `s`. Missing or unreadable values take their
// first-run values (no remembered window size), but a row's name that cannot be read while its
// score can becomes kUnreadableName; an empty table (the first run) is seeded with its first-run
// row and every value written to the store. The values are then kept in their ranges, without
// writing that back.
void LoadStartupSettings(SettingsStore& store, SavedSettings& s);

// Writes every value but the window size under kSettingsKey; false when the
// store did not take them.
bool SaveAllSettings(SettingsStore& store, const SavedSettings& s);

// The options screen's save: the five settings of `s`, not the table.
bool SaveOptionSettings(SettingsStore& store, const SavedSettings& s);

// Remembers the window's client size for the next run; false when the
// store did not take it.
bool SaveWindowSize(SettingsStore& store, Size client);

// Reads the seven names and scores with the defaults and ranges of the
// start-up read. False, with the table untouched, when the key is not there.
bool ReadHighScoreTable(SettingsStore& store, HighScoreNames& names, HighScoreScores& scores);
// Writes the seven names and scores; false when the store did not take them.
bool WriteHighScoreTable(SettingsStore& store, const HighScoreNames& names,
                         const HighScoreScores& scores);

}  // namespace zephyrant
