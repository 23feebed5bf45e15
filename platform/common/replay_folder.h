// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The replays of the player's last games, kept as files in the player's data
// folder beside the screenshots. Plain C++ and POSIX, no SDL.
//
// Each is named by the local date and time it was saved and the game's final
// score, with -2, -3... after a second one in the same second, and never
// replaces a file that is there: the name is claimed first, and the replay is
// written under a fresh name beside it and renamed over the claim once whole.
// Only the newest kKeep replays stay; older ones of this game's naming go,
// and nothing else in the folder is touched. A replay that cannot be saved
// costs one line on standard error and nothing else.

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/common/replay_file.h"

namespace zephyrant {

// $XDG_DATA_HOME/zephyrant/replays when that is an absolute path, else
// $HOME/.local/share/zephyrant/replays.
std::filesystem::path DefaultReplayFolder();

// The name of the n-th replay (from 1) saved in the second `when`, such as
// zephyrant-2026-12-07_20-31-05-15840.zrp, then ...-15840-2.zrp.
std::string ReplayName(const std::tm& when, int32_t score, int n);

class ReplayFolder {
 public:
  using WallClock = std::function<std::time_t()>;
  static constexpr int kKeep = 50;
  static constexpr int kMaxPerSecond = 1000;

  explicit ReplayFolder(std::filesystem::path folder, WallClock now = nullptr);

  // Saves the replay as a new file, making the folder as needed, then lets
  // the oldest go past kKeep. The file it went into; empty when it failed.
  std::filesystem::path Save(const Replay& replay);

  const std::filesystem::path& Folder() const { return folder_; }

 private:
  std::string Write(const Replay& replay, std::filesystem::path& path);
  void Prune();

  std::filesystem::path folder_;
  WallClock now_;
};

}  // namespace zephyrant
