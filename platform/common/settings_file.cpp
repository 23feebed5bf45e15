// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/settings_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <system_error>

#include "framework/bounded_file.h"
#include "platform/common/replace_file.h"
#include "platform/common/settings_text.h"

namespace zephyrant {

namespace {

namespace fs = std::filesystem;

// Permission bits for a settings file made new, as any file the player makes.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0644 & ~mask;
}

// Permission bits for a file that replaces `path`: its own when it is there.
mode_t ReplacingMode(const fs::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
  return NewFileMode();
}

}  // namespace

fs::path DefaultSettingsFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && fs::path(config).is_absolute()) return fs::path(config) / "zephyrant";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return fs::path(home) / ".config" / "zephyrant";
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return fs::path(user->pw_dir) / ".config" / "zephyrant";
  }
  return fs::path("zephyrant");
}

SettingsFile::SettingsFile(fs::path folder, std::chrono::milliseconds lock_wait)
    : folder_(std::move(folder)), lock_wait_(lock_wait) {}

SettingsFile::~SettingsFile() {
  ReleaseLock();
}

void SettingsFile::Report(const std::string& message) {
  if (reported_.insert(message).second) std::cerr << message << '\n';
}

SettingsFile::LoadResult SettingsFile::Load() {
  keys_.clear();
  const fs::path path = FilePath();
  BoundedFile file = ReadBoundedFile(path.string(), kMaxFileBytes);
  // Nothing in a file this long can be trusted. Once it is kept aside it is
  // as if there were none, unless another copy of the game has just saved a
  // new one in its place.
  if (file.Read() && file.size > kMaxFileBytes) {
    if (!KeepOverlong(file.device, file.inode)) return LoadResult::kUnreadable;
    file = ReadBoundedFile(path.string(), kMaxFileBytes);
    if (file.Read() && file.size > kMaxFileBytes) return LoadResult::kUnreadable;
  }
  if (file.status == BoundedFile::Status::kMissing) return LoadResult::kMissing;
  if (!file.Read()) {
    Report("zephyrant: cannot read settings file " + path.string() + " (" + file.problem +
           "); settings will not be saved");
    return LoadResult::kUnreadable;
  }

  const bool damaged = !ParseSettingsText(file.bytes, keys_);
  if (damaged) ReportDamage(file.bytes);
  return LoadResult::kLoaded;
}

// Keeps the damaged file for the player, once for each damage, and says so on
// one line. The values that could be read are used; the rest take defaults.
void SettingsFile::ReportDamage(const std::string& contents) {
  if (contents == reported_damage_) return;
  reported_damage_ = contents;
  const fs::path copy = folder_ / kDamagedName;
  const BoundedFile kept = ReadBoundedFile(copy.string(), kMaxFileBytes);
  std::string trouble;
  if (!kept.Read() || kept.bytes != contents) {
    trouble = ReplaceFile(copy, copy.string() + ".new-XXXXXX", contents, ReplacingMode(FilePath()),
                          false);
  }
  std::string message = "zephyrant: settings file " + FilePath().string() + " is damaged; ";
  if (!trouble.empty()) {
    message += "could not keep a copy (" + trouble + ")";
  } else {
    message += "kept a copy as " + std::string(kDamagedName);
  }
  message += ", unreadable values take their defaults";
  Report(message);
}

// Moves a file too long to be read aside as the damaged copy, unless it is no
// longer the one at the file's name. False when it stays where it is, so
// that it is not overwritten.
bool SettingsFile::KeepOverlong(uint64_t device, uint64_t inode) {
  const fs::path path = FilePath();
  const bool own_lock = lock_fd_ < 0;
  std::string trouble = own_lock ? TakeLock() : std::string();
  bool moved = false;
  if (trouble.empty()) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
      trouble = std::strerror(errno);
    } else if (static_cast<uint64_t>(info.st_dev) == device &&
               static_cast<uint64_t>(info.st_ino) == inode) {
      if (::rename(path.c_str(), (folder_ / kDamagedName).c_str()) != 0) {
        trouble = std::strerror(errno);
      } else {
        SyncFolder(folder_);
        moved = true;
      }
    }
  }
  if (own_lock) ReleaseLock();
  const std::string start = "zephyrant: settings file " + path.string() + " is over " +
                            std::to_string(kMaxFileBytes >> 20) + " MB, so it is damaged; ";
  if (!trouble.empty()) {
    Report(start + "could not keep it aside (" + trouble + "); settings will not be saved");
    return false;
  }
  if (moved) {
    Report(start + "kept it as " + std::string(kDamagedName) + ", settings take their defaults");
  }
  return true;
}

bool SettingsFile::OpenKey(std::string_view path, bool create) {
  if (is_open_) CloseKey();
  const auto key = NormaliseSettingsKey(path);
  if (!key) return false;

  const LoadResult loaded = Load();
  // A file that is there but cannot be read is never overwritten.
  if (loaded == LoadResult::kUnreadable) return false;
  auto found = keys_.find(*key);
  dirty_ = false;
  if (found == keys_.end()) {
    if (!create) return false;
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
      Report("zephyrant: cannot make the settings folder " + folder_.string() + " (" +
             ec.message() + "); settings will not be saved");
      return false;
    }
    found = keys_.emplace(*key, Values{}).first;
    dirty_ = true;
  }
  open_key_ = found->first;
  current_ = &found->second;
  writes_.clear();
  is_open_ = true;
  return true;
}

bool SettingsFile::CloseKey() {
  if (!is_open_) return false;
  is_open_ = false;
  current_ = nullptr;
  if (!dirty_) return true;
  dirty_ = false;
  return Save();
}

std::string SettingsFile::ReadString(std::string_view name) {
  if (!is_open_) return {};
  const auto found = current_->find(name);
  if (found == current_->end()) return {};
  const auto* text = std::get_if<std::string>(&found->second);
  return text != nullptr ? *text : std::string();
}

bool SettingsFile::HasString(std::string_view name) {
  if (!is_open_) return false;
  const auto found = current_->find(name);
  return found != current_->end() && std::holds_alternative<std::string>(found->second);
}

std::optional<int32_t> SettingsFile::ReadInteger(std::string_view name) {
  if (!is_open_) return std::nullopt;
  const auto found = current_->find(name);
  if (found == current_->end()) return std::nullopt;
  const auto* number = std::get_if<int32_t>(&found->second);
  return number != nullptr ? std::optional<int32_t>(*number) : std::nullopt;
}

void SettingsFile::WriteString(std::string_view name, std::string_view value) {
  if (!is_open_) return;
  const SettingsValue text = std::string(value.substr(0, kMaxStringBytes));
  (*current_)[std::string(name)] = text;
  writes_[std::string(name)] = text;
  dirty_ = true;
}

void SettingsFile::WriteInteger(std::string_view name, int32_t value) {
  if (!is_open_) return;
  (*current_)[std::string(name)] = value;
  writes_[std::string(name)] = value;
  dirty_ = true;
}

void SettingsFile::BeginUpdate() {
  if (update_depth_++ > 0) return;
  update_lock_trouble_.clear();
  lock_taken_by_update_ = false;
  // Without a folder there is nothing to lock yet; the save makes the
  // folder and takes the lock itself.
  std::error_code ec;
  if (lock_fd_ >= 0 || !fs::is_directory(folder_, ec)) return;
  update_lock_trouble_ = TakeLock();
  lock_taken_by_update_ = update_lock_trouble_.empty();
}

void SettingsFile::EndUpdate() {
  if (update_depth_ == 0 || --update_depth_ > 0) return;
  if (lock_taken_by_update_) ReleaseLock();
  lock_taken_by_update_ = false;
  update_lock_trouble_.clear();
}

std::string SettingsFile::TakeLock() {
  const fs::path path = folder_ / kLockName;
  // Only a plain file is opened; a link, a named pipe or a device left at
  // the name is refused without being opened or followed.
  struct stat info {};
  if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    return "the lock file " + path.string() + " is not a plain file";
  }
  const int fd = ::open(path.c_str(),
                        O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
  if (fd < 0) {
    return "the lock file " + path.string() + ": " + std::strerror(errno);
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return "the lock file " + path.string() + " is not a plain file";
  }
  // Another copy holds it only while it saves, for a few milliseconds.
  constexpr auto kPause = std::chrono::milliseconds(10);
  for (auto waited = std::chrono::milliseconds(0);; waited += kPause) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      lock_fd_ = fd;
      return {};
    }
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK || waited >= lock_wait_) {
      const std::string trouble =
          errno == EWOULDBLOCK ? std::string("another copy of the game keeps them locked")
                               : "the lock file " + path.string() + ": " + std::strerror(errno);
      ::close(fd);
      return trouble;
    }
    const timespec pause{
        0, static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(kPause).count())};
    ::nanosleep(&pause, nullptr);
  }
}

void SettingsFile::ReleaseLock() {
  if (lock_fd_ < 0) return;
  ::close(lock_fd_);  // closing lets go of the lock
  lock_fd_ = -1;
}

// Stores this opening's writes over the file as it is now, so whatever
// another copy of the game saved since the key was opened stays.
bool SettingsFile::Save() {
  const fs::path path = FilePath();
  const auto fail = [&](const std::string& reason) {
    Report("zephyrant: could not save settings to " + path.string() + " (" + reason +
           "); the previous settings are kept");
    writes_.clear();
    return false;
  };
  if (!update_lock_trouble_.empty()) return fail(update_lock_trouble_);
  const bool own_lock = lock_fd_ < 0;
  if (own_lock) {
    const std::string trouble = TakeLock();
    if (!trouble.empty()) return fail(trouble);
  }
  const LoadResult loaded = Load();
  if (loaded == LoadResult::kUnreadable) {
    if (own_lock) ReleaseLock();
    writes_.clear();
    return false;
  }
  Values& values = keys_[open_key_];
  for (auto& [name, value] : writes_) values[name] = std::move(value);
  writes_.clear();

  const std::string text = FormatSettingsText(keys_);
  const std::string trouble =
      ReplaceFile(path, path.string() + ".new-XXXXXX", text, ReplacingMode(path), true);
  if (own_lock) ReleaseLock();
  if (!trouble.empty()) return fail(trouble);
  return true;
}

}  // namespace zephyrant
