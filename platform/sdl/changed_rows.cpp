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

void ChangedRowStretcher::KeepRows(const uint32_t* source, int source_pitch, bool compare) {
  const int width = source_size_.width;
  const size_t row_bytes = sizeof(uint32_t) * width;
  changed_.assign(source_size_.height, 1);
  for (int row = 0; row < source_size_.height; ++row) {
    const uint32_t* in = source + static_cast<ptrdiff_t>(row) * source_pitch;
    uint32_t* kept = shown_.data() + static_cast<ptrdiff_t>(row) * width;
    if (compare && std::memcmp(in, kept, row_bytes) == 0) {
      changed_[row] = 0;
    } else {
      std::memcpy(kept, in, row_bytes);
    }
  }
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
    shown_.resize(static_cast<size_t>(kept_size.width) * kept_size.height);
    KeepRows(source, source_pitch, false);
    stretcher_.Stretch(source, source_size, source_pitch, target, box);
    bands_.push_back(RectOfSize(0, 0, target.size.width, target.size.height));
    trusted_ = true;
    return bands_;
  }
  KeepRows(source, source_pitch, true);
  const int height = box.Height();
  if (box.Width() <= 0 || source_size_.width <= 0 || source_size_.height <= 0) return bands_;
  // Box rows run through the source rows in order, so the rows of a changed
  // source row lie together and a band ends at the first unchanged one.
  int band_from = -1;
  for (int y = 0; y <= height; ++y) {
    const bool changed = y < height && changed_[SourceIndex(y, height, source_size_.height)] != 0;
    if (changed && band_from < 0) band_from = y;
    if (!changed && band_from >= 0) {
      stretcher_.StretchRows(source, source_size, source_pitch, target, box, band_from, y);
      bands_.push_back(Rect{0, box.top + band_from, target.size.width, box.top + y});
      band_from = -1;
    }
  }
  return bands_;
}

}  // namespace zephyrant
