// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "framework/sprite.h"
#include "tests/support/pictures.h"

namespace zephyrant {
namespace {

using namespace testing;  // NOLINT: the test palette

TEST(Surface, ColourKeyedPixelsLeaveTheSurfaceAlone) {
  Surface surface;
  surface.Fill(0x123456);
  auto picture = MakePicture(4, 4, 0, 0, [](int x, int) { return x < 2 ? kKey : kRed; });
  picture->Draw(&surface, 10, 10, 0);
  EXPECT_EQ(surface.At(10, 10), 0x123456u);
  EXPECT_EQ(surface.At(11, 13), 0x123456u);
  EXPECT_EQ(surface.At(12, 10), kRedPixel);
  EXPECT_EQ(surface.At(14, 10), 0x123456u) << "nothing beyond the pattern";
}

TEST(Surface, APictureIsConvertedOnItsFirstUseWhicheverWayItComes) {
  auto opaque = SolidPicture(4, 2, kGreen);
  EXPECT_EQ(opaque->PatternRect(0).Width(), 4);
  EXPECT_FALSE(opaque->Converted()) << "its size needs no conversion";
  EXPECT_TRUE(opaque->PatternOpaque(0));
  EXPECT_TRUE(opaque->Converted());

  auto keyed = MakePicture(4, 2, 2, 2, [](int x, int) { return x == 0 ? kKey : kBlue; });
  EXPECT_FALSE(keyed->PatternOpaque(5)) << "no such pattern";
  Surface surface;
  surface.Fill(0);
  keyed->Draw(&surface, 0, 0, 0);
  EXPECT_TRUE(keyed->Converted());
  EXPECT_EQ(surface.At(0, 0), 0u);
  EXPECT_EQ(surface.At(1, 1), kBluePixel);
  EXPECT_FALSE(keyed->PatternOpaque(0));
}

// Wide pictures with long opaque stretches are copied run by run, noisy ones
// with the select loop, opaque ones row by row: all three must give exactly
// the keyed copy, also when clipped on every side.
TEST(Surface, EveryCopyPathGivesTheKeyedCopy) {
  const auto ring = [](int x, int y) -> uint8_t {
    const int dx = x - 30, dy = y - 20;
    return dx * dx + dy * dy < 400 && dx * dx + dy * dy > 100 ? kRed : kKey;
  };
  const auto noise = [](int x, int y) -> uint8_t { return ((x * 7 + y * 13) % 3) ? kGreen : kKey; };
  const auto solid = [](int x, int y) -> uint8_t { return (x + y) % 2 ? kBlue : kWhite; };
  for (const auto& paint :
       {std::function<uint8_t(int, int)>(ring), std::function<uint8_t(int, int)>(noise),
        std::function<uint8_t(int, int)>(solid)}) {
    auto picture = MakePicture(60, 40, 0, 0, paint);
    const PatternView view = picture->Pattern(0);
    for (const Point at : {Point{100, 100}, Point{-25, -15}, Point{770, 580}}) {
      Surface surface;
      surface.Fill(0x0A0B0C);
      picture->Draw(&surface, at.x, at.y, 0);
      for (int y = std::max(0, at.y); y < std::min(600, at.y + 40); ++y) {
        for (int x = std::max(0, at.x); x < std::min(800, at.x + 60); ++x) {
          const uint32_t source = view.At(x - at.x, y - at.y);
          const uint32_t expected = source == view.key ? 0x0A0B0Cu : source;
          ASSERT_EQ(surface.At(x, y), expected) << "at " << x << "," << y;
        }
      }
    }
  }
}

TEST(Surface, PatternsAreCutLeftToRightThenTopToBottomAndClipped) {
  // 3 x 2 patterns of 2 x 2; pattern i is painted with colour index 1 + i % 4.
  auto sheet = MakePicture(
      6, 4, 2, 2, [](int x, int y) { return static_cast<uint8_t>(1 + ((y / 2) * 3 + x / 2) % 4); });
  EXPECT_EQ(sheet->PatternCount(), 6);
  Surface surface;
  sheet->Draw(&surface, 0, 0, 1);
  EXPECT_EQ(surface.At(0, 0), kGreenPixel);
  sheet->Draw(&surface, 0, 0, 3);
  EXPECT_EQ(surface.At(1, 1), kWhitePixel);
  sheet->Draw(&surface, 0, 0, 6);  // outside the sheet: nothing
  EXPECT_EQ(surface.At(1, 1), kWhitePixel);
  sheet->Draw(&surface, 799, 599, 0);
  sheet->Draw(&surface, -1, -1, 0);
  EXPECT_EQ(surface.At(799, 599), kRedPixel);
  EXPECT_EQ(surface.At(0, 0), kRedPixel);
  sheet->Draw(nullptr, 0, 0, 0);  // no surface: nothing, no crash
}

class RotatedDrawing : public ::testing::Test {
 protected:
  RotatedDrawing() {
    engine.SetSurface(&surface);
    // Top half red, bottom half blue: shows where the picture's top went.
    arrow = MakePicture(10, 20, 0, 0, [](int, int y) { return y < 10 ? kRed : kBlue; });
    sprite = &engine.Spawn<RotatedSprite>();
    sprite->SetImage(*arrow);
    sprite->X = 100;
    sprite->Y = 100;
  }
  Surface surface;
  SpriteEngine engine;
  std::unique_ptr<PictureItem> arrow;
  RotatedSprite* sprite;
};

TEST_F(RotatedDrawing, RotationIsClockwiseAboutTheCentre) {
  const int cx = 105;  // centre of (100, 100, 10, 20)
  const int cy = 110;
  sprite->Angle = 64;  // a quarter turn: the top points right
  engine.DrawAll();
  EXPECT_EQ(surface.At(cx + 7, cy), kRedPixel);
  EXPECT_EQ(surface.At(cx - 7, cy), kBluePixel);
  EXPECT_EQ(surface.At(cx, cy - 8), 0u) << "the turned picture is 20 wide and 10 high";

  surface.Fill(0);
  sprite->Angle = 128 + 256;  // half a turn, whole turns ignored: the top points down
  engine.DrawAll();
  EXPECT_EQ(surface.At(cx, cy + 7), kRedPixel);
  EXPECT_EQ(surface.At(cx, cy - 7), kBluePixel);
}

TEST_F(RotatedDrawing, StretchingFillsTheSpriteRectangleAndBlendingMixes) {
  sprite->Width = 20;
  sprite->Height = 40;
  engine.DrawAll();
  EXPECT_EQ(surface.At(100, 100), kRedPixel);
  EXPECT_EQ(surface.At(119, 119), kRedPixel);
  EXPECT_EQ(surface.At(119, 139), kBluePixel);
  EXPECT_EQ(surface.At(120, 139), 0u);

  surface.Fill(0xFFFFFF);
  sprite->Alpha = 128;
  engine.DrawAll();
  const Rgb mixed = UnpackRgb(surface.At(110, 110));
  EXPECT_NEAR(mixed.r, 255, 2);
  EXPECT_NEAR(mixed.g, 127, 2);
}

TEST(Surface, RotatedAndStretchedCopiesSkipTheColourKey) {
  Surface surface;
  surface.Fill(0x010101);
  auto hollow = MakePicture(8, 8, 0, 0, [](int, int) { return kKey; });
  PatternView view = hollow->Pattern(0);
  surface.BlitRotated(view, 50, 50, 8, 8, 32, 255);
  surface.BlitStretched(view, RectOfSize(10, 10, 16, 16), 255);
  EXPECT_EQ(surface.At(50, 50), 0x010101u);
  EXPECT_EQ(surface.At(15, 15), 0x010101u);
}

}  // namespace
}  // namespace zephyrant
