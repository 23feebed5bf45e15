// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's command line, read with getopt_long. Plain C++ and POSIX, so
// that --help and --version answer before any display or data is opened.

#include <optional>
#include <string>

namespace zephyrant {

struct CommandLine {
  enum class Action { kPlay, kHelp, kVersion, kUsageError };
  Action action = Action::kPlay;
  // For this run only; the saved setting stays as it was. Uses the game
  // state's values: 0 full screen, 1 a window.
  std::optional<int> full_screen;
  // The data folder given with --data; empty when none was.
  std::string data_folder;
  // The replay to watch instead of playing (--replay); empty when none.
  std::string replay_file;
  // With kUsageError: the one line that names what was wrong.
  std::string error;
};

// Reads argv (argv[0] is the program). --help and --version win over every
// other option; the last of --fullscreen and --window wins.
CommandLine ParseCommandLine(int argc, char* const* argv);

// What --help prints: the options, and where the player's settings, scores,
// screenshots and replays live.
std::string UsageText();

// What --version prints: the name and the version, one line.
std::string VersionText();

}  // namespace zephyrant
