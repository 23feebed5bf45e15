// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/window_icon.h"

#include <gtest/gtest.h>

#include "tests/support/pictures.h"

namespace zephyrant {
namespace {

using testing::kBlue;
using testing::kKey;
using testing::kRed;
using testing::MakePicture;

uint32_t Alpha(uint32_t pixel) {
  return pixel >> 24;
}

TEST(WindowIcon, FillsTheSquareAlongTheLongSideAndCentresTheShort) {
  // A tall picture: red top half, blue bottom half, a see-through frame
  // column on the left.
  const auto picture = MakePicture(20, 40, 0, 0, [](int x, int y) -> uint8_t {
    if (x == 0) return kKey;
    return y < 20 ? kRed : kBlue;
  });
  const std::vector<uint32_t> icon = MakeWindowIcon(*picture, 64);
  ASSERT_EQ(icon.size(), 64u * 64u);
  auto at = [&](int x, int y) { return icon[static_cast<size_t>(y) * 64 + x]; };
  // 32 x 64 in the middle: columns 16 to 47, the key column 1.6 wide.
  EXPECT_EQ(Alpha(at(15, 32)), 0u) << "left of the picture";
  EXPECT_EQ(Alpha(at(48, 32)), 0u) << "right of the picture";
  EXPECT_EQ(Alpha(at(16, 32)), 0u) << "the key colour is see-through";
  EXPECT_EQ(at(30, 5), 0xFFFF0000u);
  EXPECT_EQ(at(30, 60), 0xFF0000FFu);
  EXPECT_EQ(at(47, 0), 0xFFFF0000u) << "the picture reaches the top";
  EXPECT_EQ(at(47, 63), 0xFF0000FFu) << "and the bottom";
}

TEST(WindowIcon, ShrinkingKeepsThinLinesAsPartlySeeThroughPixels) {
  // One red line, a pixel thick, across a 128-wide picture shrunk to 64.
  const auto picture =
      MakePicture(128, 128, 0, 0, [](int, int y) -> uint8_t { return y == 65 ? kRed : kKey; });
  const std::vector<uint32_t> icon = MakeWindowIcon(*picture, 64);
  ASSERT_EQ(icon.size(), 64u * 64u);
  const uint32_t line = icon[32 * 64 + 10];
  EXPECT_GT(Alpha(line), 0u) << "not dropped by the shrinking";
  EXPECT_LT(Alpha(line), 255u);
  EXPECT_EQ(line & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(Alpha(icon[31 * 64 + 10]), 0u);
}

TEST(WindowIcon, UsesTheFirstPatternOnlyAndGivesNothingForNoPicture) {
  // Two 10 x 10 patterns side by side: red, then blue.
  const auto picture =
      MakePicture(20, 10, 10, 10, [](int x, int) -> uint8_t { return x < 10 ? kRed : kBlue; });
  const std::vector<uint32_t> icon = MakeWindowIcon(*picture, 16);
  ASSERT_EQ(icon.size(), 16u * 16u);
  for (const uint32_t pixel : icon) ASSERT_EQ(pixel, 0xFFFF0000u);
  EXPECT_TRUE(MakeWindowIcon(*picture, 0).empty());
}

}  // namespace
}  // namespace zephyrant
