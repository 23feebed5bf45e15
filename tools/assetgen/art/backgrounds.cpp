// SPDX-License-Identifier: GPL-3.0-or-later
// The two background layers, both repeated endlessly in both directions, so
// everything in them wraps round their edges: the star field (800 x 600,
// every pixel drawn, since nothing is cleared under it) and the drifting
// gas clouds (400 x 300, mostly clear so the play stays readable).

#include <cmath>
#include <vector>

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

// One drift of gas: a curved streak whose density falls off across it and
// towards both ends, combed into filaments along its length.
struct Wisp {
  Vec2 centre;
  float angle = 0;
  float half_length = 0;
  float half_width = 0;
  float bend = 0;  // how far the ends curl aside, as a share of the half-length
  float strength = 0;
  Colour tint;
  uint32_t seed = 0;
};

// Spreads the drifts over the whole tile: one in each 100 x 100 cell of the
// tile, sizes and headings drawn at random, then small shreds anywhere, so
// the screen's four copies of the tile hold no lump the eye can pair up.
std::vector<Wisp> Wisps() {
  static const Colour kTints[] = {Rgb8(50, 58, 104), Rgb8(60, 56, 104), Rgb8(46, 64, 100),
                                  Rgb8(56, 62, 96)};
  Random r(431);
  std::vector<Wisp> wisps;
  const auto add = [&](Vec2 centre, float length, float width, float strength) {
    Wisp w;
    w.centre = centre;
    // Neighbouring drifts lean the same way, as if combed by one current.
    const float current = Fractal(centre.x / 100, centre.y / 100, 4, 3, 2, 0.5f, 432);
    w.angle = (current - 0.5f) * 4 + static_cast<float>(r.Signed() * 0.3);
    w.half_length = length;
    w.half_width = width;
    w.bend = static_cast<float>(r.Signed() * 0.35);
    w.strength = strength;
    w.tint = kTints[r.Below(4)];
    w.seed = 440 + static_cast<uint32_t>(wisps.size());
    wisps.push_back(w);
  };
  for (int cy = 0; cy < kCloudsH / 100; ++cy) {
    for (int cx = 0; cx < kCloudsW / 100; ++cx) {
      const Vec2 centre{cx * 100 + static_cast<float>(r.Range(15, 85)),
                        cy * 100 + static_cast<float>(r.Range(15, 85))};
      const float length = static_cast<float>(r.Range(18, 46));
      add(centre, length, length * static_cast<float>(r.Range(0.3, 0.5)),
          static_cast<float>(r.Range(0.55, 1.0)));
    }
  }
  for (int i = 0; i < 8; ++i) {
    const Vec2 centre{static_cast<float>(r.Range(0, kCloudsW)),
                      static_cast<float>(r.Range(0, kCloudsH))};
    const float length = static_cast<float>(r.Range(8, 24));
    add(centre, length, length * static_cast<float>(r.Range(0.2, 0.4)),
        static_cast<float>(r.Range(0.4, 0.8)));
  }
  return wisps;
}

// The shortest way from `from` to `to` on the repeating tile, so a drift
// that crosses an edge carries on from the opposite one.
Vec2 WrappedOffset(Vec2 from, Vec2 to) {
  Vec2 d = to - from;
  d.x -= kCloudsW * std::round(d.x / kCloudsW);
  d.y -= kCloudsH * std::round(d.y / kCloudsH);
  return d;
}

float WispDensity(const Wisp& w, Vec2 p) {
  const Vec2 local = Rotated(WrappedOffset(w.centre, p), -w.angle);
  const float along = local.x / w.half_length;
  if (along <= -1 || along >= 1) return 0;
  const float across = local.y - w.bend * w.half_length * along * along;
  const float taper = std::pow(1 - along * along, 1.4f);
  const float width = w.half_width * (0.45f + 0.55f * taper);
  const float body = taper * std::exp(-2.0f * (across / width) * (across / width));
  if (body < 0.02f) return 0;
  // Threads along the drift: ridges of noise stretched along it, wavering a
  // little, so the gas runs in filaments rather than lumps.
  const float waver = 9 * (FreeNoise(local.x / 24, across / 24, w.seed + 50) - 0.5f);
  const float n = FreeFractal(local.x / 30, (across + waver) / 8, 3, 0.5f, w.seed);
  const float ridge = 1 - std::fabs(2 * n - 1);
  return w.strength * body * (0.04f + 1.5f * ridge * ridge * ridge * ridge);
}

// Gas density over the tile and the colour the drifts there mix to.
struct Gas {
  float density = 0;
  Colour tint;
};

Gas GasAt(const std::vector<Wisp>& wisps, Vec2 p) {
  Gas gas;
  float weight = 0;
  Colour tint;
  for (const Wisp& w : wisps) {
    const float d = WispDensity(w, p);
    if (d <= 0) continue;
    gas.density += d;
    tint = tint + w.tint * d;
    weight += d;
  }
  // Fine fraying, so no edge runs smooth for long.
  gas.density *= 0.7f + 0.6f * Fractal(p.x / 25, p.y / 25, 16, 12, 3, 0.5f, 421);
  gas.tint = weight > 0 ? tint * (1 / weight) : Rgb8(62, 70, 124);
  return gas;
}

Picture Clouds() {
  // The layer is drawn colour-keyed over the stars, with no blending: soft
  // edges come from fringe colours that darken towards space, and the
  // faintest fringe is scattered pixel by pixel so the gas thins out.
  constexpr float kFringe = 0.1f;  // where scattered pixels start
  constexpr float kBody = 0.3f;    // where every pixel is drawn
  const Colour kHaze = Rgb8(20, 22, 48);
  const std::vector<Wisp> wisps = Wisps();
  Picture clouds(kCloudsW, kCloudsH);
  for (int y = 0; y < kCloudsH; ++y) {
    for (int x = 0; x < kCloudsW; ++x) {
      const Vec2 p{x + 0.5f, y + 0.5f};
      const Gas gas = GasAt(wisps, p);
      if (gas.density < kFringe) continue;
      // Scattered in specks of a pixel or three rather than lone pixels: as
      // soft to the eye, and fewer separate runs to copy every frame.
      // (Value noise gathers round one half, so it is spread out again.)
      const float scatter = Clamp01(0.5f + 1.8f * (Noise(p.x / 2, p.y / 2, 200, 150, 433) - 0.5f));
      if (gas.density < kBody && scatter > (gas.density - kFringe) / (kBody - kFringe)) continue;
      // Thicker gas is brighter, and brighter still on the side facing the light.
      const float toward_light = GasAt(wisps, p - Vec2{3, 3}).density;
      const float thick = SmoothStep(kFringe, 1.1f, gas.density);
      const float lit = Clamp01((gas.density - toward_light) * 1.5f);
      const Colour body = Mix(kHaze, gas.tint, std::sqrt(thick));
      clouds.At(x, y) = Mix(body, Mix(gas.tint, Rgb8(120, 130, 176), 0.4f), lit * thick);
      clouds.solid[y * kCloudsW + x] = 1;
    }
  }
  // Dithering picks among the palette's tones for the gradients; which pixels
  // are drawn stays as chosen above.
  clouds.dither = true;
  return clouds;
}

}  // namespace

Picture PaintBackground(const ImageSpec& item) {
  if (item.name == "stars") return Stars();
  if (item.name == "clouds") return Clouds();
  UnknownPicture("the backgrounds", item);
}

}  // namespace zephyrant::assetgen
