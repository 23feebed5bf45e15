// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/changed_rows.h"

#include <algorithm>
#include <cstring>

namespace zephyrant {

bool ChangedRowStretcher::SamePlace(Size source_size, const PixelBuffer& target,
                                    const Rect& box) const {
  return source_size == source_size_ && box == box_ && target.pixels == target_.pixels &&
         target.size == target_.size && target.pitch == target_.pitch;
}

const std::vector<Rect>& ChangedRowStretcher::Stretch(const uint32_t* source, Size source_size,
                                                      int source_pitch, const PixelBuffer& target,
                                                      const Rect& box) {
  bands_.clear();
  const Size kept_size{std::max(source_size.width, 0), std::max(source_size.height, 0)};
  if (!trusted_ || !SamePlace(kept_size, target, box)) {
    source_size_ = kept_size;
    target_ = target;
    box_ = box;
    stretcher_.Stretch(source, source_size, source_pitch, target, box);
    bands_.push_back(RectOfSize(0, 0, target.size.width, target.size.height));
    trusted_ = true;
    return bands_;
  }
  const int width = box.Width();
  const int height = box.Height();
  if (width <= 0 || height <= 0 || kept_size.width <= 0 || kept_size.height <= 0) return bands_;
  // Each source row is stretched aside and compared with the first box row
  // that shows it: the window itself holds the last frame, so nothing else
  // is kept. The box rows of one source row lie together and are equal.
  row_.resize(width);
  const size_t row_bytes = sizeof(uint32_t) * width;
  int last_row = -1;
  bool changed = false;
  int band_from = -1;
  for (int y = 0; y <= height; ++y) {
    if (y < height) {
      uint32_t* out = target.pixels + static_cast<ptrdiff_t>(box.top + y) * target.pitch + box.left;
      const int row = SourceIndex(y, height, kept_size.height);
      if (row != last_row) {
        stretcher_.StretchRow(source + static_cast<ptrdiff_t>(row) * source_pitch, kept_size.width,
                              row_.data(), width);
        changed = std::memcmp(out, row_.data(), row_bytes) != 0;
        last_row = row;
      }
      if (changed) std::memcpy(out, row_.data(), row_bytes);
    }
    const bool in_band = y < height && changed;
    if (in_band && band_from < 0) band_from = y;
    if (!in_band && band_from >= 0) {
      bands_.push_back(Rect{0, box.top + band_from, target.size.width, box.top + y});
      band_from = -1;
    }
  }
  return bands_;
}

}  // namespace zephyrant
