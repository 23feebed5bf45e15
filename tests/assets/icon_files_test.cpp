// SPDX-License-Identifier: GPL-3.0-or-later
// The committed desktop icons, read from their files: a see-through square
// of each size the icon theme asks for, the ship upright and centred in it,
// and the same ship as the window's own icon, which the game makes from the
// ship's sprite when it starts.

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/image_list.h"
#include "framework/media_files.h"
#include "platform/sdl/window_icon.h"

namespace zephyrant {
namespace {

const std::string kAssets = ZEPHYRANT_SOURCE_ASSETS;
constexpr int kSides[] = {16, 32, 48, 64, 128, 256};

struct Icon {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> argb;  // top row first

  uint32_t At(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
  int Alpha(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }
};

std::string IconPath(int side) {
  const std::string size = std::to_string(side) + "x" + std::to_string(side);
  return kAssets + "/icons/hicolor/" + size + "/apps/zephyrant.png";
}

Icon ReadIcon(int side) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Icon icon;
  if (!png_image_begin_read_from_file(&image, IconPath(side).c_str())) {
    ADD_FAILURE() << IconPath(side) << ": " << image.message;
    return icon;
  }
  image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB in memory on a little-endian machine
  icon.width = static_cast<int>(image.width);
  icon.height = static_cast<int>(image.height);
  icon.argb.resize(static_cast<size_t>(icon.width) * icon.height);
  if (!png_image_finish_read(&image, nullptr, icon.argb.data(), 0, nullptr)) {
    ADD_FAILURE() << IconPath(side) << ": " << image.message;
    return {};
  }
  return icon;
}

struct Box {
  int left = 1 << 20;
  int top = 1 << 20;
  int right = -1;
  int bottom = -1;
};

// The smallest box around the pixels at least half opaque.
Box Drawn(const Icon& icon) {
  Box box;
  for (int y = 0; y < icon.height; ++y) {
    for (int x = 0; x < icon.width; ++x) {
      if (icon.Alpha(x, y) < 128) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  }
  return box;
}

// Whether the pixel and its eight neighbours are all solid.
bool Inside(const std::vector<uint32_t>& argb, int side, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx;
      const int ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= side || ny >= side) return false;
      if ((argb[static_cast<size_t>(ny) * side + nx] >> 24) < 255) return false;
    }
  }
  return true;
}

std::unique_ptr<PictureItem> ShipSprite() {
  for (const ImageListSpec& list : ImageCatalogue()) {
    if (list.name != "Hero") continue;
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      const ImageSpec& item = list.items[i];
      if (item.name != "hero") continue;
      return std::make_unique<PictureItem>(item.name, ReadBmp8(kAssets + "/" + ImagePath(list, i)),
                                           item.pattern_width, item.pattern_height, item.key);
    }
  }
  ADD_FAILURE() << "the ship's sprite is not in the catalogue";
  return nullptr;
}

TEST(DesktopIcons, EverySizeIsASquareSeeThroughAroundTheShip) {
  for (const int side : kSides) {
    SCOPED_TRACE(side);
    const Icon icon = ReadIcon(side);
    ASSERT_EQ(icon.width, side);
    ASSERT_EQ(icon.height, side);
    const int last = side - 1;
    EXPECT_EQ(icon.Alpha(0, 0) + icon.Alpha(last, 0) + icon.Alpha(0, last) + icon.Alpha(last, last),
              0)
        << "the corners hide the desktop";
    const auto opaque = std::count_if(icon.argb.begin(), icon.argb.end(),
                                      [](uint32_t p) { return (p >> 24) == 255; });
    EXPECT_GT(opaque, side * side / 8) << "too little of the ship is solid";
    EXPECT_LT(opaque, side * side / 2) << "the ship fills the square as a block";
  }
}

TEST(DesktopIcons, TheShipStandsUprightAndCentredAtFullHeight) {
  for (const int side : kSides) {
    SCOPED_TRACE(side);
    const Icon icon = ReadIcon(side);
    ASSERT_EQ(icon.argb.size(), static_cast<size_t>(side) * side);
    const Box box = Drawn(icon);
    ASSERT_GE(box.right, box.left) << "nothing drawn";
    const int width = box.right - box.left + 1;
    const int height = box.bottom - box.top + 1;
    EXPECT_GE(height, side * 3 / 4) << "the ship does not fill the height";
    // The sprite is 45 x 72: taller than wide by about 1.6 (less at 16
    // pixels, where the rim takes a larger share).
    EXPECT_GT(height * 10, width * (side < 32 ? 12 : 14));
    EXPECT_LT(height * 10, width * 19);
    EXPECT_LE(std::abs(box.left - (side - 1 - box.right)), 1) << "not centred across";
    EXPECT_LE(std::abs(box.top - (side - 1 - box.bottom)), 1) << "not centred down";
  }
}

TEST(DesktopIcons, ShowTheSameShipAsTheWindowIcon) {
  const std::unique_ptr<PictureItem> sprite = ShipSprite();
  ASSERT_NE(sprite, nullptr);
  for (const int side : kSides) {
    if (side < 32) continue;  // too few pixels to compare shapes
    SCOPED_TRACE(side);
    const Icon icon = ReadIcon(side);
    ASSERT_EQ(icon.argb.size(), static_cast<size_t>(side) * side);
    const std::vector<uint32_t> window = MakeWindowIcon(*sprite, side);
    ASSERT_EQ(window.size(), icon.argb.size());
    // The shapes overlap, and the nose, the middle and the tail have the
    // same colours: the window's icon has the ship enlarged to the full
    // height, the desktop's a small margin, so they match closely but not
    // pixel for pixel.
    int both = 0;
    int either = 0;
    for (size_t i = 0; i < window.size(); ++i) {
      const bool a = (icon.argb[i] >> 24) >= 128;
      const bool b = (window[i] >> 24) >= 128;
      either += a || b;
      both += a && b;
    }
    // The bands are thirds of each ship's own height; only the pixels
    // inside each ship count, as the rims differ in width.
    constexpr int kBands = 3;
    double sums[2][kBands][3] = {};
    int counts[2][kBands] = {};
    const Icon window_icon{side, side, window};
    const Icon* icons[2] = {&icon, &window_icon};
    for (int k = 0; k < 2; ++k) {
      const Box box = Drawn(*icons[k]);
      for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = 0; x < side; ++x) {
          if (!Inside(icons[k]->argb, side, x, y)) continue;
          const int band = (y - box.top) * kBands / (box.bottom - box.top + 1);
          ++counts[k][band];
          for (int c = 0; c < 3; ++c)
            sums[k][band][c] += (icons[k]->At(x, y) >> (16 - 8 * c)) & 0xFF;
        }
      }
    }
    ASSERT_GT(either, 0);
    EXPECT_GT(static_cast<double>(both) / either, 0.75) << "the outlines differ";
    for (int band = 0; band < kBands; ++band) {
      ASSERT_GT(counts[0][band], 0);
      ASSERT_GT(counts[1][band], 0);
      for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(sums[0][band][c] / counts[0][band], sums[1][band][c] / counts[1][band], 20)
            << "colour " << c << " of band " << band;
      }
    }
  }
}

}  // namespace
}  // namespace zephyrant
