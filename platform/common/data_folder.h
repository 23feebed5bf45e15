// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the game's data is: the folder with the pictures, sounds, font and
// help page. Plain C++, no SDL.

#include <filesystem>
#include <string>
#include <vector>

namespace zephyrant {

// Everything the search looks at, so that it can be tried with any setting.
struct DataSearch {
  std::string option;                       // --data; empty when not given
  std::string environment;                  // $ZEPHYRANT_DATA; empty when unset
  std::filesystem::path executable_folder;  // empty when unknown
  std::string installed_path;               // from the binary's folder to the installed data
  std::string xdg_data_dirs;                // $XDG_DATA_DIRS as it is, empty when unset
};

struct DataFolder {
  std::filesystem::path folder;  // empty when no place held the data
  // Every place looked at, in order; the last is the one chosen.
  std::vector<std::filesystem::path> tried;
};

// A folder the game can play from: it holds the text font at least.
bool HoldsGameData(const std::filesystem::path& folder);

// Folders given explicitly (--data, then $ZEPHYRANT_DATA) are the only place
// tried, so a mistyped one is reported rather than passed over. Otherwise the
// first of these that holds the data: the installed data relative to the
// binary; zephyrant/ in each folder of $XDG_DATA_DIRS (by default
// /usr/local/share:/usr/share; empty and relative entries are skipped);
// data/ beside the binary, as the build tree has it.
DataFolder FindDataFolder(const DataSearch& search);

// The search as this process sees it: $ZEPHYRANT_DATA, $XDG_DATA_DIRS and
// the relative path the build configured.
DataSearch DataSearchFor(const std::string& option, const std::filesystem::path& executable_folder);

// The message for a search that found nothing, naming every place tried.
std::string NoDataMessage(const DataFolder& result);

}  // namespace zephyrant
