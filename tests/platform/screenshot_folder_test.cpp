// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/screenshot_folder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "framework/surface.h"
#include "tests/runner/png_reader.h"

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

// 2026-12-07 20:31:05 in the local time zone.
std::time_t ShotTime() {
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

constexpr const char* kFirstName = "zephyrant-2026-12-07_20-31-05.png";

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// A picture with something different in every row and column, so that a
// shot of another surface or a shifted one cannot pass for it.
Surface Pattern(uint32_t salt) {
  Surface surface(kSurfaceWidth, kSurfaceHeight);
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      surface.Row(y)[x] = ((x * 7 + salt) & 0xFF) << 16 | ((y * 3) & 0xFF) << 8 | ((x ^ y) & 0xFF);
    }
  }
  return surface;
}

void ExpectPicture(const fs::path& path, const Surface& surface) {
  const testing::RgbPicture picture = testing::ReadPng(ReadBytes(path));
  ASSERT_EQ(picture.width, surface.Width());
  ASSERT_EQ(picture.height, surface.Height());
  int wrong = 0;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) wrong += picture.At(x, y) != surface.At(x, y);
  }
  EXPECT_EQ(wrong, 0) << path;
}

std::set<std::string> Names(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class ScreenshotFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zephyrant-shots-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
  }

  ScreenshotFolder Folder(const fs::path& folder) {
    return ScreenshotFolder(folder, [] { return ShotTime(); });
  }

  // Saves a shot and returns what it said on stderr.
  static std::string SaveTelling(ScreenshotFolder& shots, const Surface& surface) {
    ::testing::internal::CaptureStderr();
    shots.Save(surface);
    return ::testing::internal::GetCapturedStderr();
  }

  fs::path root_;
};

TEST(ScreenshotName, DateAndTimeThenACountWithinTheSecond) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 0;
  when.tm_mday = 2;
  when.tm_hour = 3;
  when.tm_min = 4;
  when.tm_sec = 9;
  EXPECT_EQ(ScreenshotName(when, 1), "zephyrant-2026-01-02_03-04-09.png");
  EXPECT_EQ(ScreenshotName(when, 2), "zephyrant-2026-01-02_03-04-09-2.png");
  EXPECT_EQ(ScreenshotName(when, 12), "zephyrant-2026-01-02_03-04-09-12.png");
}

TEST_F(ScreenshotFolderTest, ShotDecodesToTheSurfacePixelForPixel) {
  ScreenshotFolder shots = Folder(root_);
  const Surface surface = Pattern(0);
  EXPECT_EQ(SaveTelling(shots, surface), "");
  EXPECT_EQ(shots.LastSaved(), root_ / kFirstName);
  ExpectPicture(root_ / kFirstName, surface);
  EXPECT_EQ(Names(root_), std::set<std::string>{kFirstName});
}

TEST_F(ScreenshotFolderTest, ShotsInOneSecondEachGetANameOfTheirOwn) {
  ScreenshotFolder shots = Folder(root_);
  const Surface first = Pattern(1);
  const Surface second = Pattern(2);
  const Surface third = Pattern(3);
  shots.Save(first);
  shots.Save(second);
  shots.Save(third);
  EXPECT_EQ(shots.LastSaved().filename(), "zephyrant-2026-12-07_20-31-05-3.png");
  ExpectPicture(root_ / kFirstName, first);
  ExpectPicture(root_ / "zephyrant-2026-12-07_20-31-05-2.png", second);
  ExpectPicture(root_ / "zephyrant-2026-12-07_20-31-05-3.png", third);
  EXPECT_EQ(Names(root_).size(), 3u);
}

TEST_F(ScreenshotFolderTest, WhatIsAtAShotsNameIsNeverReplaced) {
  { std::ofstream(root_ / kFirstName) << "the player's own file"; }
  // A link at the next name is not followed into its target.
  fs::create_symlink(root_ / "elsewhere.png", root_ / "zephyrant-2026-12-07_20-31-05-2.png");
  ScreenshotFolder shots = Folder(root_);
  const Surface surface = Pattern(4);
  EXPECT_EQ(SaveTelling(shots, surface), "");
  EXPECT_EQ(shots.LastSaved().filename(), "zephyrant-2026-12-07_20-31-05-3.png");
  ExpectPicture(shots.LastSaved(), surface);
  const std::vector<uint8_t> kept = ReadBytes(root_ / kFirstName);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "the player's own file");
  EXPECT_FALSE(fs::exists(root_ / "elsewhere.png"));
}

TEST_F(ScreenshotFolderTest, MissingFoldersAreMadeForThePlayerAlone) {
  const fs::path folder = root_ / "data" / "zephyrant" / "screenshots";
  ScreenshotFolder shots = Folder(folder);
  EXPECT_EQ(SaveTelling(shots, Pattern(5)), "");
  ASSERT_TRUE(fs::exists(folder / kFirstName));
  for (const fs::path& made : {root_ / "data", root_ / "data" / "zephyrant", folder}) {
    struct stat info {};
    ASSERT_EQ(::stat(made.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
  }
}

TEST_F(ScreenshotFolderTest, ShotFilesAreReadableAsTheUmaskAllows) {
  const mode_t old_mask = ::umask(022);
  ScreenshotFolder shots = Folder(root_);
  shots.Save(Pattern(7));
  ::umask(old_mask);
  struct stat info {};
  ASSERT_EQ(::stat(shots.LastSaved().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
}

TEST_F(ScreenshotFolderTest, AFolderThatCannotBeMadeCostsOneLineAndNothingElse) {
  { std::ofstream(root_ / "data") << "a file where a folder should be"; }
  const fs::path folder = root_ / "data" / "screenshots";
  ScreenshotFolder shots = Folder(folder);
  const std::string told = SaveTelling(shots, Pattern(8));
  EXPECT_EQ(
      told.rfind("zephyrant: cannot save screenshot " + (folder / kFirstName).string() + ": ", 0),
      0u)
      << told;
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  EXPECT_TRUE(shots.LastSaved().empty());
  EXPECT_EQ(Names(root_), std::set<std::string>{"data"});
  // The next shot tries again, and tells again.
  EXPECT_NE(SaveTelling(shots, Pattern(8)), "");
}

TEST_F(ScreenshotFolderTest, AWriteThatFailsHalfWayLeavesNoFileBehind) {
  ScreenshotFolder shots = Folder(root_);
  // Files may grow to 4 KiB only: the picture (over 1 MB unpacked, far more
  // than 4 KiB packed) cannot be written whole.
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  const auto old_signal = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old_limit;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string told = SaveTelling(shots, Pattern(9));
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  ::signal(SIGXFSZ, old_signal);

  EXPECT_EQ(
      told.rfind("zephyrant: cannot save screenshot " + (root_ / kFirstName).string() + ": ", 0),
      0u)
      << told;
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  EXPECT_TRUE(Names(root_).empty()) << "left behind: " << *Names(root_).begin();
  // With room again the same name is free for the next shot.
  shots.Save(Pattern(9));
  EXPECT_EQ(shots.LastSaved(), root_ / kFirstName);
}

TEST_F(ScreenshotFolderTest, AReadOnlyFolderCostsOneLineAndNothingElse) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not hold the super-user back";
  fs::permissions(root_, fs::perms::owner_read | fs::perms::owner_exec);
  ScreenshotFolder shots = Folder(root_);
  const std::string told = SaveTelling(shots, Pattern(10));
  EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1) << told;
  EXPECT_NE(told.find("cannot save screenshot"), std::string::npos) << told;
  EXPECT_TRUE(Names(root_).empty());
}

// Sets an environment variable (or unsets it, for no value) for one test.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~ScopedEnv() { Set(old_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) {
      ::setenv(name_, value->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DefaultScreenshotFolder, FollowsAnAbsoluteXdgDataHomeElseHome) {
  const ScopedEnv home("HOME", "/home/pilot");
  const fs::path fallback = "/home/pilot/.local/share/zephyrant/screenshots";
  {
    const ScopedEnv data("XDG_DATA_HOME", "/srv/data");
    EXPECT_EQ(DefaultScreenshotFolder(), fs::path("/srv/data/zephyrant/screenshots"));
  }
  {
    const ScopedEnv data("XDG_DATA_HOME", "");
    EXPECT_EQ(DefaultScreenshotFolder(), fallback);
  }
  {
    const ScopedEnv data("XDG_DATA_HOME", "data");
    EXPECT_EQ(DefaultScreenshotFolder(), fallback);
  }
  {
    const ScopedEnv data("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(DefaultScreenshotFolder(), fallback);
  }
}

}  // namespace
}  // namespace zephyrant
