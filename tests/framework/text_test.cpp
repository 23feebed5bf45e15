// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>

#include "framework/media_error.h"

// Counts every allocation in this test program, so a test can show that
// drawing already-seen text allocates nothing.
namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace zephyrant {
namespace {

const std::string kFont =
    std::string(ZEPHYRANT_SOURCE_ASSETS) + "/fonts/LiberationSans-Regular.ttf";
constexpr Rgb kGold{255, 200, 40};

// The box around every pixel that differs from `background`.
Rect InkBox(const Surface& surface, uint32_t background) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      if (surface.At(x, y) == background) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

class TextTest : public ::testing::Test {
 protected:
  TextRenderer text_{kFont};
  Surface surface_;
};

TEST_F(TextTest, LineSitsInItsBoxFromTheGivenTopLeft) {
  constexpr int kX = 100;
  constexpr int kY = 50;
  constexpr int kPixels = 21;  // 16 points at 96 dpi
  text_.Draw(surface_, kX, kY, "Mouse Controls", 16, kGold);
  const int width = text_.TextWidth("Mouse Controls", 16);
  const Rect ink = InkBox(surface_, 0);

  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, kX);
  EXPECT_LE(ink.left, kX + 4);
  EXPECT_LE(ink.right, kX + width + 1);
  EXPECT_GE(ink.right, kX + width - 4);
  // Capitals start a little below the top of the line box and stand on the
  // baseline, about four fifths of the way down.
  EXPECT_GE(ink.top, kY + 1);
  EXPECT_LE(ink.top, kY + 6);
  EXPECT_GE(ink.bottom, kY + kPixels * 3 / 4);
  EXPECT_LE(ink.bottom, kY + kPixels + 2);
}

TEST_F(TextTest, CoveredPixelsTakeTheColourAndEdgesBlendTowardIt) {
  surface_.Fill(0x000000);
  text_.Draw(surface_, 10, 10, "Mouse Controls", 16, kGold);
  int full = 0;
  int partial = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 300; ++x) {
      const Rgb p = UnpackRgb(surface_.At(x, y));
      if (p == kGold) ++full;
      if (p != kGold && p != Rgb{}) ++partial;
      // Over black, a blend never passes the colour in any channel.
      ASSERT_LE(p.r, kGold.r);
      ASSERT_LE(p.g, kGold.g);
      ASSERT_LE(p.b, kGold.b);
    }
  }
  EXPECT_GT(full, 20);
  EXPECT_GT(partial, 20) << "glyph edges are anti-aliased";
}

// Rows are blended several pixels at a time with a one-pixel tail; a line
// moved by one pixel must come out the same, shifted, on a busy background.
TEST_F(TextTest, BlendingDoesNotDependOnWhereARowStarts) {
  Surface shifted;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      surface_.Row(y)[x] = static_cast<uint32_t>((x * 2654435761u) ^ (y * 40503u)) & 0xFFFFFFu;
      shifted.Row(y)[x + 1 < 800 ? x + 1 : 0] = surface_.Row(y)[x];
    }
  }
  text_.Draw(surface_, 100, 100, "Left Arrow, Right Arrow - Change parameter", 14, kGold);
  text_.Draw(shifted, 101, 100, "Left Arrow, Right Arrow - Change parameter", 14, kGold);
  for (int y = 95; y < 130; ++y) {
    for (int x = 95; x < 500; ++x)
      ASSERT_EQ(surface_.At(x, y), shifted.At(x + 1, y)) << x << "," << y;
  }
}

TEST_F(TextTest, DrawingPastTheEdgesIsClipped) {
  text_.Draw(surface_, 790, 595, "Mouse Controls", 16, kGold);
  text_.Draw(surface_, -1000000, -1000000, "Mouse Controls", 16, kGold);
  text_.Draw(surface_, INT_MAX - 5, INT_MIN + 5, "Mouse Controls", 16, kGold);
  text_.Draw(surface_, 0, 0, "Mouse", 720, kGold);
  EXPECT_NE(InkBox(surface_, 0), (Rect{INT_MAX, INT_MAX, INT_MIN, INT_MIN}));

  Surface small(40, 20);
  text_.Draw(small, -30, -10, "Mouse Controls", 16, kGold);
  const Rect ink = InkBox(small, 0);
  ASSERT_FALSE(ink.Empty()) << "the part still on the surface is drawn";
  EXPECT_LE(ink.left, 2);
  EXPECT_EQ(ink.top, 0);
}

// The HUD's numbers sit on a rim one pixel wide: every letter pixel comes out
// as the plain draw gives it, the rim hugs the letters on every side, and a
// rim drawn near the edges is clipped like the letters.
TEST_F(TextTest, OutlinedTextKeepsItsLettersInsideAOnePixelRim) {
  constexpr uint32_t kWhite = 0xFFFFFF;
  constexpr Rgb kRim{20, 10, 0};
  const std::string line = "98% 12345 Press any key";
  Surface plain;
  plain.Fill(kWhite);
  surface_.Fill(kWhite);
  text_.Draw(plain, 100, 100, line, 14, kGold);
  text_.DrawOutlined(surface_, 100, 100, line, 14, kGold, kRim);

  const Rect letters = InkBox(plain, kWhite);
  const Rect outlined = InkBox(surface_, kWhite);
  EXPECT_EQ(outlined.left, letters.left - 1);
  EXPECT_EQ(outlined.top, letters.top - 1);
  EXPECT_EQ(outlined.right, letters.right + 1);
  EXPECT_EQ(outlined.bottom, letters.bottom + 1);
  int rim = 0;
  for (int y = outlined.top; y < outlined.bottom; ++y) {
    for (int x = outlined.left; x < outlined.right; ++x) {
      const uint32_t letter = plain.At(x, y);
      if (letter == PackRgb(kGold)) {
        ASSERT_EQ(surface_.At(x, y), letter) << "a letter pixel at " << x << "," << y;
      }
      // Beside a fully covered letter pixel, on white, only the rim shows.
      const bool beside =
          (plain.At(x - 1, y) == PackRgb(kGold) || plain.At(x + 1, y) == PackRgb(kGold) ||
           plain.At(x, y - 1) == PackRgb(kGold) || plain.At(x, y + 1) == PackRgb(kGold));
      if (letter == kWhite && beside) {
        ASSERT_EQ(surface_.At(x, y), PackRgb(kRim)) << "rim missing at " << x << "," << y;
        ++rim;
      }
    }
  }
  EXPECT_GT(rim, 30);

  Surface small(40, 20);
  text_.DrawOutlined(small, -30, -10, "Mouse Controls", 16, kGold, kRim);
  text_.DrawOutlined(surface_, 790, 595, line, 14, kGold, kRim);
  text_.DrawOutlined(surface_, INT_MAX - 5, INT_MIN + 5, line, 14, kGold, kRim);
  EXPECT_FALSE(InkBox(small, 0).Empty());
}

TEST_F(TextTest, WidthFollowsTextAndSize) {
  EXPECT_EQ(text_.TextWidth("", 16), 0);
  EXPECT_GT(text_.TextWidth("Mouse", 16), 0);
  EXPECT_LT(text_.TextWidth("Mouse", 16), text_.TextWidth("Mouse Controls", 16));
  EXPECT_LT(text_.TextWidth("Mouse Controls", 16), text_.TextWidth("Mouse Controls", 24));
  // Kerning pulls the pair together.
  EXPECT_LT(text_.TextWidth("AV", 48), text_.TextWidth("A", 48) + text_.TextWidth("V", 48));
}

TEST_F(TextTest, BrokenUtf8StillShowsTheRestOfTheLine) {
  const int plain = text_.TextWidth("ab", 16);
  EXPECT_GT(text_.TextWidth("a\xFF"
                            "b",
                            16),
            plain);  // stray byte
  EXPECT_GT(text_.TextWidth("a\xE2\x82"
                            "b",
                            16),
            plain);  // cut-short sequence
  EXPECT_GT(text_.TextWidth("a\xC0\xAF"
                            "b",
                            16),
            plain);  // overlong slash
  EXPECT_GT(text_.TextWidth("\xC3\xA9", 16), 0);
  text_.Draw(surface_, 10, 10, "\xF0\x9F\x9A\x80 \xED\xA0\x80 \xF4\x90\x80\x80", 16, kGold);
}

TEST_F(TextTest, RepeatedFramesAllocateNothing) {
  text_.Draw(surface_, 10, 10, "Mouse Controls", 16, kGold);
  text_.TextWidth("Mouse Controls", 16);
  text_.DrawOutlined(surface_, 10, 40, "12345%", 14, kGold, Rgb{});
  const long before = allocations.load();
  for (int frame = 0; frame < 3; ++frame) {
    text_.Draw(surface_, 10, 10, "Mouse Controls", 16, kGold);
    text_.DrawOutlined(surface_, 10, 40, "12345%", 14, kGold, Rgb{});
    text_.TextWidth("Mouse Controls", 16);
  }
  EXPECT_EQ(allocations.load(), before);
}

TEST(TextFontTest, MissingFontIsAMediaErrorNamingTheFile) {
  try {
    TextRenderer text("/no/such/folder/Missing.ttf");
    FAIL() << "no error raised";
  } catch (const MediaError& e) {
    EXPECT_NE(std::string(e.what()).find("/no/such/folder/Missing.ttf"), std::string::npos)
        << e.what();
  }
}

}  // namespace
}  // namespace zephyrant
