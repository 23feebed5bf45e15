// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/common/png_writer.h"
#include "tests/runner/png_reader.h"

namespace zephyrant {
namespace {

TEST(PngWriter, PixelsReadBackInPlace) {
  Surface surface(5, 3);
  surface.Fill(0x102030);
  surface.Row(0)[0] = 0xFF0000;
  surface.Row(0)[4] = 0x00FF00;
  surface.Row(2)[0] = 0x0000FF;
  surface.Row(2)[4] = 0xFFFFFF;
  const testing::RgbPicture picture = testing::ReadPng(EncodePng(surface));
  ASSERT_EQ(picture.width, 5);
  ASSERT_EQ(picture.height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(picture.At(x, y), surface.At(x, y)) << x << "," << y;
  }
}

TEST(PngWriter, DamageIsCaughtByTheChecksums) {
  Surface surface(4, 4);
  surface.Fill(0x808080);
  std::vector<uint8_t> png = EncodePng(surface);
  png[png.size() / 2] ^= 0x01;
  EXPECT_THROW(testing::ReadPng(png), std::runtime_error);
}

}  // namespace
}  // namespace zephyrant
