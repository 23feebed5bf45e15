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

// The plain nearest look-up, pixel by pixel: what every way of filling a
// row must agree with.
uint32_t ReferencePixel(const std::vector<uint32_t>& source, Size source_size, Size box, int x,
                        int y) {
  const auto nearest = [](int i, int n, int m) {
    return static_cast<int>((2 * int64_t{i} + 1) * m / (2 * int64_t{n}));
  };
  return source[nearest(y, box.height, source_size.height) * source_size.width +
                nearest(x, box.width, source_size.width)];
}

TEST(NearestStretcher, EveryScaleMatchesThePixelByPixelLookUpAndStaysInItsBox) {
  // Shrinking, 1:1, just wider, non-integer and large factors, in both
  // directions at once; boxes offset inside a target with a longer pitch.
  const Size sources[] = {Size{800, 600}, Size{7, 5}, Size{13, 9}};
  const Size boxes[] = {Size{1280, 960}, Size{2880, 2160}, Size{801, 601}, Size{799, 599},
                        Size{640, 480},  Size{7, 5},       Size{9, 11},   Size{23, 17},
                        Size{64, 3},     Size{200, 100},   Size{1, 1},    Size{3, 2}};
  NearestStretcher stretcher;  // one stretcher for all: its tables follow each new size
  for (const Size source_size : sources) {
    const auto source = Numbered(source_size);
    for (const Size box : boxes) {
      Target target(Size{box.width + 5, box.height + 3});
      target.buffer.pitch = box.width + 5;
      const Rect placed = RectOfSize(3, 2, box.width, box.height);
      stretcher.Stretch(source.data(), source_size, source_size.width, target.buffer, placed);
      int wrong = 0;
      for (int y = 0; y < target.buffer.size.height; ++y) {
        for (int x = 0; x < target.buffer.size.width; ++x) {
          const bool inside = x >= placed.left && x < placed.right && y >= placed.top &&
                              y < placed.bottom;
          const uint32_t expected =
              inside ? ReferencePixel(source, source_size, box, x - placed.left, y - placed.top)
                     : 0xDEADBEEFu;
          wrong += target.At(x, y) != expected;
        }
      }
      EXPECT_EQ(wrong, 0) << source_size.width << "x" << source_size.height << " into "
                          << box.width << "x" << box.height;
    }
  }
}

TEST(NearestStretcher, ASourceWithALongerPitchIsReadRowByRow) {
  // The window's own pitch can exceed its width; so can a source's.
  const Size picture{6, 4};
  std::vector<uint32_t> source(10 * 4, 0xBADu);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) source[y * 10 + x] = (y << 16) | x;
  }
  for (const Size box : {Size{6, 4}, Size{15, 9}, Size{4, 3}}) {
    Target target(box);
    NearestStretcher().Stretch(source.data(), picture, 10, target.buffer,
                               RectOfSize(0, 0, box.width, box.height));
    for (const uint32_t pixel : target.pixels) EXPECT_NE(pixel, 0xBADu);
    EXPECT_EQ(target.At(box.width - 1, box.height - 1), (3u << 16) | 5u);
  }
}

}  // namespace
}  // namespace zephyrant
