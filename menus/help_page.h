// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace zephyrant {

// The help page that ships with the game, as a file:// URL: help.html in the
// data folder (as the game is installed and as the build tree has it), else
// docs/help.html beside it (as the source tree has it). Empty when neither
// is there.
std::string HelpPageUrl(const std::string& asset_folder);

// A file:// URL for an absolute path. Every byte but letters, digits and
// - . _ ~ / is percent-encoded, so the browser gets exactly this file.
std::string FileUrl(const std::filesystem::path& path);

}  // namespace zephyrant
