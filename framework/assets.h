// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The loaded asset catalogue: every image list by holder and name, every
// sound list by name, and the text font.

#include <memory>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/image_list.h"
#include "framework/sound_list.h"

namespace zephyrant {

class AssetLibrary {
 public:
  // Loads every file of the catalogue under `folder`; raises a MediaError
  // naming the first file that is missing or damaged.
  AssetLibrary(const std::string& folder, AudioDevice& audio, std::vector<SoundEvent>* sound_log);

  const std::string& Folder() const { return folder_; }
  const ImageList& Images(Holder holder, const std::string& list) const;
  SoundList& Sounds(const std::string& list);
  const std::string& FontPath() const { return font_path_; }

 private:
  std::string folder_;
  std::string font_path_;
  std::vector<std::pair<Holder, std::unique_ptr<ImageList>>> images_;
  std::vector<std::unique_ptr<SoundList>> sound_lists_;
};

}  // namespace zephyrant
