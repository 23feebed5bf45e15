// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "framework/image_list.h"

namespace zephyrant::testing {

// Palette used by test pictures: index 0 is the default colour key.
inline constexpr uint8_t kKey = 0;
inline constexpr uint8_t kRed = 1;
inline constexpr uint8_t kGreen = 2;
inline constexpr uint8_t kBlue = 3;
inline constexpr uint8_t kWhite = 4;
inline constexpr uint32_t kRedPixel = 0xFF0000;
inline constexpr uint32_t kGreenPixel = 0x00FF00;
inline constexpr uint32_t kBluePixel = 0x0000FF;
inline constexpr uint32_t kWhitePixel = 0xFFFFFF;

// A picture whose pixel (x, y) takes the palette index `paint(x, y)`.
inline std::unique_ptr<PictureItem> MakePicture(int width, int height, int pattern_width,
                                                int pattern_height,
                                                const std::function<uint8_t(int, int)>& paint) {
  IndexedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.palette = {Rgb{4, 2, 4}, Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255},
                     Rgb{255, 255, 255}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.indices.push_back(paint(x, y));
  }
  return std::make_unique<PictureItem>("test", std::move(picture), pattern_width, pattern_height,
                                       Rgb{4, 2, 4});
}

inline std::unique_ptr<PictureItem> SolidPicture(int width, int height, uint8_t index) {
  return MakePicture(width, height, 0, 0, [index](int, int) { return index; });
}

}  // namespace zephyrant::testing
