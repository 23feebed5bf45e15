// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "framework/geometry.h"

namespace zephyrant {

inline constexpr Rgb kDefaultColourKey{4, 2, 4};

// One picture of the catalogue. A pattern size of 0 means the whole picture
// is one pattern.
struct ImageSpec {
  std::string name;
  int width = 0;
  int height = 0;
  int pattern_width = 0;
  int pattern_height = 0;
  Rgb key = kDefaultColourKey;

  int PatternCount() const {
    const int pw = pattern_width > 0 ? pattern_width : width;
    const int ph = pattern_height > 0 ? pattern_height : height;
    return (width / pw) * (height / ph);
  }
};

// The holders of the lists: the main window and the hidden holders of the
// ship, bosses, small enemies and explosions.
enum class Holder { kMain, kShip, kBoss, kEnemy, kExplosion };

const char* HolderFolder(Holder holder);

struct ImageListSpec {
  Holder holder;
  std::string name;
  std::vector<ImageSpec> items;
};

struct SoundSpec {
  std::string name;
  int sample_rate = 0;
  int bits = 0;
  double seconds = 0;
  bool looped = false;
};

struct SoundListSpec {
  std::string name;
  std::vector<SoundSpec> items;
};

// Every picture and sound of the game, list by list, in index order.
const std::vector<ImageListSpec>& ImageCatalogue();
const std::vector<SoundListSpec>& SoundCatalogue();

// Where an item lives under the asset folder, e.g. "main/Menu/00_logo.bmp".
// The index keeps the two `scores` pictures of `Menu` apart.
std::string ImagePath(const ImageListSpec& list, int index);
std::string SoundPath(const SoundListSpec& list, int index);

}  // namespace zephyrant
