// SPDX-License-Identifier: GPL-3.0-or-later
// The two background layers, both repeated endlessly in both directions, so
// everything in them wraps round their edges: the star field (800 x 600,
// every pixel drawn, since nothing is cleared under it) and the drifting
// gas clouds (400 x 300, mostly clear so the play stays readable).

#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"
#include "tools/assetgen/draw/noise.h"
#include "tools/assetgen/draw/random.h"

namespace zephyrant::assetgen {

namespace {

constexpr int kStarsW = 800;
constexpr int kStarsH = 600;
constexpr int kCloudsW = 400;
constexpr int kCloudsH = 300;

// Draws `paint` at `at` and again one tile over wherever it crosses an edge.
template <class Paint>
void Wrapped(Vec2 at, float reach, int w, int h, Paint&& paint) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const Vec2 p{at.x + dx * w, at.y + dy * h};
      if (p.x + reach < 0 || p.y + reach < 0 || p.x - reach > w || p.y - reach > h) continue;
      paint(p);
    }
  }
}

Colour StarColour(Random& r) {
  static const Colour kTints[] = {Rgb8(255, 255, 255), Rgb8(200, 220, 255), Rgb8(170, 200, 255),
                                  Rgb8(255, 240, 210), Rgb8(255, 214, 170), Rgb8(230, 230, 255)};
  return kTints[r.Below(6)];
}

Picture Stars() {
  Canvas c(kStarsW, kStarsH, 2);
  // Deep space with faint nebulae: a blue and a violet veil and dark lanes.
  c.ForEach([](Vec2 p, Pixel& px) {
    const float x = p.x / 100, y = p.y / 100;
    const float veil = Fractal(x, y, 8, 6, 5, 0.55f, 301);
    const float tint = Fractal(x * 0.5f + 3, y * 0.5f + 3, 4, 3, 4, 0.5f, 302);
    const float lane = Fractal(x * 2, y * 2, 16, 12, 3, 0.5f, 303);
    const float glow = std::pow(SmoothStep(0.45f, 0.85f, veil), 1.5f) * (0.6f + 0.6f * lane);
    const Colour nebula = Mix(Rgb8(30, 60, 130), Rgb8(110, 40, 130), SmoothStep(0.3f, 0.7f, tint));
    const Colour col = Rgb8(3, 4, 12) + nebula * (glow * 0.32f) + Rgb8(6, 8, 20) * veil;
    px = Pixel{col.r, col.g, col.b, 1};
  });
  Random r(77);
  // Dust of faint stars, then brighter ones, then a few with glints.
  for (int i = 0; i < 2200; ++i) {
    const Vec2 at{static_cast<float>(r.Range(0, kStarsW)), static_cast<float>(r.Range(0, kStarsH))};
    const float level = static_cast<float>(r.Range(0.18, 0.5));
    const Colour col = StarColour(r) * level;
    Wrapped(at, 1, kStarsW, kStarsH, [&](Vec2 p) { c.Fill(Circle(p, 0.42f), col); });
  }
  for (int i = 0; i < 320; ++i) {
    const Vec2 at{static_cast<float>(r.Range(0, kStarsW)), static_cast<float>(r.Range(0, kStarsH))};
    const float level = static_cast<float>(r.Range(0.55, 0.95));
    const Colour col = StarColour(r) * level;
    const float size = static_cast<float>(r.Range(0.5, 0.8));
    Wrapped(at, 3, kStarsW, kStarsH, [&](Vec2 p) {
      c.Glow(Circle(p, size * 0.5f), col, 0.7f, 0.35f);
      c.Fill(Circle(p, size), col);
    });
  }
  for (int i = 0; i < 36; ++i) {
    const Vec2 at{static_cast<float>(r.Range(0, kStarsW)), static_cast<float>(r.Range(0, kStarsH))};
    const Colour col = StarColour(r);
    const float arm = static_cast<float>(r.Range(2.5, 5));
    Wrapped(at, arm + 3, kStarsW, kStarsH, [&](Vec2 p) {
      c.Glow(Circle(p, 0.8f), col, 1.6f, 0.5f);
      c.Glow(Capsule({p.x - arm, p.y}, {p.x + arm, p.y}, 0.1f), col, 0.5f, 0.45f);
      c.Glow(Capsule({p.x, p.y - arm}, {p.x, p.y + arm}, 0.1f), col, 0.5f, 0.45f);
      c.Fill(Circle(p, 1.0f), Mix(col, kWhite, 0.6f));
    });
  }
  Picture stars = Finished(c.Resolve(), Finish{0.0f, false, false, {}});
  stars.solid.assign(stars.solid.size(), 1);
  stars.dither = true;
  return stars;
}

Picture Clouds() {
  static constexpr float kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  Picture clouds(kCloudsW, kCloudsH);
  // Gas in long drifts: coarse lumps, streaked sideways.
  const auto gas_at = [](float x, float y) {
    const float lumps = Fractal(x / 100, y / 100, 4, 3, 5, 0.5f, 401);
    const float streaks = Fractal(x / 100, y / 37.5f, 4, 8, 4, 0.55f, 402);
    return lumps * 0.7f + streaks * 0.45f - 0.68f;
  };
  for (int y = 0; y < kCloudsH; ++y) {
    for (int x = 0; x < kCloudsW; ++x) {
      const float density = gas_at(static_cast<float>(x), static_cast<float>(y));
      if (density <= 0) continue;
      // Thin edges are dithered, so the gas frays out instead of ending in a hard line.
      const float cover = Clamp01(density / 0.05f);
      if (cover * 16 <= kBayer[y & 3][x & 3] + 0.5f) continue;
      // Thicker gas is brighter, and brighter still on the side facing the light.
      const float toward_light = gas_at(x - 3.0f, y - 3.0f);
      const float shade = Clamp01(density * 5 + (density - toward_light) * 4);
      clouds.At(x, y) = Mix(Rgb8(20, 24, 50), Rgb8(72, 78, 126), shade);
      clouds.solid[y * kCloudsW + x] = 1;
    }
  }
  return clouds;
}

}  // namespace

Picture PaintBackground(const ImageSpec& item) {
  if (item.name == "stars") return Stars();
  if (item.name == "clouds") return Clouds();
  UnknownPicture("the backgrounds", item);
}

}  // namespace zephyrant::assetgen
