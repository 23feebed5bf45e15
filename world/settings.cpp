// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/settings.h"

#include <algorithm>

namespace zephyrant {

namespace {

std::string NameValue(int row) {
  return "nm" + std::to_string(row + 1);
}
std::string ScoreValue(int row) {
  return "scores" + std::to_string(row + 1);
}

int32_t ReadOr(SettingsStore& store, std::string_view name, int32_t first_run) {
  return store.ReadInteger(name).value_or(first_run);
}

bool TableIsEmpty(const SavedSettings& s) {
  return std::all_of(s.names.begin(), s.names.end(), [](const auto& n) { return n.empty(); }) &&
         std::all_of(s.scores.begin(), s.scores.end(), [](int32_t v) { return v == 0; });
}

void ReadTable(SettingsStore& store, HighScoreNames& names, HighScoreScores& scores) {
  for (int row = 0; row < kHighScoreRows; ++row) {
    names[row] = store.ReadString(NameValue(row));
    const std::optional<int32_t> score = store.ReadInteger(ScoreValue(row));
    scores[row] = score.value_or(row == 0 ? kFirstRunScore : 0);
    // Only a name stored empty frees its row; a score whose name was lost
    // to damage keeps its place.
    if (score.value_or(0) > 0 && !store.HasString(NameValue(row))) {
      names[row] = std::string(kUnreadableName);
    }
  }
  // The store reads a missing name as empty, so the first row's name takes
  // its first-run value only when the whole row is missing.
  if (names[0].empty() && !store.ReadInteger(ScoreValue(0))) {
    names[0] = std::string(kFirstRunName);
  }
}

void ReadAll(SettingsStore& store, SavedSettings& s) {
  ReadTable(store, s.names, s.scores);
  s.sound = ReadOr(store, "sound", kFirstRunVolume);
  s.music = ReadOr(store, "music", kFirstRunVolume);
  s.speed = ReadOr(store, "speed", kFirstRunSpeed);
  s.difficulty = ReadOr(store, "difficulty", kFirstRunDifficulty);
  s.full = ReadOr(store, "full", 0);
  s.window_width = ReadOr(store, "window_width", 0);
  s.window_height = ReadOr(store, "window_height", 0);
}

void SeedFirstRun(SavedSettings& s) {
  s.names[0] = std::string(kFirstRunName);
  s.scores[0] = kFirstRunScore;
  s.difficulty = kFirstRunDifficulty;
  s.speed = kFirstRunSpeed;
  s.music = kFirstRunVolume;
  s.sound = kFirstRunVolume;
  s.full = 0;
}

// Cuts a name to its first kMaxNameCharacters UTF-8 characters.
void CutName(std::string& name) {
  int characters = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    const bool starts_character = (static_cast<unsigned char>(name[i]) & 0xC0) != 0x80;
    if (starts_character && ++characters > kMaxNameCharacters) {
      name.resize(i);
      return;
    }
  }
}

void KeepTableInRange(HighScoreNames& names, HighScoreScores& scores) {
  for (int32_t& score : scores) score = std::max(score, 0);
  for (std::string& name : names) CutName(name);
}

void KeepInRange(SavedSettings& s) {
  s.sound = std::clamp(s.sound, 0, kMaxVolume);
  s.music = std::clamp(s.music, 0, kMaxVolume);
  s.speed = std::clamp(s.speed, kMinSpeed, kMaxSpeed);
  s.difficulty = std::clamp(s.difficulty, 0, kMaxDifficulty);
  s.full = std::clamp(s.full, 0, 1);
  // Half a size, or one too small to play in, is no size at all; one larger
  // than the desktop is cut down to it when the window opens.
  if (s.window_width < kMinWindowSize.width || s.window_height < kMinWindowSize.height) {
    s.window_width = 0;
    s.window_height = 0;
  }
  KeepTableInRange(s.names, s.scores);
}

void WriteOptions(SettingsStore& store, const SavedSettings& s) {
  store.WriteInteger("sound", s.sound);
  store.WriteInteger("music", s.music);
  store.WriteInteger("speed", s.speed);
  store.WriteInteger("difficulty", s.difficulty);
  store.WriteInteger("full", s.full);
}

void WriteTable(SettingsStore& store, const HighScoreNames& names, const HighScoreScores& scores) {
  for (int row = 0; row < kHighScoreRows; ++row) {
    store.WriteString(NameValue(row), names[row]);
    store.WriteInteger(ScoreValue(row), scores[row]);
  }
}

}  // namespace

void LoadStartupSettings(SettingsStore& store, SavedSettings& s) {
  s = SavedSettings{};
  if (store.OpenKey(kSettingsKey, false)) {
    ReadAll(store, s);
    store.CloseKey();
  }
  if (TableIsEmpty(s)) {
    SeedFirstRun(s);
    SaveAllSettings(store, s);
  }
  KeepInRange(s);
}

bool SaveAllSettings(SettingsStore& store, const SavedSettings& s) {
  if (!store.OpenKey(kSettingsKey, true)) return false;
  WriteTable(store, s.names, s.scores);
  WriteOptions(store, s);
  return store.CloseKey();
}

bool SaveOptionSettings(SettingsStore& store, const SavedSettings& s) {
  if (!store.OpenKey(kSettingsKey, true)) return false;
  WriteOptions(store, s);
  return store.CloseKey();
}

bool SaveWindowSize(SettingsStore& store, Size client) {
  if (!store.OpenKey(kSettingsKey, true)) return false;
  store.WriteInteger("window_width", client.width);
  store.WriteInteger("window_height", client.height);
  return store.CloseKey();
}

bool ReadHighScoreTable(SettingsStore& store, HighScoreNames& names, HighScoreScores& scores) {
  if (!store.OpenKey(kSettingsKey, false)) return false;
  ReadTable(store, names, scores);
  store.CloseKey();
  KeepTableInRange(names, scores);
  return true;
}

bool WriteHighScoreTable(SettingsStore& store, const HighScoreNames& names,
                         const HighScoreScores& scores) {
  if (!store.OpenKey(kSettingsKey, true)) return false;
  WriteTable(store, names, scores);
  return store.CloseKey();
}

}  // namespace zephyrant
