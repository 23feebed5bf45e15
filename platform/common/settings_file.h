// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings store kept as a small text file the player can read and edit
// (settings_text.h). Plain C++ and POSIX, no SDL.
//
// Every save writes a whole new file under a fresh name beside the old one
// and renames it over, keeping the old file's permissions. Copies of the game
// running at once take turns at saving through a lock file, and each save
// stores its own writes over the file as it is then, so no copy undoes
// another's save. Nothing is read but a regular file, and no read can block.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "framework/platform.h"
#include "platform/common/settings_text.h"

namespace zephyrant {

// Where the player's settings live: $XDG_CONFIG_HOME/zephyrant when that is
// set to an absolute path, else $HOME/.config/zephyrant. Besides the
// screenshot folder's (screenshot_folder.h), this is the only place the game
// reads environment variables.
std::filesystem::path DefaultSettingsFolder();

class SettingsFile final : public SettingsStore {
 public:
  static constexpr const char* kFileName = "settings.ini";
  static constexpr const char* kDamagedName = "settings.ini.damaged";
  // Copies of the game take turns at saving by locking this file.
  static constexpr const char* kLockName = "settings.ini.lock";
  // A file longer than this is damaged as a whole: it is not read but kept
  // as kDamagedName, and every value takes its default.
  static constexpr size_t kMaxFileBytes = 1 << 20;
  // Strings longer than this read as damage; writes are cut to it.
  static constexpr size_t kMaxStringBytes = kMaxSettingsStringBytes;
  // How long a save waits for another copy of the game to finish its own.
  static constexpr std::chrono::milliseconds kLockWait{1000};

  explicit SettingsFile(std::filesystem::path folder,
                        std::chrono::milliseconds lock_wait = kLockWait);
  ~SettingsFile() override;
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  bool OpenKey(std::string_view path, bool create) override;
  bool CloseKey() override;
  std::string ReadString(std::string_view name) override;
  bool HasString(std::string_view name) override;
  std::optional<int32_t> ReadInteger(std::string_view name) override;
  void WriteString(std::string_view name, std::string_view value) override;
  void WriteInteger(std::string_view name, int32_t value) override;
  void BeginUpdate() override;
  void EndUpdate() override;

  std::filesystem::path FilePath() const { return folder_ / kFileName; }

 private:
  using Values = SettingsValues;
  using Keys = SettingsKeys;

  enum class LoadResult { kMissing, kLoaded, kUnreadable };
  LoadResult Load();
  void ReportDamage(const std::string& contents);
  bool KeepOverlong(uint64_t device, uint64_t inode);
  bool Save();
  // Empty when the lock is held, else why it could not be had.
  std::string TakeLock();
  void ReleaseLock();
  // Says `message` on stderr, the first time this run only.
  void Report(const std::string& message);

  std::filesystem::path folder_;
  std::chrono::milliseconds lock_wait_;
  Keys keys_;  // every key in the file, so saving one keeps the others
  std::string open_key_;
  Values* current_ = nullptr;
  Values writes_;  // written since the key was opened
  bool is_open_ = false;
  bool dirty_ = false;
  int lock_fd_ = -1;
  int update_depth_ = 0;
  bool lock_taken_by_update_ = false;
  std::string update_lock_trouble_;  // why the update's lock could not be had
  std::string reported_damage_;      // the damaged contents already kept and reported
  std::set<std::string> reported_;   // so each trouble is reported once a run
};

}  // namespace zephyrant
