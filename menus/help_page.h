#pragma once

#include <filesystem>
#include <string>

namespace zephyrant {

// The help page that ships with the game, as a file:// URL: docs/help.html
// beside the asset folder (as the game is laid out when packaged or
// installed), else the source tree's. Empty when neither is there.
std::string HelpPageUrl(const std::string& asset_folder);

// A file:// URL for an absolute path. Every byte but letters, digits and
// - . _ ~ / is percent-encoded, so the browser gets exactly this file.
std::string FileUrl(const std::filesystem::path& path);

}  // namespace zephyrant
