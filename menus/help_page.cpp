// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/help_page.h"

#include <system_error>

namespace zephyrant {

namespace {

namespace fs = std::filesystem;

constexpr const char* kHelpPage = "help.html";

bool IsUnreserved(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string FileUrl(const fs::path& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char c : path.generic_string()) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(byte)) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0xF];
    }
  }
  return url;
}

std::string HelpPageUrl(const std::string& asset_folder) {
  std::error_code error;
  fs::path assets = fs::absolute(fs::path(asset_folder), error).lexically_normal();
  if (!assets.has_filename()) assets = assets.parent_path();  // written with a trailing slash
  const fs::path candidates[] = {
      assets / kHelpPage,
      (assets.parent_path() / "docs" / kHelpPage).lexically_normal(),
  };
  for (const fs::path& page : candidates) {
    if (fs::is_regular_file(page, error)) return FileUrl(page);
  }
  return {};
}

}  // namespace zephyrant
