// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/window_icon.h"

#include <algorithm>

namespace zephyrant {

namespace {

// Each icon pixel averages this many samples each way of the picture under
// it, so that a picture shrunk or grown by an odd factor keeps its lines.
constexpr int kSamples = 4;

}  // namespace

std::vector<uint32_t> MakeWindowIcon(const PictureItem& picture, int side) {
  const PatternView pattern = picture.Pattern(0);
  if (!pattern.Valid() || side <= 0) return {};
  // The largest size of the pattern's shape that fits the square, centred.
  const double scale = std::min(static_cast<double>(side) / pattern.width,
                                static_cast<double>(side) / pattern.height);
  const double width = pattern.width * scale;
  const double height = pattern.height * scale;
  const double left = (side - width) / 2.0;
  const double top = (side - height) / 2.0;
  std::vector<uint32_t> icon(static_cast<size_t>(side) * side, 0);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      int seen = 0;
      uint32_t red = 0;
      uint32_t green = 0;
      uint32_t blue = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double px = (x + (sx + 0.5) / kSamples - left) / scale;
          const double py = (y + (sy + 0.5) / kSamples - top) / scale;
          if (px < 0 || py < 0 || px >= pattern.width || py >= pattern.height) continue;
          const uint32_t colour = pattern.At(static_cast<int>(px), static_cast<int>(py)) & 0xFFFFFF;
          if (pattern.transparent && colour == pattern.key) continue;
          ++seen;
          red += colour >> 16;
          green += (colour >> 8) & 0xFF;
          blue += colour & 0xFF;
        }
      }
      if (seen == 0) continue;
      const uint32_t alpha = (255u * seen + kSamples * kSamples / 2) / (kSamples * kSamples);
      icon[static_cast<size_t>(y) * side + x] =
          alpha << 24 | (red / seen) << 16 | (green / seen) << 8 | blue / seen;
    }
  }
  return icon;
}

}  // namespace zephyrant
