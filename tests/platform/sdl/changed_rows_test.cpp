// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/changed_rows.h"

#include <gtest/gtest.h>

#include <vector>

namespace zephyrant {
namespace {

// A source 3 pixels wider than its rows, to catch a pitch taken for a width.
struct Source {
  explicit Source(Size s) : size(s), pitch(s.width + 3), pixels(pitch * s.height, 0) {}
  // Every pixel of the row from column `from` on takes a value it never had before.
  void Change(int row, uint32_t frame, int from = 0) {
    for (int x = from; x < size.width; ++x) pixels[row * pitch + x] = (frame << 12) | x;
  }
  Size size;
  int pitch;
  std::vector<uint32_t> pixels;
};

struct Target {
  explicit Target(Size size) : pixels(size.width * size.height, 0xDEADBEEF) {
    buffer = PixelBuffer{pixels.data(), size, size.width};
  }
  std::vector<uint32_t> pixels;
  PixelBuffer buffer;
};

// The bands of rows where two pictures of a target differ, touching ones merged.
std::vector<Rect> DifferingBands(const Target& before, const Target& after) {
  std::vector<Rect> bands;
  const Size size = after.buffer.size;
  for (int y = 0; y < size.height; ++y) {
    const auto row = after.pixels.begin() + y * size.width;
    if (std::equal(row, row + size.width, before.pixels.begin() + y * size.width)) continue;
    if (!bands.empty() && bands.back().bottom == y) {
      ++bands.back().bottom;
    } else {
      bands.push_back(Rect{0, y, size.width, y + 1});
    }
  }
  return bands;
}

TEST(ChangedRowStretcher, TheWindowAlwaysHoldsAFullStretchOfTheLatestFrame) {
  // Growing at an odd scale, the same size, shrinking, one pixel, and
  // growing again, all in one window buffer with bars around the box.
  const Size window{101, 77};
  const std::vector<Rect> boxes = {RectOfSize(2, 3, 97, 71), RectOfSize(5, 1, 40, 30),
                                   RectOfSize(0, 7, 23, 17), RectOfSize(50, 50, 1, 1),
                                   RectOfSize(1, 0, 100, 77)};
  Source source(Size{40, 30});
  Target shown(window);
  Target expected(window);
  ChangedRowStretcher stretcher;
  uint32_t seed = 1;
  uint32_t frame = 0;
  for (const Rect& box : boxes) {
    for (int step = 0; step < 12; ++step) {
      ++frame;
      // Each frame changes a few rows, now and then none or all of them.
      const int changes = step == 3 ? 0 : step == 7 ? source.size.height : step % 4 + 1;
      for (int i = 0; i < changes; ++i) {
        seed = seed * 1103515245u + 12345u;
        source.Change(step == 7 ? i : static_cast<int>(seed >> 16) % source.size.height, frame);
      }
      const bool whole = step == 0 || step == 9;
      if (step == 9) stretcher.Reset();
      const Target before = expected;
      NearestStretcher().Stretch(source.pixels.data(), source.size, source.pitch, expected.buffer,
                                 box);
      const std::vector<Rect> bands =
          stretcher.Stretch(source.pixels.data(), source.size, source.pitch, shown.buffer, box);
      ASSERT_EQ(shown.pixels, expected.pixels) << "frame " << frame;
      const std::vector<Rect> all = {RectOfSize(0, 0, window.width, window.height)};
      EXPECT_EQ(bands, whole ? all : DifferingBands(before, expected)) << "frame " << frame;
    }
  }
}

TEST(ChangedRowStretcher, OnlyRowsThatDifferFromTheWindowAreRewritten) {
  Source source(Size{4, 4});
  Target target(Size{10, 10});
  const Rect box = RectOfSize(1, 1, 8, 8);
  ChangedRowStretcher stretcher;
  stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, box);
  EXPECT_TRUE(stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, box)
                  .empty());
  // The window is what is compared: a pixel drawn over in the first box row
  // of source row 0 is drawn again, with the other box row of that source
  // row, and only those two are sent.
  target.pixels[1 * 10 + 5] = 1;
  EXPECT_EQ(stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, box),
            std::vector<Rect>{RectOfSize(0, 1, 10, 2)});
  EXPECT_EQ(target.pixels[1 * 10 + 5], 0u);
  // Rows 1 and 2 touch: one band, 2 target rows each, below the top bar.
  // Only their last pixels change.
  source.Change(1, 1, 3);
  source.Change(2, 1, 3);
  EXPECT_EQ(stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, box),
            std::vector<Rect>{RectOfSize(0, 3, 10, 4)});
  // A change only in a source column the shrunken box does not show sends
  // nothing.
  const Rect narrow = RectOfSize(1, 1, 2, 8);
  stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, narrow);
  source.pixels[0] = 77;  // column 0 of row 0; the two box columns show columns 1 and 3
  EXPECT_TRUE(
      stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, narrow)
          .empty());
  stretcher.Reset();
  EXPECT_EQ(
      stretcher.Stretch(source.pixels.data(), source.size, source.pitch, target.buffer, narrow),
      std::vector<Rect>{RectOfSize(0, 0, 10, 10)});
}

}  // namespace
}  // namespace zephyrant
