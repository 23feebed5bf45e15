// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file shared: with what other programs leave beside it, and
// with other copies of the game saving at the same time.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/common/settings_file.h"

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

class SharedSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "zephyrant-shared-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    // A named pipe opened for reading or writing would hold the game up for
    // good; the alarm turns that into a failure.
    ::alarm(60);
  }
  void TearDown() override {
    ::alarm(0);
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }

  fs::path File() const { return folder_ / SettingsFile::kFileName; }

  // One save of `name` = `value` by a copy of the game of its own.
  bool Save(std::string_view name, int32_t value) {
    SettingsFile store(folder_);
    if (!store.OpenKey(kKey, true)) return false;
    store.WriteInteger(name, value);
    return store.CloseKey();
  }
  std::optional<int32_t> Saved(std::string_view name) {
    SettingsFile store(folder_);
    if (!store.OpenKey(kKey, false)) return std::nullopt;
    return store.ReadInteger(name);
  }

  fs::path folder_;
};

TEST_F(SharedSettingsTest, NothingLeftBesideTheFileIsFollowedOrOpened) {
  ASSERT_TRUE(Save("sound", 50));
  const fs::path victim = folder_ / "victim";
  WriteText(victim, "mine");
  // Links and pipes at the names a save might write through first.
  for (const char* name : {"settings.ini.tmp", "settings.ini.new", "settings.ini~"}) {
    fs::create_symlink(victim, folder_ / (std::string(name) + "-link"));
    fs::create_symlink(victim, folder_ / name);
  }
  ASSERT_EQ(::mkfifo((folder_ / "settings.ini.tmp.pipe").c_str(), 0600), 0);
  ASSERT_TRUE(Save("sound", 60));
  EXPECT_EQ(Saved("sound"), 60);
  EXPECT_EQ(ReadText(victim), "mine");
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(File())));
  fs::remove(folder_ / "settings.ini.tmp");
  ASSERT_EQ(::mkfifo((folder_ / "settings.ini.tmp").c_str(), 0600), 0);
  EXPECT_TRUE(Save("sound", 70));
  EXPECT_EQ(Saved("sound"), 70);

  // Nor is a link or a pipe at the lock's name: no save is made then.
  fs::remove(folder_ / SettingsFile::kLockName);
  fs::create_symlink(victim, folder_ / SettingsFile::kLockName);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(Save("sound", 80));
  EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
  fs::remove(folder_ / SettingsFile::kLockName);
  ASSERT_EQ(::mkfifo((folder_ / SettingsFile::kLockName).c_str(), 0600), 0);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(Save("sound", 80));
  EXPECT_NE(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(ReadText(victim), "mine");
  EXPECT_EQ(Saved("sound"), 70);

  // A pipe in place of the settings file itself is not read, nor replaced.
  fs::remove(folder_ / SettingsFile::kLockName);
  fs::remove(File());
  ASSERT_EQ(::mkfifo(File().c_str(), 0600), 0);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(Save("sound", 90));
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("named pipe"), std::string::npos);
  EXPECT_EQ(fs::status(File()).type(), fs::file_type::fifo);
}

TEST_F(SharedSettingsTest, SavingKeepsTheFilesPermissions) {
  ASSERT_TRUE(Save("sound", 50));
  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(Save("sound", 60));
  EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
  ASSERT_TRUE(Save("sound", 70));
  EXPECT_EQ(fs::status(File()).permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                  fs::perms::group_read | fs::perms::others_read);
}

TEST_F(SharedSettingsTest, AnotherCopysSaveWhileAKeyIsOpenStays) {
  ASSERT_TRUE(Save("sound", 50));
  SettingsFile options(folder_);
  SettingsFile scores(folder_);
  ASSERT_TRUE(options.OpenKey(kKey, false));
  ASSERT_TRUE(scores.OpenKey(kKey, false));
  scores.WriteInteger("scores1", 9000);
  ASSERT_TRUE(scores.CloseKey());
  options.WriteInteger("sound", 40);
  ASSERT_TRUE(options.CloseKey());
  EXPECT_EQ(Saved("scores1"), 9000);
  EXPECT_EQ(Saved("sound"), 40);
}

// Runs `work` in `copies` processes of their own at once; true when each
// of them said it went well.
template <class Work>
bool InCopies(int copies, Work work) {
  std::vector<pid_t> children;
  for (int copy = 0; copy < copies; ++copy) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(work(copy) ? 0 : 1);
    if (child < 0) return false;
    children.push_back(child);
  }
  bool all_well = true;
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    all_well = all_well && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return all_well;
}

TEST_F(SharedSettingsTest, CopiesSavingAtOnceNeverReadAHalfWrittenFileNorLoseASave) {
  constexpr int kSaves = 40;
  ASSERT_TRUE(Save("reads", 0));
  // Two copies save their own values over and over while a third reads.
  const bool well = InCopies(3, [&](int copy) {
    if (copy == 2) {
      for (int read = 0; read < 4 * kSaves; ++read) {
        SettingsFile store(folder_);
        if (!store.OpenKey(kKey, false) || !store.ReadInteger("reads")) return false;
        store.CloseKey();
      }
      return true;
    }
    const std::string name = "copy" + std::to_string(copy);
    for (int save = 1; save <= kSaves; ++save) {
      if (!Save(name, save)) return false;
    }
    return true;
  });
  EXPECT_TRUE(well);
  EXPECT_EQ(Saved("copy0"), kSaves);
  EXPECT_EQ(Saved("copy1"), kSaves);
  EXPECT_FALSE(fs::exists(folder_ / SettingsFile::kDamagedName));
}

TEST_F(SharedSettingsTest, AnUpdateKeepsOtherCopiesOutUntilItEnds) {
  constexpr int kUpdates = 30;
  ASSERT_TRUE(Save("count", 0));
  // Each copy reads the count, and adds one in a second opening.
  EXPECT_TRUE(InCopies(2, [&](int) {
    SettingsFile store(folder_);
    for (int update = 0; update < kUpdates; ++update) {
      const SettingsUpdate held(store);
      if (!store.OpenKey(kKey, false)) return false;
      const std::optional<int32_t> count = store.ReadInteger("count");
      store.CloseKey();
      if (!count || !store.OpenKey(kKey, true)) return false;
      store.WriteInteger("count", *count + 1);
      if (!store.CloseKey()) return false;
    }
    return true;
  }));
  EXPECT_EQ(Saved("count"), 2 * kUpdates);

  // One that holds on longer than another will wait makes that save fail,
  // with one line, and leaves the file as it was.
  SettingsFile holder(folder_);
  SettingsFile waiting(folder_, std::chrono::milliseconds(50));
  holder.BeginUpdate();
  ASSERT_TRUE(waiting.OpenKey(kKey, false));
  waiting.WriteInteger("count", -1);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(waiting.CloseKey());
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  holder.EndUpdate();
  EXPECT_EQ(Saved("count"), 2 * kUpdates);
  ASSERT_TRUE(waiting.OpenKey(kKey, false));
  waiting.WriteInteger("count", -1);
  EXPECT_TRUE(waiting.CloseKey());
}

}  // namespace
}  // namespace zephyrant
