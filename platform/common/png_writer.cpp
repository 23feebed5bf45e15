// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/png_writer.h"

#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <new>
#include <stdexcept>
#include <string>

namespace zephyrant {

namespace {

// Unfiltered rows: on the game's pictures filters make files larger, not
// smaller, and take longer. The fastest packing: a shot is taken between two
// frames, and at this level it fits in the time a frame leaves (the default
// level packs a fifth tighter in three times as long).
constexpr int kFilters = PNG_FILTER_NONE;
constexpr int kPacking = Z_BEST_SPEED;

// What libpng said when it gave up.
struct PngTrouble {
  char text[256] = "";
};

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
  auto* trouble = static_cast<PngTrouble*>(png_get_error_ptr(png));
  std::snprintf(trouble->text, sizeof trouble->text, "%s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void AppendBytes(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  bool stored = true;
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    stored = false;
  }
  // libpng leaves by a long jump, which must not cross a C++ handler.
  if (!stored) png_error(png, "out of memory");
}

void NoFlush(png_structp) {}

// Only plain values live in this frame, so libpng's long jump out of an
// error skips nothing that needs destroying.
bool Encode(int width, int height, int colour_type, png_bytep* rows, std::vector<uint8_t>* out,
            PngTrouble* trouble) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, trouble, OnError, OnWarning);
  if (png == nullptr) {
    std::snprintf(trouble->text, sizeof trouble->text, "out of memory");
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    std::snprintf(trouble->text, sizeof trouble->text, "out of memory");
    return false;
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendBytes, NoFlush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               colour_type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, kFilters);
  png_set_compression_level(png, kPacking);
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Surface& surface) {
  const int width = surface.Width();
  const int height = surface.Height();
  const size_t row_bytes = 3 * static_cast<size_t>(width);
  std::vector<uint8_t> rgb(row_bytes * static_cast<size_t>(height));
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    uint8_t* row = rgb.data() + row_bytes * static_cast<size_t>(y);
    rows[static_cast<size_t>(y)] = row;
    const uint32_t* pixels = surface.Row(y);
    for (int x = 0; x < width; ++x) {
      const Rgb c = UnpackRgb(pixels[x]);
      row[3 * x] = c.r;
      row[3 * x + 1] = c.g;
      row[3 * x + 2] = c.b;
    }
  }
  std::vector<uint8_t> png;
  png.reserve(rgb.size() / 4);
  PngTrouble trouble;
  if (!Encode(width, height, PNG_COLOR_TYPE_RGB, rows.data(), &png, &trouble)) {
    throw std::runtime_error(std::string("cannot encode the picture: ") + trouble.text);
  }
  return png;
}

std::vector<uint8_t> EncodePngWithAlpha(int width, int height, const std::vector<uint32_t>& argb) {
  if (width <= 0 || height <= 0 ||
      argb.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
    throw std::runtime_error("cannot encode the picture: its size and its pixels disagree");
  }
  const size_t row_bytes = 4 * static_cast<size_t>(width);
  std::vector<uint8_t> rgba(row_bytes * static_cast<size_t>(height));
  std::vector<png_bytep> rows(static_cast<size_t>(height));
  for (int y = 0; y < height; ++y) {
    uint8_t* row = rgba.data() + row_bytes * static_cast<size_t>(y);
    rows[static_cast<size_t>(y)] = row;
    for (int x = 0; x < width; ++x) {
      const uint32_t c = argb[static_cast<size_t>(y) * static_cast<size_t>(width) + x];
      row[4 * x] = static_cast<uint8_t>(c >> 16);
      row[4 * x + 1] = static_cast<uint8_t>(c >> 8);
      row[4 * x + 2] = static_cast<uint8_t>(c);
      row[4 * x + 3] = static_cast<uint8_t>(c >> 24);
    }
  }
  std::vector<uint8_t> png;
  PngTrouble trouble;
  if (!Encode(width, height, PNG_COLOR_TYPE_RGB_ALPHA, rows.data(), &png, &trouble)) {
    throw std::runtime_error(std::string("cannot encode the picture: ") + trouble.text);
  }
  return png;
}

namespace {

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& png) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  out.close();
  if (!out) throw std::runtime_error(path.string() + ": cannot write the picture");
}

}  // namespace

void WritePng(const std::filesystem::path& path, const Surface& surface) {
  WriteBytes(path, EncodePng(surface));
}

void WritePngWithAlpha(const std::filesystem::path& path, int width, int height,
                       const std::vector<uint32_t>& argb) {
  WriteBytes(path, EncodePngWithAlpha(width, height, argb));
}

}  // namespace zephyrant
