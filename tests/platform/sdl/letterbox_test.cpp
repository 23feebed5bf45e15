// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/letterbox.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zephyrant {
namespace {

constexpr Size kSurface{kSurfaceWidth, kSurfaceHeight};

TEST(LetterboxRect, KeepsTheSurfaceShapeCentredWithBarsOnTheLongSides) {
  // A wide desktop: bars left and right.
  EXPECT_EQ(LetterboxRect(Size{1920, 1080}, kSurface), RectOfSize(240, 0, 1440, 1080));
  // A 5:4 desktop: bars above and below.
  EXPECT_EQ(LetterboxRect(Size{1280, 1024}, kSurface), RectOfSize(0, 32, 1280, 960));
  // The surface's own shape: no bars at all.
  EXPECT_EQ(LetterboxRect(Size{800, 600}, kSurface), RectOfSize(0, 0, 800, 600));
  EXPECT_EQ(LetterboxRect(Size{640, 480}, kSurface), RectOfSize(0, 0, 640, 480));
}

TEST(LetterboxRect, NeverEmptiesForATinyWindowAndIgnoresAnEmptyOne) {
  EXPECT_FALSE(LetterboxRect(Size{1, 1}, kSurface).Empty());
  EXPECT_TRUE(LetterboxRect(Size{0, 600}, kSurface).Empty());
  EXPECT_TRUE(LetterboxRect(Size{800, 600}, Size{}).Empty());
}

TEST(PointerMapping, BoxCornersAreSurfaceCornersAndBarsClampToTheEdge) {
  const Rect box = LetterboxRect(Size{1920, 1080}, kSurface);
  EXPECT_EQ(WindowToSurface(Point{240, 0}, box, kSurface), (Point{0, 0}));
  EXPECT_EQ(WindowToSurface(Point{1679, 1079}, box, kSurface), (Point{799, 599}));
  // The black bars and points outside the window.
  EXPECT_EQ(WindowToSurface(Point{10, 540}, box, kSurface), (Point{0, 300}));
  EXPECT_EQ(WindowToSurface(Point{1900, 540}, box, kSurface), (Point{799, 300}));
  EXPECT_EQ(WindowToSurface(Point{-50, -50}, box, kSurface), (Point{0, 0}));
}

TEST(PointerMapping, WarpingThenReadingGivesTheSamePixelWhenScaledUp) {
  for (const Size window : {Size{1920, 1080}, Size{1280, 1024}, Size{1024, 768}, Size{801, 601}}) {
    const Rect box = LetterboxRect(window, kSurface);
    for (int x = 0; x < kSurfaceWidth; ++x) {
      const Point p{x, x * kSurfaceHeight / kSurfaceWidth};
      ASSERT_EQ(WindowToSurface(SurfaceToWindow(p, box, kSurface), box, kSurface), p)
          << "window " << window.width << "x" << window.height << ", pixel " << x;
    }
  }
}

TEST(PointerMapping, WarpingThenReadingStaysWithinAPixelWhenScaledDown) {
  const Rect box = LetterboxRect(Size{640, 480}, kSurface);
  for (int x = 0; x < kSurfaceWidth; ++x) {
    const Point p{x, x * kSurfaceHeight / kSurfaceWidth};
    const Point back = WindowToSurface(SurfaceToWindow(p, box, kSurface), box, kSurface);
    ASSERT_LE(std::abs(back.x - p.x), 1) << x;
    ASSERT_LE(std::abs(back.y - p.y), 1) << x;
  }
}

TEST(PointerMapping, RelativeMotionIsScaledToSurfacePixels) {
  const PointerScale doubled =
      SurfacePerWindowPixel(LetterboxRect(Size{1600, 1200}, kSurface), kSurface);
  EXPECT_DOUBLE_EQ(doubled.x, 0.5);
  EXPECT_DOUBLE_EQ(doubled.y, 0.5);
  // An empty window must not divide by zero.
  const PointerScale none = SurfacePerWindowPixel(Rect{}, kSurface);
  EXPECT_DOUBLE_EQ(none.x, 1.0);
  EXPECT_EQ(WindowToSurface(Point{5, 5}, Rect{}, kSurface), (Point{0, 0}));
}

TEST(LetterboxRect, AnyWindowThePlayerDragsKeepsTheShapeAndTheBarsEven) {
  for (const Size window : {Size{1023, 577}, Size{333, 1000}, Size{161, 121}, Size{1281, 961},
                            Size{799, 601}, Size{2560, 1081}}) {
    const Rect box = LetterboxRect(window, kSurface);
    SCOPED_TRACE(std::to_string(window.width) + "x" + std::to_string(window.height));
    // Inside the window, touching it on two opposite sides.
    ASSERT_GE(box.left, 0);
    ASSERT_GE(box.top, 0);
    ASSERT_LE(box.right, window.width);
    ASSERT_LE(box.bottom, window.height);
    EXPECT_TRUE(box.Width() == window.width || box.Height() == window.height);
    // 4:3 to within a pixel, and the bars on either side differ by one at most.
    EXPECT_LE(std::abs(box.Width() * 3 - box.Height() * 4), 4);
    EXPECT_LE(std::abs(box.left - (window.width - box.right)), 1);
    EXPECT_LE(std::abs(box.top - (window.height - box.bottom)), 1);
  }
}

TEST(PointerMapping, APointerInADraggedWindowLandsOnThePixelUnderIt) {
  // 1023 x 577: bars left and right, the surface 769 x 577 from x 127.
  const Rect box = LetterboxRect(Size{1023, 577}, kSurface);
  EXPECT_EQ(WindowToSurface(Point{box.left, box.top}, box, kSurface), (Point{0, 0}));
  EXPECT_EQ(WindowToSurface(Point{box.right - 1, box.bottom - 1}, box, kSurface),
            (Point{799, 599}));
  EXPECT_EQ(
      WindowToSurface(Point{box.left + box.Width() / 2, box.top + box.Height() / 2}, box, kSurface),
      (Point{400, 300}));
  // Warps land where the pointer then reads, to within a pixel when shrunk.
  for (int x = 0; x < kSurfaceWidth; x += 7) {
    const Point p{x, x * kSurfaceHeight / kSurfaceWidth};
    const Point back = WindowToSurface(SurfaceToWindow(p, box, kSurface), box, kSurface);
    ASSERT_LE(std::abs(back.x - p.x), 1) << x;
    ASSERT_LE(std::abs(back.y - p.y), 1) << x;
  }
}

}  // namespace
}  // namespace zephyrant
