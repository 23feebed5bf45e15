// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file is edited by hand. Whatever it holds, the start-up read
// must not crash, must keep every value in its range, and must keep every
// value it can still read. Seeded, so a failure can be replayed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <variant>

#include "platform/common/settings_file.h"
#include "platform/headless/scratch_folder.h"
#include "world/settings.h"

namespace zephyrant {
namespace {

using Value = std::variant<std::string, int32_t>;
using Values = std::map<std::string, Value>;

const char* const kIntegers[] = {"scores1", "scores2", "scores3",    "scores4",
                                 "scores5", "scores6", "scores7",    "sound",
                                 "music",   "speed",   "difficulty", "full"};
const char* const kNames[] = {"nm1", "nm2", "nm3", "nm4", "nm5", "nm6", "nm7"};
constexpr const char* kOurKey = "[Software\\Zephyrant]";

// The game's messages about damaged files are expected here by the thousand.
class QuietErrors {
 public:
  QuietErrors() : old_(std::cerr.rdbuf(sink_.rdbuf())) {}
  ~QuietErrors() { std::cerr.rdbuf(old_); }

 private:
  std::ostringstream sink_;
  std::streambuf* old_;
};

SavedSettings LoadFile(const std::filesystem::path& folder, const std::string& contents) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / SettingsFile::kFileName, std::ios::binary | std::ios::trunc) << contents;
  SettingsFile file(folder);
  SavedSettings s;
  LoadStartupSettings(file, s);
  return s;
}

void ExpectInRange(const SavedSettings& s, const std::string& contents) {
  SCOPED_TRACE(contents.substr(0, 2000));
  EXPECT_TRUE(s.sound >= 0 && s.sound <= kMaxVolume) << s.sound;
  EXPECT_TRUE(s.music >= 0 && s.music <= kMaxVolume) << s.music;
  EXPECT_TRUE(s.speed >= kMinSpeed && s.speed <= kMaxSpeed) << s.speed;
  EXPECT_TRUE(s.difficulty >= 0 && s.difficulty <= kMaxDifficulty) << s.difficulty;
  EXPECT_TRUE(s.full == 0 || s.full == 1) << s.full;
  for (int row = 0; row < kHighScoreRows; ++row) {
    EXPECT_GE(s.scores[row], 0);
    EXPECT_LE(s.names[row].size(), static_cast<size_t>(4 * kMaxNameCharacters));
  }
}

// Every value as the store names it.
Values ByName(const SavedSettings& s) {
  Values values;
  for (int row = 0; row < kHighScoreRows; ++row) {
    values[kNames[row]] = s.names[row];
    values[kIntegers[row]] = s.scores[row];
  }
  values["sound"] = s.sound;
  values["music"] = s.music;
  values["speed"] = s.speed;
  values["difficulty"] = s.difficulty;
  values["full"] = s.full;
  return values;
}

// What the read must make of the values the file holds under our key.
SavedSettings Expected(const Values& values, bool key_present) {
  auto integer = [&](const std::string& name, int32_t fallback) {
    const auto found = values.find(name);
    const auto* v = found != values.end() ? std::get_if<int32_t>(&found->second) : nullptr;
    return v != nullptr ? *v : fallback;
  };
  auto text = [&](const std::string& name) -> std::optional<std::string> {
    const auto found = values.find(name);
    const auto* v = found != values.end() ? std::get_if<std::string>(&found->second) : nullptr;
    return v != nullptr ? std::optional(v->substr(0, kMaxNameCharacters)) : std::nullopt;
  };
  SavedSettings s;
  if (key_present) {
    for (int row = 0; row < kHighScoreRows; ++row) {
      s.names[row] = text(kNames[row]).value_or("");
      s.scores[row] = integer(kIntegers[row], row == 0 ? kFirstRunScore : 0);
      // A score kept under a name that cannot be read.
      if (!text(kNames[row]) && integer(kIntegers[row], 0) > 0) {
        s.names[row] = std::string(kUnreadableName);
      }
    }
    const auto first_score = values.find("scores1");
    const bool first_score_read =
        first_score != values.end() && std::holds_alternative<int32_t>(first_score->second);
    if (s.names[0].empty() && !first_score_read) s.names[0] = std::string(kFirstRunName);
  }
  const bool empty =
      std::all_of(s.names.begin(), s.names.end(), [](auto& n) { return n.empty(); }) &&
      std::all_of(s.scores.begin(), s.scores.end(), [](int32_t v) { return v == 0; });
  if (empty) {
    s.names[0] = std::string(kFirstRunName);
    s.scores[0] = kFirstRunScore;
  }
  // Only then are the scores kept from going below 0.
  for (int32_t& score : s.scores) score = std::max(score, 0);
  s.sound = std::clamp(empty ? 100 : integer("sound", 100), 0, kMaxVolume);
  s.music = std::clamp(empty ? 100 : integer("music", 100), 0, kMaxVolume);
  s.speed = std::clamp(empty ? 100 : integer("speed", 100), kMinSpeed, kMaxSpeed);
  s.difficulty = std::clamp(empty ? 1 : integer("difficulty", 1), 0, kMaxDifficulty);
  s.full = std::clamp(empty ? 0 : integer("full", 0), 0, 1);
  return s;
}

class Generator {
 public:
  explicit Generator(uint32_t seed) : random_(seed) {}

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  int32_t AnyInteger() {
    switch (Below(5)) {
      case 0:
        return std::numeric_limits<int32_t>::max();
      case 1:
        return std::numeric_limits<int32_t>::min() + Below(3);
      case 2:
        return Below(300) - 100;
      default:
        return std::uniform_int_distribution<int32_t>()(random_);
    }
  }

  // Printable ASCII, with the characters the file must escape among them.
  std::string AnyText() {
    const int length = Below(4) == 0 ? 31 + Below(4000) : Below(40);
    std::string text;
    for (int i = 0; i < length; ++i)
      text += static_cast<char>(Below(4) == 0 ? "\"\\\t"[Below(3)] : 32 + Below(95));
    return text;
  }

  static std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
    return out + "\"";
  }

  // A line that no reader can take for a value or a key.
  std::string Junk() {
    switch (Below(6)) {
      case 5:
        return std::string(kNames[Below(7)]) + " = string \"" + std::string(5000, 'x') + "\"";
      case 0:
        return "sound = integer 99999999999";
      case 1:
        return std::string(kNames[Below(7)]) + " = string \"no end";
      case 2:
        return "music = number 12";
      case 3:
        return std::string(kIntegers[Below(12)]) + " = integer";
      default: {
        std::string bytes = "\x01";
        const int length = Below(200);
        for (int i = 0; i < length; ++i) {
          const char c = static_cast<char>(Below(256));
          bytes += c == '\n' ? ' ' : c;
        }
        return bytes;
      }
    }
  }

 private:
  std::mt19937 random_;
};

TEST(SettingsFuzz, HandWrittenFilesKeepEveryReadableValue) {
  QuietErrors quiet;
  ScratchFolder scratch;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    Generator g(seed);
    std::string file;
    Values values;
    bool ours = false;
    bool key_present = false;
    const int lines = g.Below(40);
    for (int i = 0; i < lines; ++i) {
      std::string line;
      const int kind = g.Below(20);
      if (kind < 2) {
        ours = g.Below(3) != 0;
        key_present = key_present || ours;
        line = ours ? (g.Below(2) ? kOurKey : "[\\software\\ZEPHYRANT\\]") : "[Other\\Key]";
      } else if (kind < 10) {
        const std::string name = kIntegers[g.Below(12)];
        const bool as_text = g.Below(8) == 0;
        const int32_t number = g.AnyInteger();
        line = name + " = " + (as_text ? "string \"loud\"" : "integer " + std::to_string(number));
        if (ours) values[name] = as_text ? Value{std::string("loud")} : Value{number};
      } else if (kind < 16) {
        const std::string name = kNames[g.Below(7)];
        const bool as_number = g.Below(8) == 0;
        const std::string text = g.AnyText();
        line = name + " = " + (as_number ? "integer 5" : "string " + Generator::Quoted(text));
        if (ours) values[name] = as_number ? Value{int32_t{5}} : Value{text};
      } else if (kind < 19) {
        line = g.Junk();
      } else {
        line = g.Below(2) ? "; a note" : "";
      }
      file += line + "\n";
    }
    const SavedSettings loaded = LoadFile(scratch.Path() / "s", file);
    ExpectInRange(loaded, file);
    SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + file.substr(0, 3000));
    EXPECT_EQ(ByName(loaded), ByName(Expected(values, key_present)));
    if (testing::Test::HasFailure()) return;
  }
}

// A name a damaged piece could set: the bare name before its '='.
std::optional<std::string> NameOnLine(std::string_view piece) {
  while (!piece.empty() &&
         (piece.front() == ' ' || piece.front() == '\t' || piece.front() == '\r')) {
    piece.remove_prefix(1);
  }
  if (piece.empty()) return std::nullopt;
  if (piece.front() == '[' || piece.front() == '"') return std::string("*");  // could be anything
  const size_t equals = piece.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  std::string name(piece.substr(0, equals));
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) name.pop_back();
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  return name;
}

TEST(SettingsFuzz, DamagedLinesLoseOnlyThemselves) {
  QuietErrors quiet;
  ScratchFolder scratch;
  const Values good{{"nm1", "A1u0t0o0r0"},
                    {"nm2", "V1e0g0a0"},
                    {"nm3", "R1i0"},
                    {"nm4", "D1e0n0"},
                    {"scores1", 90000},
                    {"scores2", 7000},
                    {"scores3", 650},
                    {"scores4", 12},
                    {"sound", 64},
                    {"music", 2},
                    {"speed", 150},
                    {"difficulty", 2},
                    {"full", 1}};
  std::vector<std::string> lines{kOurKey};
  for (const auto& [name, value] : good) {
    const auto* text = std::get_if<std::string>(&value);
    lines.push_back(name + " = " +
                    (text ? "string \"" + *text + "\""
                          : "integer " + std::to_string(std::get<int32_t>(value))));
  }
  int checked = 0;
  for (uint32_t seed = 1; seed <= 800; ++seed) {
    Generator g(seed);
    std::vector<std::string> mutated = lines;
    std::vector<bool> damaged(lines.size(), false);
    for (int n = 1 + g.Below(3); n > 0; --n) {
      const int at = g.Below(static_cast<int>(lines.size()));
      damaged[at] = true;
      std::string& line = mutated[at];
      for (int m = 1 + g.Below(4); m > 0; --m) {
        const size_t pos =
            line.empty() ? 0 : static_cast<size_t>(g.Below(static_cast<int>(line.size())));
        const char byte =
            static_cast<char>(g.Below(2) ? g.Below(256) : "\n[]\"=\\ 0-9"[g.Below(10)]);
        switch (g.Below(4)) {
          case 0:
            if (!line.empty()) line[pos] = byte;
            break;
          case 1:
            line.insert(pos, 1, byte);
            break;
          case 2:
            if (!line.empty()) line.erase(pos, 1 + g.Below(8));
            break;
          default:
            line.insert(pos, line.substr(pos, g.Below(30)));
            break;
        }
      }
    }
    std::string file;
    for (const std::string& line : mutated) file += line + "\n";
    const SavedSettings loaded = LoadFile(scratch.Path() / "s", file);
    ExpectInRange(loaded, file);

    // Every untouched value reads as written, unless a damaged piece names it too.
    std::set<std::string> unsure;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (!damaged[i]) continue;
      if (i == 0) unsure.insert("*");
      std::istringstream pieces(mutated[i]);
      for (std::string piece; std::getline(pieces, piece);) {
        if (auto name = NameOnLine(piece)) unsure.insert(*name);
      }
      if (const auto name = NameOnLine(lines[i])) unsure.insert(*name);
    }
    if (unsure.count("*") != 0) continue;
    ++checked;
    Values kept;
    for (const auto& [name, value] : good) {
      if (unsure.count(name) == 0) kept[name] = value;
    }
    const SavedSettings expected = Expected(kept, true);
    SCOPED_TRACE("seed " + std::to_string(seed) + "\n" + file);
    const Values read = ByName(loaded);
    for (const auto& [name, value] : ByName(expected)) {
      if (unsure.count(name) == 0) {
        EXPECT_EQ(read.at(name), value) << name;
      }
    }
    if (testing::Test::HasFailure()) return;
  }
  // A damaged header or a piece that could name anything leaves nothing to
  // compare; the rest must be most of the files, or this test checks little.
  EXPECT_GT(checked, 500);
}

}  // namespace
}  // namespace zephyrant
