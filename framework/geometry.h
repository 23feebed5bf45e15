// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephyrant {

// The drawing surface every screen is drawn on, and the frame interval.
inline constexpr int kSurfaceWidth = 800;
inline constexpr int kSurfaceHeight = 600;
inline constexpr int kFrameIntervalMs = 31;

// A rectangle by its edges; right and bottom are exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect RectOfSize(int left, int top, int width, int height) {
  return Rect{left, top, left + width, top + height};
}

// Rectangles that merely touch do not overlap.
inline bool Overlaps(const Rect& a, const Rect& b) {
  return a.left < b.right && a.right > b.left && a.top < b.bottom && a.bottom > b.top;
}

inline Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
         a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Surface pixels are 0x00RRGGBB.
inline constexpr uint32_t PackRgb(Rgb c) {
  return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | uint32_t{c.b};
}
inline constexpr Rgb UnpackRgb(uint32_t p) {
  return Rgb{static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
}

}  // namespace zephyrant
