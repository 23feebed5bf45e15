// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads back the PNG files the runner writes (8-bit RGB, rows without
// filters), checking every CRC on the way. Raises std::runtime_error when the
// file is not such a picture.

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace zephyrant::testing {

struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgb;  // three bytes a pixel, top row first

  uint32_t At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return (uint32_t{rgb[i]} << 16) | (uint32_t{rgb[i + 1]} << 8) | rgb[i + 2];
  }
};

inline RgbPicture ReadPng(const std::vector<uint8_t>& png) {
  auto fail = [](const std::string& what) -> void { throw std::runtime_error("PNG: " + what); };
  auto u32 = [&png](size_t at) {
    return (uint32_t{png[at]} << 24) | (uint32_t{png[at + 1]} << 16) |
           (uint32_t{png[at + 2]} << 8) | png[at + 3];
  };
  static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (png.size() < 8 || !std::equal(kSignature, kSignature + 8, png.begin())) fail("signature");
  RgbPicture picture;
  std::vector<uint8_t> packed;
  bool ended = false;
  for (size_t at = 8; !ended;) {
    if (at + 12 > png.size()) fail("truncated chunk");
    const uint32_t length = u32(at);
    if (at + 12 + length > png.size()) fail("truncated chunk");
    const std::string type(png.begin() + at + 4, png.begin() + at + 8);
    const uint8_t* data = png.data() + at + 8;
    if (crc32(0L, png.data() + at + 4, length + 4) != u32(at + 8 + length)) fail(type + " CRC");
    if (type == "IHDR") {
      picture.width = static_cast<int>(u32(at + 8));
      picture.height = static_cast<int>(u32(at + 12));
      if (length != 13 || data[8] != 8 || data[9] != 2 || data[12] != 0) fail("not 8-bit RGB");
    } else if (type == "IDAT") {
      packed.insert(packed.end(), data, data + length);
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  const size_t row_bytes = 1 + 3 * static_cast<size_t>(picture.width);
  std::vector<uint8_t> raw(row_bytes * picture.height);
  uLongf raw_size = raw.size();
  if (uncompress(raw.data(), &raw_size, packed.data(), packed.size()) != Z_OK ||
      raw_size != raw.size()) {
    fail("image data");
  }
  for (int y = 0; y < picture.height; ++y) {
    const uint8_t* row = raw.data() + y * row_bytes;
    if (row[0] != 0) fail("row filter");
    picture.rgb.insert(picture.rgb.end(), row + 1, row + row_bytes);
  }
  return picture;
}

}  // namespace zephyrant::testing
