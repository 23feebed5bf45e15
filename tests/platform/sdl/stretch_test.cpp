// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/stretch.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace zephyrant {
namespace {

// A source whose every pixel names its own column and row.
std::vector<uint32_t> Numbered(Size size) {
  std::vector<uint32_t> pixels(size.width * size.height);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) pixels[y * size.width + x] = (y << 16) | x;
  }
  return pixels;
}

struct Target {
  explicit Target(Size size, uint32_t fill = 0xDEADBEEF)
      : pixels(size.width * size.height, fill), buffer{pixels.data(), size, size.width} {}
  uint32_t At(int x, int y) const { return pixels[y * buffer.pitch + x]; }
  std::vector<uint32_t> pixels;
  PixelBuffer buffer;
};

TEST(NearestStretcher, SameSizeIsAnExactCopy) {
  const Size size{8, 6};
  const auto source = Numbered(size);
  Target target(size);
  NearestStretcher().Stretch(source.data(), size, size.width, target.buffer,
                             RectOfSize(0, 0, 8, 6));
  EXPECT_EQ(target.pixels, source);
}

TEST(NearestStretcher, DoublingRepeatsEveryPixelTwiceAndLeavesTheBarsAlone) {
  const Size size{4, 3};
  const auto source = Numbered(size);
  Target target(Size{10, 8});
  NearestStretcher().Stretch(source.data(), size, size.width, target.buffer,
                             RectOfSize(1, 1, 8, 6));
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(target.At(x + 1, y + 1), static_cast<uint32_t>(((y / 2) << 16) | (x / 2)));
    }
  }
  EXPECT_EQ(target.At(0, 0), 0xDEADBEEFu);
  EXPECT_EQ(target.At(9, 7), 0xDEADBEEFu);
  EXPECT_EQ(target.At(9, 3), 0xDEADBEEFu);
}

TEST(NearestStretcher, OddScalesReachBothEdgesWithoutReadingPastThem) {
  // 800 x 600 into the 1280 x 960 box of a 1280 x 1024 desktop, and down to 640 x 480.
  const Size size{800, 600};
  const auto source = Numbered(size);
  NearestStretcher stretcher;
  for (const Size out : {Size{1280, 960}, Size{640, 480}, Size{1, 1}}) {
    Target target(out);
    stretcher.Stretch(source.data(), size, size.width, target.buffer,
                      RectOfSize(0, 0, out.width, out.height));
    const uint32_t last = target.At(out.width - 1, out.height - 1);
    EXPECT_LE(last & 0xFFFF, 799u);
    EXPECT_LE(last >> 16, 599u);
    if (out.width > 1) {
      EXPECT_EQ(target.At(0, 0), 0u);
      EXPECT_EQ(last, (599u << 16) | 799u);
    }
    // Columns never go backwards along a row.
    for (int x = 1; x < out.width; ++x) {
      EXPECT_LE(target.At(x - 1, 0) & 0xFFFF, target.At(x, 0) & 0xFFFF);
    }
  }
}

}  // namespace
}  // namespace zephyrant
