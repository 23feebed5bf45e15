// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/scratch_folder.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace zephyrant {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zephyrant-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("Cannot make a temporary folder under " +
                             std::filesystem::temp_directory_path().string());
  }
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace zephyrant
