// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/letterbox.h"

#include <algorithm>
#include <cstdint>

namespace zephyrant {

namespace {

// Floor division, so that points left of or above the box map below zero
// rather than onto the first pixel.
int FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return static_cast<int>((a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q);
}

}  // namespace

Rect LetterboxRect(Size output, Size surface) {
  if (output.width <= 0 || output.height <= 0 || surface.width <= 0 || surface.height <= 0) {
    return Rect{};
  }
  const int64_t wide = int64_t{output.width} * surface.height;
  const int64_t tall = int64_t{output.height} * surface.width;
  int width = output.width;
  int height = output.height;
  if (wide > tall) {
    width = static_cast<int>(tall / surface.height);  // bars left and right
  } else {
    height = static_cast<int>(wide / surface.width);  // bars above and below
  }
  width = std::max(width, 1);
  height = std::max(height, 1);
  return RectOfSize((output.width - width) / 2, (output.height - height) / 2, width, height);
}

Point WindowToSurface(Point window, const Rect& box, Size surface) {
  if (box.Empty() || surface.width <= 0 || surface.height <= 0) return Point{};
  // Window pixels are measured at their centres, as SurfaceToWindow aims.
  const int x = FloorDiv((2 * int64_t{window.x - box.left} + 1) * surface.width, 2 * box.Width());
  const int y = FloorDiv((2 * int64_t{window.y - box.top} + 1) * surface.height, 2 * box.Height());
  return Point{std::clamp(x, 0, surface.width - 1), std::clamp(y, 0, surface.height - 1)};
}

Point SurfaceToWindow(Point pixel, const Rect& box, Size surface) {
  if (box.Empty() || surface.width <= 0 || surface.height <= 0) return Point{box.left, box.top};
  const int x = box.left + FloorDiv((2 * int64_t{pixel.x} + 1) * box.Width(), 2 * surface.width);
  const int y = box.top + FloorDiv((2 * int64_t{pixel.y} + 1) * box.Height(), 2 * surface.height);
  return Point{x, y};
}

PointerScale SurfacePerWindowPixel(const Rect& box, Size surface) {
  if (box.Empty()) return PointerScale{};
  return PointerScale{static_cast<double>(surface.width) / box.Width(),
                      static_cast<double>(surface.height) / box.Height()};
}

}  // namespace zephyrant
