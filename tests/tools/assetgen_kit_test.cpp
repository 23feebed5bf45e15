// SPDX-License-Identifier: GPL-3.0-or-later
// The asset generator's drawing and sound kit: what its pictures and sounds
// can only be right if the kit is (keys never drawn, patterns in the
// catalogue's order, backgrounds that can tile, words that fill their box,
// sounds of the exact length and format).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

#include "framework/asset_catalogue.h"
#include "tools/assetgen/draw/canvas.h"
#include "tools/assetgen/draw/noise.h"
#include "tools/assetgen/draw/palette.h"
#include "tools/assetgen/draw/picture.h"
#include "tools/assetgen/draw/random.h"
#include "tools/assetgen/draw/shapes.h"
#include "tools/assetgen/draw/text.h"
#include "tools/assetgen/sounds/synth.h"

namespace zephyrant::assetgen {
namespace {

const std::vector<Rgb> kKeys = {{4, 2, 4}, {5, 2, 4}, {52, 42, 36}};

Picture Filled(int w, int h, Colour c) {
  Picture p(w, h);
  for (int i = 0; i < w * h; ++i) {
    p.colour[i] = c;
    p.solid[i] = 1;
  }
  return p;
}

TEST(AssetgenPalette, DrawnPixelsNeverTakeAKeyColourEvenWhenPaintedInOne) {
  // Painted exactly in the key colours: they must come out as a near colour.
  Picture tricky(3, 1);
  tricky.colour = {Rgb8(4, 2, 4), Rgb8(5, 2, 4), Rgb8(52, 42, 36)};
  tricky.solid = {1, 1, 1};
  Picture gaps(2, 1);
  gaps.colour = {Rgb8(200, 10, 10), Rgb8(0, 0, 0)};
  gaps.solid = {1, 0};
  const Palette palette = Palette::Build({&tricky, &gaps}, kKeys);
  ASSERT_EQ(palette.Colours().size(), 256u);
  for (size_t i = kKeys.size(); i < palette.Colours().size(); ++i) {
    EXPECT_EQ(std::find(kKeys.begin(), kKeys.end(), palette.Colours()[i]), kKeys.end()) << i;
  }
  for (const Rgb& key : kKeys) {
    const IndexedPicture q = palette.Quantise(tricky, key);
    for (uint8_t index : q.indices) EXPECT_NE(q.palette[index], key);
  }
  const IndexedPicture keyed = palette.Quantise(gaps, {52, 42, 36});
  EXPECT_EQ(keyed.palette[keyed.indices[1]], (Rgb{52, 42, 36}));
}

TEST(AssetgenPalette, FewColoursSurviveExactlyAndEveryPictureSharesThePalette) {
  const Picture red = Filled(4, 4, Rgb8(230, 20, 30));
  const Picture cyan = Filled(30, 30, Rgb8(90, 230, 255));
  const Picture grey = Filled(100, 100, Rgb8(60, 60, 70));
  const Palette palette = Palette::Build({&red, &cyan, &grey}, kKeys);
  const IndexedPicture a = palette.Quantise(red, kKeys[0]);
  const IndexedPicture b = palette.Quantise(cyan, kKeys[1]);
  EXPECT_EQ(a.palette, b.palette);
  EXPECT_EQ(a.palette[a.indices[0]], (Rgb{230, 20, 30}));
  EXPECT_EQ(b.palette[b.indices[0]], (Rgb{90, 230, 255}));
}

TEST(AssetgenNoise, RepeatsOverItsPeriodSoBackgroundsTile) {
  for (float x : {0.3f, 2.7f, 5.01f}) {
    for (float y : {0.1f, 1.9f}) {
      EXPECT_NEAR(Noise(x, y, 8, 6, 1), Noise(x + 8, y, 8, 6, 1), 1e-5);
      EXPECT_NEAR(Noise(x, y, 8, 6, 1), Noise(x, y + 6, 8, 6, 1), 1e-5);
      EXPECT_NEAR(Fractal(x, y, 8, 6, 5, 0.5f, 2), Fractal(x + 8, y - 6, 8, 6, 5, 0.5f, 2), 1e-5);
      const float v = Fractal(x, y, 8, 6, 5, 0.5f, 2);
      EXPECT_GE(v, 0.0f);
      EXPECT_LE(v, 1.0f);
    }
  }
  EXPECT_NE(Noise(0.5f, 0.5f, 8, 6, 1), Noise(0.5f, 0.5f, 8, 6, 2));
}

TEST(AssetgenRandom, TheSameSeedGivesTheSameSequence) {
  Random a(42), b(42), c(43);
  for (int i = 0; i < 100; ++i) {
    const uint64_t v = a.Next();
    EXPECT_EQ(v, b.Next());
    EXPECT_NE(v, c.Next());
  }
  Random r(7);
  for (int i = 0; i < 1000; ++i) {
    const int v = r.Below(6);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 6);
  }
}

TEST(AssetgenShapes, DistancesAreSignedAndMirrorsAreSymmetric) {
  const Shape circle = Circle({10, 10}, 4);
  EXPECT_NEAR(circle({10, 10}), -4, 1e-5);
  EXPECT_NEAR(circle({16, 10}), 2, 1e-5);
  const Shape wing = MirroredPolygon(22.5f, {{22.5f, 0}, {40, 30}, {30, 40}});
  for (Vec2 p : {Vec2{30, 20}, Vec2{35, 33}, Vec2{44, 5}}) {
    EXPECT_NEAR(wing(p), wing({45 - p.x, p.y}), 1e-4) << p.x << "," << p.y;
  }
  EXPECT_LT(wing({22.5f, 20}), 0);
  EXPECT_GT(wing({22.5f, 45}), 0);
  const Shape cut = Subtract(RoundBox({10, 10}, {5, 5}, 0), Circle({10, 10}, 2));
  EXPECT_GT(cut({10, 10}), 0);
  EXPECT_LT(cut({14, 10}), 0);
}

TEST(AssetgenCanvas, EdgesComeOutAntiAliased) {
  Canvas c(20, 20, 4);
  c.Fill(Circle({10, 10.5f}, 5.5f), Rgb8(255, 0, 0));
  const Image image = c.Resolve();
  EXPECT_NEAR(image.At(10, 10).a, 1, 1e-5);
  EXPECT_NEAR(image.At(1, 1).a, 0, 1e-5);
  int partial = 0;
  for (int x = 0; x < 20; ++x) {
    const float a = image.At(x, 10).a;
    if (a > 0.05f && a < 0.95f) ++partial;
  }
  EXPECT_GE(partial, 1);
  EXPECT_NEAR(image.At(10, 10).r, 1, 1e-5);
}

TEST(AssetgenFinish, OutlinesRingTheSpriteWithoutTouchingIt) {
  Canvas c(9, 9, 2);
  c.Fill(RoundBox({4.5f, 4.5f}, {1.5f, 1.5f}, 0), Rgb8(200, 200, 200));
  const Picture plain = Finished(c.Resolve(), Finish{0.5f, false, false, {}});
  const Picture rimmed = Finished(c.Resolve());
  int body = 0, rim = 0;
  for (int i = 0; i < 81; ++i) {
    body += plain.solid[i];
    if (rimmed.solid[i] && !plain.solid[i]) {
      ++rim;
      EXPECT_FLOAT_EQ(rimmed.colour[i].r, Finish{}.outline_colour.r);
    }
    if (plain.solid[i]) {
      EXPECT_FLOAT_EQ(rimmed.colour[i].r, plain.colour[i].r);
    }
  }
  EXPECT_EQ(body, 9);
  EXPECT_EQ(rim, 16);
}

TEST(AssetgenSheet, PatternsRunLeftToRightThenTopToBottom) {
  const ImageSpec item{"test", 6, 4, 2, 2, {4, 2, 4}};
  const Picture sheet = Sheet(item, [](int i) { return Filled(2, 2, Colour{i / 10.0f, 0, 0}); });
  ASSERT_EQ(sheet.width, 6);
  ASSERT_EQ(sheet.height, 4);
  EXPECT_FLOAT_EQ(sheet.colour[0].r, 0.0f);
  EXPECT_FLOAT_EQ(sheet.colour[5].r, 0.2f);
  EXPECT_FLOAT_EQ(sheet.colour[2 * 6 + 0].r, 0.3f);
  EXPECT_FLOAT_EQ(sheet.colour[3 * 6 + 5].r, 0.5f);
  EXPECT_THROW(Sheet(item, [](int) { return Filled(3, 2, {}); }), std::logic_error);
}

TEST(AssetgenText, WordsFillTheBoxTheyAreFittedTo) {
  const Font font(std::string(ZEPHYRANT_SOURCE_ASSETS) + "/fonts/LiberationSans-Regular.ttf");
  EXPECT_GT(font.CapHeight(), 0.5f);
  EXPECT_LT(font.XHeight(), font.CapHeight());
  const Box box{4, 6, 116, 34};
  const TextPlacement p = FitText(font, "LEVEL", box, 0, 0.5f, 2);
  TextStyle style;
  style.outline_width = 0;
  const Image image = SetText(font, "LEVEL", 120, 40, p, style);
  int left = 120, right = -1, top = 40, bottom = -1;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (image.At(x, y).a < 0.5f) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_NEAR(left, box.x0, 1.5);
  EXPECT_NEAR(right + 1, box.x1, 1.5);
  EXPECT_NEAR(top, box.y0, 1.5);
  EXPECT_NEAR(bottom + 1, box.y1, 1.5);
}

TEST(AssetgenSynth, TracksHaveTheCatalogueLengthToTheSample) {
  for (const SoundListSpec& list : SoundCatalogue()) {
    for (const SoundSpec& spec : list.items) {
      const Track track(spec.sample_rate, spec.seconds);
      EXPECT_EQ(track.Frames(), std::llround(spec.seconds * spec.sample_rate)) << spec.name;
      EXPECT_EQ(std::lround(100.0 * track.Frames() / spec.sample_rate),
                std::lround(spec.seconds * 100));
    }
  }
}

TEST(AssetgenSynth, WavesAreStereoPcmOfTheAskedDepthAndNeverWrapAround) {
  Track track(8000, 0.01);
  for (int i = 0; i < track.Frames(); ++i) track.AddStereo(i, i % 2 ? 1.5 : -1.5, 0);
  const WaveData w8 = ToWave(track, 8, 1);
  EXPECT_EQ(w8.channels, 2);
  EXPECT_EQ(w8.bits_per_sample, 8);
  ASSERT_EQ(w8.pcm.size(), static_cast<size_t>(track.Frames()) * 2);
  EXPECT_EQ(w8.pcm[0], 1);         // clipped at the bottom, not wrapped
  EXPECT_EQ(w8.pcm[2], 255);       // and at the top
  EXPECT_NEAR(w8.pcm[1], 128, 1);  // silence sits in the middle
  const WaveData w16 = ToWave(track, 16, 1);
  ASSERT_EQ(w16.pcm.size(), static_cast<size_t>(track.Frames()) * 4);
  EXPECT_EQ(static_cast<int16_t>(w16.pcm[4] | w16.pcm[5] << 8), 32767);
  EXPECT_EQ(ToWave(track, 16, 9).pcm, ToWave(track, 16, 9).pcm);
}

TEST(AssetgenSynth, NormalisedSoundsPeakWhereAskedAndFadeToSilence) {
  Track track(11025, 0.2);
  for (int i = 0; i < track.Frames(); ++i) track.Add(i, 0.3 * Sine(i * 440.0 / 11025));
  track.Normalise(0.9);
  track.FadeEnds(0.01);
  double peak = 0;
  for (int i = 0; i < track.Frames(); ++i) peak = std::max(peak, std::fabs(track.left[i]));
  EXPECT_NEAR(peak, 0.9, 0.01);
  EXPECT_EQ(track.left.front(), 0);
  EXPECT_EQ(track.right.back(), 0);
}

TEST(AssetgenSynth, FiltersStayBoundedEvenWhenPushed) {
  Filter filter;
  Random noise(3);
  double loudest = 0;
  for (int i = 0; i < 20000; ++i) {
    const auto out = filter.Run(noise.Signed(), 20000, 22050, 0.97);
    loudest = std::max({loudest, std::fabs(out.low), std::fabs(out.band)});
  }
  EXPECT_LT(loudest, 50);
  EXPECT_NEAR(Square(0.25, 0.01), 1, 1e-9);
  EXPECT_NEAR(Square(0.75, 0.01), -1, 1e-9);
  EXPECT_NEAR(NoteHz(69), 440, 1e-9);
  EXPECT_NEAR(NoteHz(81), 880, 1e-9);
}

}  // namespace
}  // namespace zephyrant::assetgen
