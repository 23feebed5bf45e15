// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/replay_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/common/replace_file.h"
#include "platform/common/screenshot_folder.h"

namespace zephyrant {

namespace {

namespace fs = std::filesystem;

constexpr mode_t kNewFileMode = 0666;  // less the player's umask
constexpr std::string_view kPrefix = "zephyrant-";
constexpr std::string_view kSuffix = ".zrp";
// "YYYY-MM-DD_HH-MM-SS"
constexpr std::string_view kStampShape = "0000-00-00_00-00-00";

bool Digits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A name this game gives its replays, read back as when it was saved and its
// place in that second; none for any other name.
struct Saved {
  std::string stamp;
  long n = 1;
  fs::path path;
};

bool ReadName(const std::string& name, Saved& saved) {
  std::string_view rest = name;
  if (!rest.starts_with(kPrefix) || !rest.ends_with(kSuffix)) return false;
  rest.remove_prefix(kPrefix.size());
  rest.remove_suffix(kSuffix.size());
  if (rest.size() < kStampShape.size() + 2) return false;
  for (size_t i = 0; i < kStampShape.size(); ++i) {
    const bool digit = kStampShape[i] == '0';
    const char c = rest[i];
    if (digit ? !(c >= '0' && c <= '9') : c != kStampShape[i]) return false;
  }
  saved.stamp = std::string(rest.substr(0, kStampShape.size()));
  rest.remove_prefix(kStampShape.size());
  if (rest.front() != '-') return false;
  rest.remove_prefix(1);
  const size_t dash = rest.find('-');
  if (!Digits(rest.substr(0, dash))) return false;
  if (dash == std::string_view::npos) return true;
  const std::string_view n = rest.substr(dash + 1);
  if (!Digits(n) || n.size() > 4) return false;
  saved.n = std::stol(std::string(n));
  return true;
}

}  // namespace

fs::path DefaultReplayFolder() {
  return PlayerDataFolder("replays");
}

std::string ReplayName(const std::tm& when, int32_t score, int n) {
  char name[96];
  std::snprintf(name, sizeof name, "zephyrant-%04d-%02d-%02d_%02d-%02d-%02d-%d",
                when.tm_year + 1900, when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min,
                when.tm_sec, score < 0 ? 0 : score);
  std::string result = name;
  if (n > 1) result += "-" + std::to_string(n);
  return result + std::string(kSuffix);
}

ReplayFolder::ReplayFolder(fs::path folder, WallClock now)
    : folder_(std::move(folder)), now_(std::move(now)) {}

fs::path ReplayFolder::Save(const Replay& replay) {
  fs::path path;
  const std::string trouble = Write(replay, path);
  if (!trouble.empty()) {
    std::cerr << "zephyrant: cannot save the replay " << path.string() << ": " << trouble << '\n';
    return {};
  }
  Prune();
  return path;
}

std::string ReplayFolder::Write(const Replay& replay, fs::path& path) {
  const std::time_t now = now_ ? now_() : std::time(nullptr);
  std::tm when{};
  ::localtime_r(&now, &when);
  path = folder_ / ReplayName(when, replay.final_score, 1);
  if (std::string trouble = MakeFolders(folder_); !trouble.empty()) return trouble;

  int claim = -1;
  for (int n = 1; n <= kMaxPerSecond; ++n) {
    path = folder_ / ReplayName(when, replay.final_score, n);
    claim = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (claim >= 0 || errno != EEXIST) break;
  }
  if (claim < 0) {
    return errno == EEXIST ? "every name for this second is taken" : std::strerror(errno);
  }
  struct stat claimed {};
  const mode_t mode = ::fstat(claim, &claimed) == 0 ? claimed.st_mode & 07777 : 0644;
  ::close(claim);

  // The claim is an empty file of this game's own, so the rename replaces
  // nothing of anyone else's.
  std::string trouble = ReplaceFile(path, (folder_ / ".zephyrant-replay-XXXXXX").string(),
                                    EncodeReplay(replay), mode, false);
  if (!trouble.empty()) {
    ::unlink(path.c_str());
    return trouble;
  }
  return {};
}

void ReplayFolder::Prune() {
  std::vector<Saved> kept;
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    Saved saved;
    // Only the game's own replays go: plain files under its names.
    if (!ReadName(it->path().filename().string(), saved)) continue;
    std::error_code kind_error;
    if (!it->is_regular_file(kind_error) || it->is_symlink(kind_error)) continue;
    saved.path = it->path();
    kept.push_back(std::move(saved));
  }
  if (error || kept.size() <= static_cast<size_t>(kKeep)) return;
  std::sort(kept.begin(), kept.end(), [](const Saved& a, const Saved& b) {
    return a.stamp != b.stamp ? a.stamp > b.stamp : a.n > b.n;
  });
  for (size_t i = kKeep; i < kept.size(); ++i) ::unlink(kept[i].path.c_str());
}

}  // namespace zephyrant
