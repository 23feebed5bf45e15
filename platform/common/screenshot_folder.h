// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Screenshots kept as PNG files in the player's data folder. Plain C++ and
// POSIX, no SDL.
//
// Each shot is named by the local date and time it was taken, with -2, -3...
// after a second shot in the same second, and never replaces a file that is
// there, even one another copy of the game makes at the same moment: the name
// is claimed first, and the picture is written under a fresh name beside it
// and renamed over the claim only once it is whole. A shot that fails leaves
// nothing behind but one line on standard error.

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "framework/platform.h"

namespace zephyrant {

// Where screenshots go: $XDG_DATA_HOME/zephyrant/screenshots when that is set
// to an absolute path, else $HOME/.local/share/zephyrant/screenshots.
std::filesystem::path DefaultScreenshotFolder();
// The game's folder `name` in the player's data folder, by the same rules.
std::filesystem::path PlayerDataFolder(std::string_view name);
// Makes the folder and every missing folder above it, new ones only the
// player may enter. Empty when it is there, else why not.
std::string MakeFolders(const std::filesystem::path& folder);

// The file name of the n-th shot (from 1) taken in the second `when`, such as
// zephyrant-2026-12-07_20-31-05.png, then zephyrant-2026-12-07_20-31-05-2.png.
std::string ScreenshotName(const std::tm& when, int n);

class ScreenshotFolder final : public ScreenshotSink {
 public:
  // Seconds since the epoch, as time(nullptr) gives them.
  using WallClock = std::function<std::time_t()>;
  // Past this many shots in one second the folder is taken to be full.
  static constexpr int kMaxShotsPerSecond = 1000;

  explicit ScreenshotFolder(std::filesystem::path folder, WallClock now = nullptr);

  // Writes the surface as a new PNG file, making the folder as needed (new
  // folders only the player may enter).
  void Save(const Surface& surface) override;

  const std::filesystem::path& Folder() const { return folder_; }
  // The file the last shot went into; empty when it failed.
  const std::filesystem::path& LastSaved() const { return last_saved_; }

 private:
  // Empty when the shot was kept, else why not; `path` is where it went or
  // was meant to go.
  std::string Write(const Surface& surface, std::filesystem::path& path);

  std::filesystem::path folder_;
  WallClock now_;
  std::filesystem::path last_saved_;
};

}  // namespace zephyrant
