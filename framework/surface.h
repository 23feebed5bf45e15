// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/geometry.h"

namespace zephyrant {

// The opaque stretches of each row of a pattern, so that mostly transparent
// pictures are copied run by run instead of pixel by pixel.
struct PatternRuns {
  struct Run {
    uint16_t x;
    uint16_t length;
  };
  std::vector<uint32_t> row_start;  // index of each row's first run; one more entry at the end
  std::vector<Run> runs;
};

// A read-only view of one pattern (animation frame) of a picture.
struct PatternView {
  const uint32_t* pixels = nullptr;  // top-left pixel of the pattern
  int stride = 0;                    // pixels per row of the whole picture
  int width = 0;
  int height = 0;
  uint32_t key = 0;  // colour key, 0x00RRGGBB
  bool transparent = true;
  bool opaque = false;                // no pixel has the key colour
  const PatternRuns* runs = nullptr;  // set when copying by runs pays

  bool Valid() const { return pixels != nullptr && width > 0 && height > 0; }
  uint32_t At(int x, int y) const { return pixels[y * stride + x]; }
};

// The 32-bit drawing surface in memory that every screen is drawn into and
// the presenter uploads once per frame. Pixels are 0x00RRGGBB.
class Surface {
 public:
  Surface(int width = kSurfaceWidth, int height = kSurfaceHeight);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }
  uint32_t* Row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Pixels() const { return pixels_.data(); }
  uint32_t* Pixels() { return pixels_.data(); }
  uint32_t At(int x, int y) const { return Row(y)[x]; }

  void Fill(uint32_t colour);

  // Copies a pattern with its top-left at (x, y), skipping colour-keyed
  // pixels, clipped to the surface.
  void BlitKeyed(const PatternView& src, int x, int y);

  // Stretches a pattern into dst; alpha < 255 blends it with that opacity.
  void BlitStretched(const PatternView& src, const Rect& dst, int alpha);

  // Draws a pattern scaled to width x height, rotated clockwise by
  // angle x 360/256 degrees about its centre, which lands on (cx, cy).
  void BlitRotated(const PatternView& src, int cx, int cy, int width, int height, int angle,
                   int alpha);

 private:
  int width_;
  int height_;
  std::vector<uint32_t> pixels_;
};

}  // namespace zephyrant
