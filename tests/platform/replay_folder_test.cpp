// SPDX-License-Identifier: GPL-3.0-or-later
// The player's last games' replays: each saved under a name of its own, in a
// folder only the player may enter, the newest fifty kept and nothing else in
// the folder touched.

#include "platform/common/replay_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

// 2026-12-07 20:31:05 in the local time zone.
std::time_t SaveTime() {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 11;
  when.tm_mday = 7;
  when.tm_hour = 20;
  when.tm_min = 31;
  when.tm_sec = 5;
  when.tm_isdst = -1;
  return std::mktime(&when);
}

Replay Game(int32_t score) {
  Replay replay;
  replay.game_version = std::string(GameVersion());
  replay.final_score = score;
  return replay;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class ReplayFolderTest : public ::testing::Test {
 protected:
  fs::path Folder() const { return scratch_.Path() / "data" / "zephyrant" / "replays"; }
  ReplayFolder Replays() const {
    return ReplayFolder(Folder(), [] { return SaveTime(); });
  }
  ScratchFolder scratch_;
};

TEST(ReplayName, DateTimeAndScoreThenACountWithinTheSecond) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 0;
  when.tm_mday = 2;
  when.tm_hour = 3;
  when.tm_min = 4;
  when.tm_sec = 5;
  EXPECT_EQ(ReplayName(when, 15840, 1), "zephyrant-2026-01-02_03-04-05-15840.zrp");
  EXPECT_EQ(ReplayName(when, 0, 3), "zephyrant-2026-01-02_03-04-05-0-3.zrp");
}

TEST_F(ReplayFolderTest, EachGameGetsAFileOfItsOwnInAPrivateFolder) {
  ReplayFolder replays = Replays();
  const fs::path first = replays.Save(Game(15840));
  EXPECT_EQ(first, Folder() / "zephyrant-2026-12-07_20-31-05-15840.zrp");
  EXPECT_EQ(ReadReplayFile(first, GameVersion()), Game(15840));
  // Another game in the same second, and one whose name is taken by a file
  // that is not ours: neither replaces anything.
  std::ofstream(Folder() / "zephyrant-2026-12-07_20-31-05-7.zrp") << "the player's own";
  EXPECT_EQ(replays.Save(Game(15840)).filename(), "zephyrant-2026-12-07_20-31-05-15840-2.zrp");
  EXPECT_EQ(replays.Save(Game(7)).filename(), "zephyrant-2026-12-07_20-31-05-7-2.zrp");
  std::ifstream kept(Folder() / "zephyrant-2026-12-07_20-31-05-7.zrp");
  std::string text;
  std::getline(kept, text);
  EXPECT_EQ(text, "the player's own");
  for (const fs::path& folder : {Folder(), Folder().parent_path()}) {
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << folder;
  }
}

TEST_F(ReplayFolderTest, OnlyTheNewestFiftyOfTheGamesOwnStay) {
  fs::create_directories(Folder());
  // Fifty-five older replays, a day apart, some with a count in their second.
  std::set<std::string> old;
  for (int day = 1; day <= 55; ++day) {
    std::tm when{};
    when.tm_year = 2025 - 1900;
    when.tm_mon = day / 28;
    when.tm_mday = 1 + day % 28;
    const std::string name = ReplayName(when, day * 10, day % 3 == 0 ? 2 : 1);
    std::ofstream(Folder() / name) << "old";
    old.insert(name);
  }
  // What the game did not name, or is no plain file: never touched.
  const std::set<std::string> foreign = {"notes.txt", "zephyrant-2020-01-01_00-00-00-5.zrp.bak",
                                         "zephyrant-2020-01-01_00-00-00.zrp",
                                         "zephyrant-2020-01-01_00-00-00-x.zrp"};
  for (const std::string& name : foreign) std::ofstream(Folder() / name) << "keep";
  fs::create_directory(Folder() / "zephyrant-2019-01-01_00-00-00-1.zrp");
  fs::create_symlink(scratch_.Path(), Folder() / "zephyrant-2019-01-01_00-00-01-1.zrp");

  const fs::path saved = Replays().Save(Game(99));
  ASSERT_FALSE(saved.empty());
  const std::set<std::string> names = Names(Folder());
  for (const std::string& name : foreign) EXPECT_EQ(names.count(name), 1u) << name;
  EXPECT_EQ(names.count("zephyrant-2019-01-01_00-00-00-1.zrp"), 1u);
  EXPECT_EQ(names.count("zephyrant-2019-01-01_00-00-01-1.zrp"), 1u);
  EXPECT_EQ(names.count(saved.filename().string()), 1u);
  // The six oldest went: the 55 old and the new one make 56.
  int old_left = 0;
  for (const std::string& name : old) old_left += static_cast<int>(names.count(name));
  EXPECT_EQ(old_left, ReplayFolder::kKeep - 1);
  for (auto it = old.begin(); it != std::next(old.begin(), 6); ++it) {
    EXPECT_EQ(names.count(*it), 0u) << *it << " is among the oldest";
  }
}

TEST_F(ReplayFolderTest, AFolderThatCannotBeMadeCostsOneLine) {
  fs::create_directories(Folder().parent_path());
  std::ofstream(Folder()) << "a file where the folder should be";
  testing::internal::CaptureStderr();
  EXPECT_TRUE(Replays().Save(Game(1)).empty());
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(said.rfind("zephyrant: cannot save the replay ", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(DefaultReplayFolder, BesideTheScreenshotsInTheDataFolder) {
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string kept = old != nullptr ? old : "";
  ::setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(DefaultReplayFolder(), fs::path("/srv/data/zephyrant/replays"));
  ::setenv("XDG_DATA_HOME", "data", 1);
  EXPECT_EQ(DefaultReplayFolder().filename(), "replays");
  EXPECT_TRUE(DefaultReplayFolder().is_absolute() || std::getenv("HOME") == nullptr);
  if (old != nullptr) {
    ::setenv("XDG_DATA_HOME", kept.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
}

}  // namespace
}  // namespace zephyrant
