// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <map>
#include <optional>
#include <variant>

#include "platform/common/settings_file.h"

namespace zephyrant {
namespace {

// A settings store in memory; `values` is what a saved key holds.
class FakeStore final : public SettingsStore {
 public:
  using Value = std::variant<std::string, int32_t>;
  std::map<std::string, Value, std::less<>> values;
  bool has_key = false;
  bool can_open = true;
  int writes = 0;

  bool OpenKey(std::string_view path, bool create) override {
    EXPECT_EQ(path, kSettingsKey);
    if (!can_open || (!has_key && !create)) return false;
    has_key = true;
    return true;
  }
  bool CloseKey() override { return true; }
  std::string ReadString(std::string_view name) override {
    const auto found = values.find(name);
    if (found == values.end()) return {};
    const auto* text = std::get_if<std::string>(&found->second);
    return text != nullptr ? *text : std::string();
  }
  bool HasString(std::string_view name) override {
    const auto found = values.find(name);
    return found != values.end() && std::holds_alternative<std::string>(found->second);
  }
  std::optional<int32_t> ReadInteger(std::string_view name) override {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    const auto* number = std::get_if<int32_t>(&found->second);
    return number != nullptr ? std::optional<int32_t>(*number) : std::nullopt;
  }
  void WriteString(std::string_view name, std::string_view value) override {
    values[std::string(name)] = std::string(value);
    ++writes;
  }
  void WriteInteger(std::string_view name, int32_t value) override {
    values[std::string(name)] = value;
    ++writes;
  }

  void Put(const std::string& name, Value value) {
    values[name] = std::move(value);
    has_key = true;
  }
};

void ExpectFirstRunSettings(const SavedSettings& s) {
  EXPECT_EQ(s.names[0], "A1u0t0o0r0");
  EXPECT_EQ(s.scores[0], 5840);
  for (int row = 1; row < kHighScoreRows; ++row) {
    EXPECT_EQ(s.names[row], "") << "row " << row + 1;
    EXPECT_EQ(s.scores[row], 0) << "row " << row + 1;
  }
  EXPECT_EQ(s.sound, 100);
  EXPECT_EQ(s.music, 100);
  EXPECT_EQ(s.speed, 100);
  EXPECT_EQ(s.difficulty, 1);
  EXPECT_EQ(s.full, 0);
}

TEST(StartupSettingsTest, FirstRunSeedsTheTableAndSavesEveryValue) {
  FakeStore store;
  SavedSettings s;
  LoadStartupSettings(store, s);
  ExpectFirstRunSettings(s);

  EXPECT_EQ(store.writes, 19);
  EXPECT_EQ(store.ReadString("nm1"), "A1u0t0o0r0");
  EXPECT_EQ(store.ReadInteger("scores1"), 5840);
  for (const char* name : {"nm2", "nm7"}) EXPECT_EQ(store.ReadString(name), "");
  for (const char* name : {"scores2", "scores7", "full"}) EXPECT_EQ(store.ReadInteger(name), 0);
  for (const char* name : {"sound", "music", "speed"}) EXPECT_EQ(store.ReadInteger(name), 100);
  EXPECT_EQ(store.ReadInteger("difficulty"), 1);
}

TEST(StartupSettingsTest, StoreThatWillNotOpenStillGivesFirstRunSettings) {
  FakeStore store;
  store.can_open = false;
  SavedSettings s;
  s.sound = 7;  // whatever was there before does not leak through
  LoadStartupSettings(store, s);
  ExpectFirstRunSettings(s);
}

TEST(StartupSettingsTest, EmptyTableIsSeededEvenWhenOtherValuesWereSaved) {
  FakeStore store;
  for (int row = 1; row <= kHighScoreRows; ++row) {
    store.Put("nm" + std::to_string(row), std::string());
    store.Put("scores" + std::to_string(row), 0);
  }
  store.Put("sound", 40);
  store.Put("difficulty", 2);
  SavedSettings s;
  LoadStartupSettings(store, s);
  ExpectFirstRunSettings(s);
  EXPECT_EQ(store.ReadString("nm1"), "A1u0t0o0r0");
  EXPECT_EQ(store.ReadInteger("sound"), 100);
}

TEST(StartupSettingsTest, SavedNamesAreKeptAndMissingIntegersDefault) {
  FakeStore store;
  store.Put("nm1", std::string("Vega"));
  store.Put("nm2", std::string("Rigel"));
  store.Put("sound", std::string("loud"));  // of the wrong type: unreadable
  SavedSettings s;
  LoadStartupSettings(store, s);

  EXPECT_EQ(s.names[0], "Vega");
  EXPECT_EQ(s.names[1], "Rigel");
  EXPECT_EQ(s.names[2], "");
  EXPECT_EQ(s.scores[0], 5840);
  EXPECT_EQ(s.scores[1], 0);
  EXPECT_EQ(s.sound, 100);
  EXPECT_EQ(s.music, 100);
  EXPECT_EQ(s.speed, 100);
  EXPECT_EQ(s.difficulty, 1);
  EXPECT_EQ(s.full, 0);
  EXPECT_EQ(store.writes, 0) << "a table with entries is not seeded";
}

TEST(StartupSettingsTest, MissingFirstRowTakesItsFirstRunEntry) {
  FakeStore store;
  store.Put("nm2", std::string("Rigel"));
  store.Put("scores2", 300);
  SavedSettings s;
  LoadStartupSettings(store, s);
  EXPECT_EQ(s.names[0], "A1u0t0o0r0");
  EXPECT_EQ(s.scores[0], 5840);

  // With its score saved, a first name stored empty is the player's own.
  store.Put("nm1", std::string());
  store.Put("scores1", 900);
  LoadStartupSettings(store, s);
  EXPECT_EQ(s.names[0], "");
  EXPECT_EQ(s.scores[0], 900);
}

TEST(StartupSettingsTest, ScoreWhoseNameCannotBeReadKeepsItsRowUnderDots) {
  FakeStore store;
  store.Put("nm1", std::string("A1"));
  store.Put("scores1", 5000);
  store.Put("scores2", 4000);  // its name is missing
  store.Put("nm3", 7);         // a name of the wrong type
  store.Put("scores3", 3000);
  store.Put("nm4", std::string());  // stored empty: a free row
  store.Put("scores4", 2000);
  store.Put("scores5", 0);  // no score to keep
  HighScoreNames names;
  HighScoreScores scores{};
  ASSERT_TRUE(ReadHighScoreTable(store, names, scores));
  EXPECT_EQ(names, (HighScoreNames{"A1", "sc", "sc", "", "", "", ""}));
  EXPECT_EQ(scores, (HighScoreScores{5000, 4000, 3000, 2000, 0, 0, 0}));
}

TEST(StartupSettingsTest, HandEditedValuesAreKeptInRangeButNotRewritten) {
  FakeStore store;
  store.Put("nm1", std::string(40, 'W'));
  std::string accented;
  for (int i = 0; i < 35; ++i) accented += "\xC3\xA9";
  store.Put("nm2", accented);
  store.Put("scores1", 1000);
  store.Put("scores2", -50);
  store.Put("sound", 500);
  store.Put("music", -1);
  store.Put("speed", 12345);
  store.Put("difficulty", 9);
  store.Put("full", 3);
  SavedSettings s;
  LoadStartupSettings(store, s);

  EXPECT_EQ(s.names[0], std::string(30, 'W'));
  EXPECT_EQ(s.names[1], accented.substr(0, 60)) << "cut by characters, not bytes";
  EXPECT_EQ(s.scores[0], 1000);
  EXPECT_EQ(s.scores[1], 0);
  EXPECT_EQ(s.sound, 130);
  EXPECT_EQ(s.music, 0);
  EXPECT_EQ(s.speed, kMaxSpeed);
  EXPECT_EQ(s.difficulty, 2);
  EXPECT_EQ(s.full, 1);
  EXPECT_EQ(store.writes, 0);
  EXPECT_EQ(store.ReadInteger("sound"), 500);
}

TEST(StartupSettingsTest, SettingsFileKeepsWhatTheFirstRunSaved) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "zephyrant-menus-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder(pattern);
  {
    SettingsFile file(folder / "zephyrant");
    SavedSettings s;
    LoadStartupSettings(file, s);
    s.names[3] = "Deneb";
    s.scores[3] = 777;
    s.sound = 55;
    EXPECT_TRUE(SaveAllSettings(file, s));
  }
  SettingsFile file(folder / "zephyrant");
  SavedSettings s;
  LoadStartupSettings(file, s);
  EXPECT_EQ(s.names[0], "A1u0t0o0r0");
  EXPECT_EQ(s.scores[0], 5840);
  EXPECT_EQ(s.names[3], "Deneb");
  EXPECT_EQ(s.scores[3], 777);
  EXPECT_EQ(s.sound, 55);
  std::filesystem::remove_all(folder);
}

TEST(WindowSizeSettingsTest, TheSizeComesBackAndAnythingUnusableMeansNone) {
  struct Case {
    const char* what;
    std::optional<FakeStore::Value> width;
    std::optional<FakeStore::Value> height;
    Size expected;
  };
  const Case cases[] = {
      {"kept", 1024, 700, Size{1024, 700}},
      {"larger than any desktop: cut down when the window opens", 40000, 30000, Size{40000, 30000}},
      {"the smallest window", 160, 120, Size{160, 120}},
      {"never saved", std::nullopt, std::nullopt, Size{}},
      {"half a size", 1024, std::nullopt, Size{}},
      {"text", std::string("wide"), 700, Size{}},
      {"too small to play in", 159, 700, Size{}},
      {"negative", 1024, -700, Size{}},
      {"zero", 0, 0, Size{}},
  };
  for (const Case& c : cases) {
    FakeStore store;
    store.Put("nm1", std::string("Vega"));
    store.Put("scores1", 900);
    if (c.width) store.Put("window_width", *c.width);
    if (c.height) store.Put("window_height", *c.height);
    SavedSettings s;
    LoadStartupSettings(store, s);
    EXPECT_EQ((Size{s.window_width, s.window_height}), c.expected) << c.what;
    EXPECT_EQ(store.writes, 0) << c.what << ": reading writes nothing back";
  }
}

TEST(WindowSizeSettingsTest, SavingTheSizeLeavesEveryOtherValueAsItWas) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "zephyrant-window-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder(pattern);
  {
    SettingsFile file(folder / "zephyrant");
    SavedSettings s;
    LoadStartupSettings(file, s);
    EXPECT_EQ((Size{s.window_width, s.window_height}), Size{}) << "the first run has none";
    s.sound = 42;
    ASSERT_TRUE(SaveOptionSettings(file, s));
    ASSERT_TRUE(SaveWindowSize(file, Size{1100, 650}));
  }
  {
    SettingsFile file(folder / "zephyrant");
    SavedSettings s;
    LoadStartupSettings(file, s);
    EXPECT_EQ((Size{s.window_width, s.window_height}), (Size{1100, 650}));
    EXPECT_EQ(s.sound, 42);
    EXPECT_EQ(s.names[0], "A1u0t0o0r0");
    // The options screen's save does not forget the size.
    s.sound = 10;
    ASSERT_TRUE(SaveOptionSettings(file, s));
  }
  SettingsFile file(folder / "zephyrant");
  SavedSettings s;
  LoadStartupSettings(file, s);
  EXPECT_EQ((Size{s.window_width, s.window_height}), (Size{1100, 650}));
  EXPECT_EQ(s.sound, 10);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace zephyrant
