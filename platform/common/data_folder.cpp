// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/data_folder.h"

#include <cstdlib>
#include <system_error>

namespace zephyrant {

namespace fs = std::filesystem;

namespace {

constexpr const char* kDefaultDataDirs = "/usr/local/share:/usr/share";
constexpr const char* kFontFile = "fonts/LiberationSans-Regular.ttf";

std::vector<fs::path> XdgDataFolders(const std::string& list) {
  const std::string dirs = list.empty() ? kDefaultDataDirs : list;
  std::vector<fs::path> folders;
  for (size_t start = 0; start <= dirs.size();) {
    size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const fs::path entry = dirs.substr(start, end - start);
    // Relative entries are ignored, as the base directory rules ask.
    if (entry.is_absolute()) folders.push_back(entry / "zephyrant");
    start = end + 1;
  }
  return folders;
}

}  // namespace

bool HoldsGameData(const fs::path& folder) {
  std::error_code error;
  return fs::is_regular_file(folder / kFontFile, error);
}

DataFolder FindDataFolder(const DataSearch& search) {
  DataFolder result;
  const std::string& chosen = !search.option.empty() ? search.option : search.environment;
  if (!chosen.empty()) {
    result.tried.push_back(chosen);
    if (HoldsGameData(chosen)) result.folder = chosen;
    return result;
  }
  std::vector<fs::path> places;
  if (!search.executable_folder.empty() && !search.installed_path.empty()) {
    places.push_back((search.executable_folder / search.installed_path).lexically_normal());
  }
  for (const fs::path& folder : XdgDataFolders(search.xdg_data_dirs)) places.push_back(folder);
  if (!search.executable_folder.empty()) places.push_back(search.executable_folder / "data");
  for (const fs::path& place : places) {
    result.tried.push_back(place);
    if (HoldsGameData(place)) {
      result.folder = place;
      return result;
    }
  }
  return result;
}

DataSearch DataSearchFor(const std::string& option, const fs::path& executable_folder) {
  DataSearch search;
  search.option = option;
  if (const char* data = std::getenv("ZEPHYRANT_DATA")) search.environment = data;
  search.executable_folder = executable_folder;
  search.installed_path = ZEPHYRANT_DATA_FROM_BINDIR;
  if (const char* dirs = std::getenv("XDG_DATA_DIRS")) search.xdg_data_dirs = dirs;
  return search;
}

std::string NoDataMessage(const DataFolder& result) {
  std::string message = "cannot find the game's data (pictures, sounds and font); looked in:";
  for (const fs::path& place : result.tried) message += "\n  " + place.string();
  message += "\n(--data DIR or $ZEPHYRANT_DATA names the folder to use)";
  return message;
}

}  // namespace zephyrant
