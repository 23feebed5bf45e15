// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/asset_catalogue.h"
#include "tools/assetgen/draw/canvas.h"
#include "tools/assetgen/draw/vec.h"

namespace zephyrant::assetgen {

// A finished picture before it meets the palette: a colour for every pixel
// and whether the pixel is drawn at all (the rest becomes the colour key).
struct Picture {
  Picture() = default;
  Picture(int w, int h) : width(w), height(h), colour(w * h), solid(w * h, 0) {}

  int width = 0;
  int height = 0;
  std::vector<Colour> colour;
  std::vector<uint8_t> solid;
  // Large soft gradients (the backgrounds) are dithered against the palette.
  bool dither = false;

  Colour& At(int x, int y) { return colour[y * width + x]; }
  bool Solid(int x, int y) const { return solid[y * width + x] != 0; }
};

// How a painted image becomes a keyed picture.
struct Finish {
  // Coverage from which a pixel is drawn.
  float threshold = 0.5f;
  // Drawn pixels keep only the light they carry, as if over deep space:
  // right for glows, where the faint rim must darken rather than stay bright.
  bool over_space = false;
  // A one-pixel dark rim around the drawn pixels, so sprites read on the stars.
  bool outline = true;
  Colour outline_colour = Rgb8(10, 8, 22);
};

inline constexpr Colour kSpace = Rgb8(3, 3, 10);

Picture Finished(const Image& image, const Finish& finish = {});

// Lays out the patterns of an item left to right, then top to bottom.
Picture Sheet(const ImageSpec& item, const std::function<Picture(int pattern)>& paint);

// Copies `from` into `to` with its top-left at (x, y).
void Place(Picture& to, const Picture& from, int x, int y);

}  // namespace zephyrant::assetgen
