// SPDX-License-Identifier: GPL-3.0-or-later
// zephyrant-assetgen OUTPUT_FOLDER [FONT_FILE]
//
// Draws every picture and synthesises every sound of the asset catalogue
// and writes them under OUTPUT_FOLDER, laid out as the game loads them.
// The text pictures are set in FONT_FILE (Play Bold from Debian's
// fonts-play unless given). The output is the same byte for byte on every
// run; `make assets` runs it on the source tree's assets/ folder. The game's
// own font in OUTPUT_FOLDER/fonts/ is not touched. The desktop's icons of
// the game go to OUTPUT_FOLDER/icons/, laid out as they are installed.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"
#include "platform/common/png_writer.h"
#include "tools/assetgen/art/art.h"
#include "tools/assetgen/draw/palette.h"
#include "tools/assetgen/sounds/sounds.h"

namespace {

namespace fs = std::filesystem;
using namespace zephyrant;
using namespace zephyrant::assetgen;

constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/play/Play-Bold.ttf";

// The sizes of the icon theme's folders that the game fills.
constexpr int kIconSides[] = {16, 32, 48, 64, 128, 256};

std::string Prepare(const fs::path& folder, const std::string& relative) {
  const fs::path path = folder / relative;
  fs::create_directories(path.parent_path());
  return path.string();
}

// Every colour key of the catalogue, in order of first use; they open the
// shared palette.
std::vector<Rgb> CatalogueKeys() {
  std::vector<Rgb> keys{kDefaultColourKey};
  for (const ImageListSpec& list : ImageCatalogue()) {
    for (const ImageSpec& item : list.items) {
      bool known = false;
      for (const Rgb& k : keys) known = known || k == item.key;
      if (!known) keys.push_back(item.key);
    }
  }
  return keys;
}

int WriteAll(const fs::path& folder, const std::string& font_path) {
  struct Painted {
    const ImageListSpec* list;
    int index;
    Picture picture;
  };
  std::vector<Painted> painted;
  for (const ImageListSpec& list : ImageCatalogue()) {
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      painted.push_back({&list, i, PaintPicture(list, list.items[i], font_path)});
    }
  }
  std::vector<const Picture*> all;
  for (const Painted& p : painted) all.push_back(&p.picture);
  const Palette palette = Palette::Build(all, CatalogueKeys());
  for (const Painted& p : painted) {
    WriteBmp8(Prepare(folder, ImagePath(*p.list, p.index)),
              palette.Quantise(p.picture, p.list->items[p.index].key));
  }

  int sounds = 0;
  for (const SoundListSpec& list : SoundCatalogue()) {
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      WriteWav(Prepare(folder, SoundPath(list, i)), MakeSound(list.items[i]));
      ++sounds;
    }
  }
  for (const int side : kIconSides) {
    const std::string size = std::to_string(side) + "x" + std::to_string(side);
    WritePngWithAlpha(Prepare(folder, "icons/hicolor/" + size + "/apps/zephyrant.png"), side, side,
                      PaintIcon(side));
  }
  std::printf("zephyrant-assetgen: wrote %zu pictures, %d sounds and %zu icons under %s\n",
              painted.size(), sounds, std::size(kIconSides), folder.string().c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: zephyrant-assetgen OUTPUT_FOLDER [FONT_FILE]\n");
    return 2;
  }
  try {
    return WriteAll(argv[1], argc == 3 ? argv[2] : kDefaultFont);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zephyrant-assetgen: %s\n", e.what());
    return 1;
  }
}
