// zephyrant-assetgen OUTPUT_FOLDER
//
// Writes a placeholder for every picture and sound of the asset catalogue
// under OUTPUT_FOLDER, laid out as the game loads them, until the real art
// replaces them. The output is the same byte for byte on every run;
// `make assets` runs it on the source tree's assets/ folder. The font in
// OUTPUT_FOLDER/fonts/ is not touched.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"
#include "tools/assetgen/placeholder_pictures.h"
#include "tools/assetgen/placeholder_sounds.h"

namespace {

namespace fs = std::filesystem;
using namespace zephyrant;

std::string Prepare(const fs::path& folder, const std::string& relative) {
  const fs::path path = folder / relative;
  fs::create_directories(path.parent_path());
  return path.string();
}

int WriteAll(const fs::path& folder) {
  int pictures = 0;
  const auto& images = ImageCatalogue();
  for (int l = 0; l < static_cast<int>(images.size()); ++l) {
    for (int i = 0; i < static_cast<int>(images[l].items.size()); ++i) {
      WriteBmp8(Prepare(folder, ImagePath(images[l], i)),
                assetgen::PlaceholderPicture(images[l], l, i));
      ++pictures;
    }
  }
  int sounds = 0;
  const auto& waves = SoundCatalogue();
  for (int l = 0; l < static_cast<int>(waves.size()); ++l) {
    for (int i = 0; i < static_cast<int>(waves[l].items.size()); ++i) {
      WriteWav(Prepare(folder, SoundPath(waves[l], i)), assetgen::PlaceholderSound(waves[l], l, i));
      ++sounds;
    }
  }
  std::printf("zephyrant-assetgen: wrote %d pictures and %d sounds under %s\n", pictures, sounds,
              folder.string().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zephyrant-assetgen OUTPUT_FOLDER\n");
    return 2;
  }
  try {
    return WriteAll(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zephyrant-assetgen: %s\n", e.what());
    return 1;
  }
}
