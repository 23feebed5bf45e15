// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures with see-through pixels, as the desktop's icons are written:
// read back by libpng itself, each pixel keeps its colour and its opacity,
// and a size that the pixels do not fill is refused rather than written.

#include "platform/common/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace zephyrant {
namespace {

struct Read {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // four bytes a pixel, top row first
};

Read ReadBack(const std::vector<uint8_t>& png) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  Read read;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) {
    ADD_FAILURE() << image.message;
    return read;
  }
  EXPECT_NE(image.format & PNG_FORMAT_FLAG_ALPHA, 0u) << "stored without opacity";
  image.format = PNG_FORMAT_RGBA;
  read.width = static_cast<int>(image.width);
  read.height = static_cast<int>(image.height);
  read.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, read.rgba.data(), 0, nullptr)) {
    ADD_FAILURE() << image.message;
  }
  return read;
}

TEST(PngWithAlpha, EveryPixelKeepsItsColourAndOpacityInPlace) {
  // 3 x 2, every channel different, so that a swapped channel or a row read
  // backwards shows.
  const std::vector<uint32_t> argb = {0xFF102030, 0x80405060, 0x00000000,
                                      0x01FFFFFF, 0xFE0A0B0C, 0x7F706050};
  const Read read = ReadBack(EncodePngWithAlpha(3, 2, argb));
  ASSERT_EQ(read.width, 3);
  ASSERT_EQ(read.height, 2);
  ASSERT_EQ(read.rgba.size(), 24u);
  for (size_t i = 0; i < argb.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(read.rgba[4 * i], (argb[i] >> 16) & 0xFF);
    EXPECT_EQ(read.rgba[4 * i + 1], (argb[i] >> 8) & 0xFF);
    EXPECT_EQ(read.rgba[4 * i + 2], argb[i] & 0xFF);
    EXPECT_EQ(read.rgba[4 * i + 3], argb[i] >> 24);
  }
}

TEST(PngWithAlpha, PixelsThatDoNotFillTheSizeAreRefused) {
  EXPECT_THROW(EncodePngWithAlpha(3, 2, std::vector<uint32_t>(5)), std::runtime_error);
  EXPECT_THROW(EncodePngWithAlpha(0, 0, {}), std::runtime_error);
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "zephyrant-png-alpha-refused.png";
  std::filesystem::remove(path);
  EXPECT_THROW(WritePngWithAlpha(path, 2, 2, std::vector<uint32_t>(3)), std::runtime_error);
  EXPECT_FALSE(std::filesystem::exists(path)) << "a refused picture left a file";
}

TEST(PngWithAlpha, AFileThatCannotBeWrittenIsReported) {
  EXPECT_THROW(WritePngWithAlpha("/nonexistent-folder/icon.png", 1, 1, {0xFF000000}),
               std::runtime_error);
}

}  // namespace
}  // namespace zephyrant
