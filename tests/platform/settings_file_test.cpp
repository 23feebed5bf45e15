// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKey = "\\Software\\Zephyrant\\";

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteText(const fs::path& path, std::string_view text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

int CountLines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zephyrant-settings-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
  }

  fs::path File() const { return folder_ / "settings.ini"; }

  fs::path folder_;
};

TEST_F(SettingsFileTest, ValuesOfBothTypesSurviveARestart) {
  const std::string awkward = "say \"hi\" C:\\games\\ line\nbreak\ttab \x01\x1f\x7f caf\xC3\xA9";
  {
    SettingsFile store(folder_);
    ASSERT_TRUE(store.OpenKey(kKey, true));
    store.WriteString("nm1", "A1u0t0o0r0");
    store.WriteString("awkward", awkward);
    store.WriteString("empty", "");
    store.WriteString("odd = name", "x");
    store.WriteInteger("scores1", 5840);
    store.WriteInteger("low", INT32_MIN);
    store.WriteInteger("high", INT32_MAX);
    ASSERT_TRUE(store.CloseKey());
  }
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, false));
  EXPECT_EQ(store.ReadString("nm1"), "A1u0t0o0r0");
  EXPECT_EQ(store.ReadString("awkward"), awkward);
  EXPECT_EQ(store.ReadString("empty"), "");
  EXPECT_EQ(store.ReadString("odd = name"), "x");
  EXPECT_EQ(store.ReadInteger("scores1"), 5840);
  EXPECT_EQ(store.ReadInteger("low"), INT32_MIN);
  EXPECT_EQ(store.ReadInteger("high"), INT32_MAX);
  // Missing values and values of the other type.
  EXPECT_EQ(store.ReadString("nm2"), "");
  EXPECT_EQ(store.ReadInteger("sound"), std::nullopt);
  EXPECT_EQ(store.ReadString("scores1"), "");
  EXPECT_EQ(store.ReadInteger("nm1"), std::nullopt);
  EXPECT_TRUE(store.CloseKey());
}

TEST_F(SettingsFileTest, FileIsPlainTextAPlayerCanEdit) {
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, true));
  store.WriteString("nm1", "A1u0t0o0r0");
  store.WriteInteger("scores1", 5840);
  ASSERT_TRUE(store.CloseKey());
  const std::string text = ReadText(File());
  EXPECT_NE(text.find("[Software\\Zephyrant]\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nnm1 = string \"A1u0t0o0r0\"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nscores1 = integer 5840\n"), std::string::npos) << text;

  // What an editor might leave behind: comments, spacing, other case, CRLF
  // line ends, a leading '+', no newline at the end.
  WriteText(File(),
            "# mine\r\n\r\n  [ software\\zephyrant ]  \r\n"
            "Sound=Integer +90\r\n  nm2 =string   \"Bob\"  \r\nspeed = integer -3");
  SettingsFile edited(folder_);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(edited.OpenKey(kKey, false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(edited.ReadInteger("sound"), 90);
  EXPECT_EQ(edited.ReadString("nm2"), "Bob");
  EXPECT_EQ(edited.ReadInteger("speed"), -3);
}

TEST_F(SettingsFileTest, OpeningWithoutCreatingNeedsTheFileAndTheKey) {
  const fs::path nested = folder_ / "config" / "zephyrant";
  SettingsFile store(nested);
  EXPECT_FALSE(store.OpenKey(kKey, false));
  EXPECT_FALSE(fs::exists(nested));
  EXPECT_EQ(store.ReadString("nm1"), "");  // nothing open: nothing to read

  ASSERT_TRUE(store.OpenKey(kKey, true));
  EXPECT_TRUE(fs::is_directory(nested));
  ASSERT_TRUE(store.CloseKey());

  EXPECT_TRUE(store.OpenKey(kKey, false));  // the created key was stored, even empty
  EXPECT_TRUE(store.CloseKey());
  EXPECT_FALSE(store.OpenKey("\\Software\\Other\\", false));
}

TEST_F(SettingsFileTest, SavingOneKeyKeepsTheOthers) {
  WriteText(File(), "[Other\\Game]\nlevel = integer 4\n[Software\\Zephyrant]\nsound = integer 1\n");
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, false));
  store.WriteInteger("sound", 70);
  ASSERT_TRUE(store.CloseKey());
  ASSERT_TRUE(store.OpenKey("\\Other\\Game\\", false));
  EXPECT_EQ(store.ReadInteger("level"), 4);
}

TEST_F(SettingsFileTest, WritesWaitForCloseKey) {
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, true));
  store.WriteInteger("sound", 50);
  ASSERT_TRUE(store.CloseKey());
  const std::string saved = ReadText(File());

  ASSERT_TRUE(store.OpenKey(kKey, false));
  store.WriteInteger("sound", 60);
  EXPECT_EQ(store.ReadInteger("sound"), 60);
  EXPECT_EQ(ReadText(File()), saved);
  ASSERT_TRUE(store.CloseKey());
  SettingsFile next(folder_);
  ASSERT_TRUE(next.OpenKey(kKey, false));
  EXPECT_EQ(next.ReadInteger("sound"), 60);
}

TEST_F(SettingsFileTest, FailedSaveKeepsThePreviousFile) {
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, true));
  store.WriteInteger("sound", 50);
  ASSERT_TRUE(store.CloseKey());
  const std::string saved = ReadText(File());

  // Saves take turns by a lock file, and a folder stands in its place.
  fs::remove(folder_ / "settings.ini.lock");
  fs::create_directory(folder_ / "settings.ini.lock");
  ASSERT_TRUE(store.OpenKey(kKey, false));
  store.WriteInteger("sound", 60);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(store.CloseKey());
  EXPECT_EQ(CountLines(::testing::internal::GetCapturedStderr()), 1);
  EXPECT_EQ(ReadText(File()), saved);
  EXPECT_TRUE(fs::is_directory(folder_ / "settings.ini.lock"));  // not ours to remove
  fs::remove(folder_ / "settings.ini.lock");

  // The folder cannot be written to.
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  ASSERT_TRUE(store.OpenKey(kKey, false));
  store.WriteInteger("sound", 70);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(store.CloseKey());
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadText(File()), saved);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
      << "nothing but the settings file is left behind";
}

// Each kind of trouble is said once a run, however often the game saves.
TEST_F(SettingsFileTest, SaveTroubleIsReportedOnceARun) {
  // The settings folder cannot be made: a file stands where it would go,
  // as when XDG_CONFIG_HOME names a file.
  WriteText(folder_ / "config", "not a folder");
  SettingsFile nowhere(folder_ / "config" / "zephyrant");
  ::testing::internal::CaptureStderr();
  for (int save = 0; save < 3; ++save) {
    EXPECT_FALSE(nowhere.OpenKey(kKey, true));
  }
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(CountLines(said), 1) << said;
  EXPECT_NE(said.find((folder_ / "config" / "zephyrant").string()), std::string::npos) << said;

  // A folder the game may not write to.
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, true));
  ASSERT_TRUE(store.CloseKey());
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  ::testing::internal::CaptureStderr();
  for (int save = 0; save < 3; ++save) {
    ASSERT_TRUE(store.OpenKey(kKey, false));
    store.WriteInteger("sound", 10 + save);
    EXPECT_FALSE(store.CloseKey());
  }
  EXPECT_EQ(CountLines(::testing::internal::GetCapturedStderr()), 1);
}

TEST_F(SettingsFileTest, DamagedFileKeepsReadableValuesAndACopy) {
  const std::string damaged =
      "[Software\\Zephyrant]\n"
      "nm1 = string \"Ace\"\n"
      "this line means nothing\n"
      "nm2 = string \"unterminated\n"
      "nm3 = string \"bad \\q escape\"\n"
      "scores1 = integer 2147483648\n"
      "scores2 = integer 12abc\n"
      "\x01\x02\xff\xfe binary\n"
      "sound = integer 80\n"
      "music = string \"" +
      std::string(SettingsFile::kMaxStringBytes + 1, 'm') +
      "\"\n"
      "speed = integer 90\n";
  WriteText(File(), damaged);

  SettingsFile store(folder_);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(store.OpenKey(kKey, false));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(CountLines(said), 1) << said;
  EXPECT_NE(said.find("damaged"), std::string::npos) << said;
  EXPECT_NE(said.find(File().string()), std::string::npos) << said;
  EXPECT_EQ(ReadText(folder_ / "settings.ini.damaged"), damaged);

  EXPECT_EQ(store.ReadString("nm1"), "Ace");
  EXPECT_EQ(store.ReadInteger("sound"), 80);
  EXPECT_EQ(store.ReadInteger("speed"), 90);
  EXPECT_EQ(store.ReadString("nm2"), "");
  EXPECT_EQ(store.ReadString("nm3"), "");
  EXPECT_EQ(store.ReadInteger("scores1"), std::nullopt);
  EXPECT_EQ(store.ReadInteger("scores2"), std::nullopt);
  EXPECT_EQ(store.ReadString("music"), "");
  EXPECT_TRUE(store.CloseKey());
  EXPECT_EQ(ReadText(File()), damaged) << "reading alone must not rewrite the file";

  // The same damage is reported once; a save then writes a clean file and
  // leaves the copy for the player.
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(store.OpenKey(kKey, false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  store.WriteInteger("sound", 81);
  ASSERT_TRUE(store.CloseKey());
  SettingsFile next(folder_);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(next.OpenKey(kKey, false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(next.ReadString("nm1"), "Ace");
  EXPECT_EQ(next.ReadInteger("sound"), 81);
  EXPECT_EQ(ReadText(folder_ / "settings.ini.damaged"), damaged);
}

TEST_F(SettingsFileTest, OverlongFileIsDamagedAsAWholeAndKeptAside) {
  std::string text = "[Software\\Zephyrant]\nnm1 = string \"Ace\"\n";
  while (text.size() <= SettingsFile::kMaxFileBytes) text += "; padding padding padding\n";
  WriteText(File(), text);
  SettingsFile store(folder_);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(store.OpenKey(kKey, false)) << "nothing in it is read";
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(CountLines(said), 1) << said;
  EXPECT_NE(said.find("damaged"), std::string::npos) << said;
  EXPECT_EQ(ReadText(folder_ / "settings.ini.damaged"), text);

  // The next save starts afresh and leaves the copy alone.
  ASSERT_TRUE(store.OpenKey(kKey, true));
  store.WriteInteger("sound", 80);
  ASSERT_TRUE(store.CloseKey());
  SettingsFile next(folder_);
  ASSERT_TRUE(next.OpenKey(kKey, false));
  EXPECT_EQ(next.ReadInteger("sound"), 80);
  EXPECT_EQ(next.ReadString("nm1"), "");
  EXPECT_EQ(ReadText(folder_ / "settings.ini.damaged"), text);
}

TEST_F(SettingsFileTest, StringsAtTheLengthCapAreKept) {
  const std::string longest(SettingsFile::kMaxStringBytes, 'n');
  SettingsFile store(folder_);
  ASSERT_TRUE(store.OpenKey(kKey, true));
  store.WriteString("nm1", longest);
  store.WriteString("nm2", longest + "more");  // cut to the cap rather than lost
  ASSERT_TRUE(store.CloseKey());
  SettingsFile next(folder_);
  ::testing::internal::CaptureStderr();
  ASSERT_TRUE(next.OpenKey(kKey, false));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(next.ReadString("nm1"), longest);
  EXPECT_EQ(next.ReadString("nm2"), longest);
}

// Random damage to a valid file never crashes the reader, and every value
// whose line the damage did not reach still reads as it was written.
TEST_F(SettingsFileTest, RandomDamageSparesUntouchedValues) {
  struct Line {
    std::string text;
    std::string name;  // empty for the comment and key lines
    std::variant<std::string, int32_t> value;
  };
  // No name here can become another by one changed byte, a cut or an insertion.
  const std::vector<Line> lines = {
      {"; settings", "", 0},
      {"[Software\\Zephyrant]", "", 0},
      {"pilot = string \"Ace \\\"Red\\\" One\"", "pilot", "Ace \"Red\" One"},
      {"hangar = integer 42", "hangar", 42},
      {"reactor = string \"core\\\\temp\\x01\"", "reactor", "core\\temp\x01"},
      {"shield = integer -7", "shield", -7},
      {"thrust = string \"full\"", "thrust", "full"},
      {"vector = integer 2147483647", "vector", INT32_MAX},
      {"plasma = string \"caf\xC3\xA9\"", "plasma", "caf\xC3\xA9"},
      {"orbit = integer -2147483648", "orbit", INT32_MIN},
  };
  constexpr size_t kKeyLine = 1;

  std::mt19937 random(20240611);
  const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  const auto junk = [&](size_t length) {
    std::string bytes;
    for (size_t i = 0; i < length; ++i) {
      const char c = static_cast<char>(random() & 0xFF);
      bytes += c == '[' ? '?' : c;  // a new key line would move the values after it
    }
    return bytes;
  };

  for (int round = 0; round < 2000; ++round) {
    std::string text;
    std::vector<size_t> starts;
    for (const Line& line : lines) {
      starts.push_back(text.size());
      text += line.text + "\n";
    }
    const size_t hit = pick(lines.size());
    const size_t at = starts[hit] + pick(lines[hit].text.size());
    bool later_lines_lost = false;
    switch (pick(6)) {
      case 0:
        text[at] = static_cast<char>(random() & 0xFF);
        break;
      case 1:
        text.resize(at);
        later_lines_lost = true;
        break;
      case 2:
        text.insert(at, "99999999999999999999");
        break;
      case 3:
        text.insert(at, std::string(4000 + pick(80000), pick(2) ? '7' : 'x'));
        break;
      case 4:
        text.insert(at, junk(1 + pick(64)));
        break;
      case 5:
        text.insert(at, std::string(1, '\0') + "\"\\");
        break;
    }
    WriteText(File(), text);

    SettingsFile store(folder_);
    ::testing::internal::CaptureStderr();
    const bool opened = store.OpenKey(kKey, false);
    for (size_t i = 0; i < lines.size(); ++i) {
      const Line& line = lines[i];
      if (line.name.empty()) continue;
      const std::string text_read = store.ReadString(line.name);
      const std::optional<int32_t> number_read = store.ReadInteger(line.name);
      const bool untouched = hit != kKeyLine && i != hit && !(later_lines_lost && i > hit);
      if (!untouched) continue;
      ASSERT_TRUE(opened) << "round " << round;
      if (const auto* expected = std::get_if<std::string>(&line.value)) {
        ASSERT_EQ(text_read, *expected) << "round " << round << " line " << i;
      } else {
        ASSERT_EQ(number_read, std::get<int32_t>(line.value)) << "round " << round << " line " << i;
      }
    }
    if (opened) store.CloseKey();
    const std::string said = ::testing::internal::GetCapturedStderr();
    ASSERT_LE(CountLines(said), 1) << said;
  }
}

TEST(DefaultSettingsFolderTest, FollowsTheConfigHome) {
  const auto saved = [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
  };
  const auto restore = [](const char* name, const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name, value->c_str(), 1);
    } else {
      ::unsetenv(name);
    }
  };
  const auto config = saved("XDG_CONFIG_HOME");
  const auto home = saved("HOME");

  ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
  ::setenv("HOME", "/home/pilot", 1);
  EXPECT_EQ(DefaultSettingsFolder(), fs::path("/somewhere/config/zephyrant"));
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);  // not absolute: ignored
  EXPECT_EQ(DefaultSettingsFolder(), fs::path("/home/pilot/.config/zephyrant"));
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(DefaultSettingsFolder(), fs::path("/home/pilot/.config/zephyrant"));

  restore("XDG_CONFIG_HOME", config);
  restore("HOME", home);
}

}  // namespace
}  // namespace zephyrant
