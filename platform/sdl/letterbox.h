// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the drawing surface lands in the window: the largest rectangle of the
// surface's shape, centred, with black bars on the other two sides.

#include "framework/geometry.h"
#include "framework/platform.h"

namespace zephyrant {

Rect LetterboxRect(Size output, Size surface);

// A window point to the surface pixel under it, clamped to the surface.
Point WindowToSurface(Point window, const Rect& box, Size surface);

// The window point at the centre of a surface pixel.
Point SurfaceToWindow(Point pixel, const Rect& box, Size surface);

// Surface pixels per window pixel along each axis; relative pointer motion
// in window pixels is multiplied by these.
struct PointerScale {
  double x = 1.0;
  double y = 1.0;
};
PointerScale SurfacePerWindowPixel(const Rect& box, Size surface);

}  // namespace zephyrant
