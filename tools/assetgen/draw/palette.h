// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "framework/geometry.h"
#include "framework/image_list.h"
#include "tools/assetgen/draw/picture.h"

namespace zephyrant::assetgen {

// The one palette every picture of the game is stored with: the colour keys
// first, then the drawing colours, chosen once for all pictures together so
// that the whole game shares the same tones.
class Palette {
 public:
  // Drawing colours never equal a key, so no drawn pixel can vanish.
  static Palette Build(const std::vector<const Picture*>& pictures, const std::vector<Rgb>& keys);

  const std::vector<Rgb>& Colours() const { return colours_; }

  // The picture in palette indices; undrawn pixels take the key's index.
  IndexedPicture Quantise(const Picture& picture, Rgb key) const;

 private:
  int Nearest(int r, int g, int b) const;

  std::vector<Rgb> colours_;
  int first_drawing_ = 0;
  mutable std::vector<int16_t> nearest_cache_;
};

}  // namespace zephyrant::assetgen
