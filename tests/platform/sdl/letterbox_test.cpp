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

}  // namespace
}  // namespace zephyrant
