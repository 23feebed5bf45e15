// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/screenshot_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/common/png_writer.h"
#include "platform/common/replace_file.h"

namespace zephyrant {

namespace {

namespace fs = std::filesystem;

constexpr mode_t kNewFolderMode = 0700;
constexpr mode_t kNewFileMode = 0666;  // less the player's umask

}  // namespace

std::string MakeFolders(const fs::path& folder) {
  fs::path made;
  for (const fs::path& part : folder) {
    made /= part;
    if (::mkdir(made.c_str(), kNewFolderMode) == 0) continue;
    const int error = errno;
    struct stat info {};
    if (::stat(made.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) continue;
    if (error == EEXIST) return made.string() + " is not a folder";
    return std::strerror(error);
  }
  return {};
}

namespace {

// Opens a file at the first free name of the second; -1 with errno set when
// there is none.
int ClaimName(const fs::path& folder, const std::tm& when, fs::path& path) {
  for (int n = 1; n <= ScreenshotFolder::kMaxShotsPerSecond; ++n) {
    path = folder / ScreenshotName(when, n);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

fs::path DefaultScreenshotFolder() {
  return PlayerDataFolder("screenshots");
}

fs::path PlayerDataFolder(std::string_view name) {
  const fs::path below = fs::path("zephyrant") / name;
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && fs::path(data).is_absolute()) return fs::path(data) / below;
  const fs::path share = fs::path(".local") / "share" / below;
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return fs::path(home) / share;
  if (const passwd* user = ::getpwuid(::getuid()); user != nullptr && user->pw_dir != nullptr) {
    return fs::path(user->pw_dir) / share;
  }
  return below;
}

std::string ScreenshotName(const std::tm& when, int n) {
  char name[96];
  std::snprintf(name, sizeof name, "zephyrant-%04d-%02d-%02d_%02d-%02d-%02d", when.tm_year + 1900,
                when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
  std::string result = name;
  if (n > 1) result += "-" + std::to_string(n);
  return result + ".png";
}

ScreenshotFolder::ScreenshotFolder(fs::path folder, WallClock now)
    : folder_(std::move(folder)), now_(std::move(now)) {}

void ScreenshotFolder::Save(const Surface& surface) {
  fs::path path;
  const std::string trouble = Write(surface, path);
  last_saved_ = trouble.empty() ? path : fs::path();
  if (!trouble.empty()) {
    std::cerr << "zephyrant: cannot save screenshot " << path.string() << ": " << trouble << '\n';
  }
}

std::string ScreenshotFolder::Write(const Surface& surface, fs::path& path) {
  const std::time_t now = now_ ? now_() : std::time(nullptr);
  std::tm when{};
  ::localtime_r(&now, &when);
  path = folder_ / ScreenshotName(when, 1);

  std::vector<uint8_t> png;
  try {
    png = EncodePng(surface);
  } catch (const std::exception& error) {
    return error.what();
  }
  if (std::string trouble = MakeFolders(folder_); !trouble.empty()) return trouble;

  const int claim = ClaimName(folder_, when, path);
  if (claim < 0) {
    return errno == EEXIST ? "every name for this second is taken" : std::strerror(errno);
  }
  struct stat claimed {};
  const mode_t mode = ::fstat(claim, &claimed) == 0 ? claimed.st_mode & 07777 : 0644;
  ::close(claim);

  // The claim is an empty file of this game's own, so the rename replaces
  // nothing of anyone else's.
  const std::string_view bytes(reinterpret_cast<const char*>(png.data()), png.size());
  std::string trouble =
      ReplaceFile(path, (folder_ / ".zephyrant-shot-XXXXXX").string(), bytes, mode, false);
  if (!trouble.empty()) {
    ::unlink(path.c_str());
    return trouble;
  }
  return {};
}

}  // namespace zephyrant
