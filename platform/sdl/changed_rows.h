// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The software presenter's stretch that rewrites only the rows that changed.
// From one frame to the next most of the surface stands still (the stars,
// the panels, a menu's texts), and on a large window every rewritten row
// costs a copy here and another in the X server.

#include <cstdint>
#include <vector>

#include "framework/geometry.h"
#include "framework/platform.h"
#include "platform/sdl/stretch.h"

namespace zephyrant {

class ChangedRowStretcher {
 public:
  // Leaves `box` of `target` as NearestStretcher would stretch `source` into
  // it, rewriting only the box rows whose stretched pixels differ from what
  // the target already shows there (the target keeps the last frame, so no
  // copy of it is held here). Returns the bands of target rows that changed,
  // as wide as the target, top to bottom, touching bands merged into one. The whole
  // target is one band (everything is stretched and must be sent) on the
  // first frame, after Reset and when the target, the box or the source's
  // size is not the one of the frame before.
  const std::vector<Rect>& Stretch(const uint32_t* source, Size source_size, int source_pitch,
                                   const PixelBuffer& target, const Rect& box);
  // The picture in the target can no longer be trusted (its bars were
  // drawn, or the whole window must be sent): the next frame goes whole.
  void Reset() { trusted_ = false; }

 private:
  bool SamePlace(Size source_size, const PixelBuffer& target, const Rect& box) const;

  NearestStretcher stretcher_;
  std::vector<uint32_t> row_;  // one source row stretched, to compare with the window's
  std::vector<Rect> bands_;
  bool trusted_ = false;
  Size source_size_;
  PixelBuffer target_;
  Rect box_;
};

}  // namespace zephyrant
