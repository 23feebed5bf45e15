// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The software presenter's scaling: the 800 x 600 surface stretched into a
// rectangle of a window's pixel buffer, nearest pixel, row by row.

#include <cstdint>
#include <vector>

#include "framework/geometry.h"
#include "framework/platform.h"

namespace zephyrant {

// The source pixel under the centre of output pixel i of n, for a source of m.
int SourceIndex(int i, int n, int m);

struct PixelBuffer {
  uint32_t* pixels = nullptr;
  Size size;
  int pitch = 0;  // in pixels
};

class NearestStretcher {
 public:
  // Copies `source` (`source_pitch` pixels a row) into `box` of `target`;
  // the box must lie inside the target. Rows that repeat a source row are
  // copied whole from the row above.
  void Stretch(const uint32_t* source, Size source_size, int source_pitch,
               const PixelBuffer& target, const Rect& box);
  // One source row of `source_width` pixels stretched into `width` pixels.
  void StretchRow(const uint32_t* in, int source_width, uint32_t* out, int width);

 private:
  static constexpr int kBlock = 8;
  void PrepareColumns(int source_width, int width);

  std::vector<int> columns_;  // the source column of each box column
  // Widening on processors with AVX2: for each whole block of eight box
  // columns, its first source column and the eight columns' distances from it.
  std::vector<int> block_firsts_;
  std::vector<int32_t> block_lanes_;
  Size columns_for_;  // (source width, box width) the tables were made for
};

}  // namespace zephyrant
