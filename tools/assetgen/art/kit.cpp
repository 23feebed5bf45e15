// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/art/kit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "tools/assetgen/draw/noise.h"
#include "tools/assetgen/draw/random.h"
#include "tools/assetgen/draw/text.h"

namespace zephyrant::assetgen {

Picture SolidPicture(const Canvas& canvas) {
  return Finished(canvas.Resolve());
}

Picture LightPicture(const Canvas& canvas, float threshold) {
  Finish finish;
  finish.threshold = threshold;
  finish.over_space = true;
  finish.outline = false;
  return Finished(canvas.Resolve(), finish);
}

Picture Over(Picture under, const Picture& over) {
  for (size_t i = 0; i < under.colour.size(); ++i) {
    if (!over.solid[i]) continue;
    under.solid[i] = 1;
    under.colour[i] = over.colour[i];
  }
  return under;
}

void Hull(Canvas& c, const Shape& shape, Colour base, float bevel, float gloss) {
  Material m;
  m.base = base;
  m.bevel = bevel;
  m.gloss = gloss;
  c.Fill(shape, Lit(m));
}

void HullGradient(Canvas& c, const Shape& shape, Colour top, Colour bottom, float bevel) {
  Material m;
  m.bevel = bevel;
  const Box& b = shape.Bounds();
  c.Fill(shape, LitGradient(m, top, bottom, b.y0, b.y1));
}

void Canopy(Canvas& c, const Shape& shape, Colour tint) {
  const Box& b = shape.Bounds();
  const float h = std::max(b.y1 - b.y0, 1.0f);
  c.Fill(shape, [=](const Surfel& s) {
    // Dark glass that catches the sky towards its top-left edge.
    const float t = Clamp01((s.p.y - b.y0) / h);
    Colour glass = Mix(tint * 1.25f, tint * 0.35f, t);
    const float rim = Clamp01(1 + s.d / 1.2f) * Clamp01(-(s.out.x + s.out.y) * 0.8f);
    return glass + Colour{0.5f, 0.6f, 0.7f} * rim;
  });
  const float w = b.x1 - b.x0;
  const Vec2 spot{b.x0 + w * 0.35f, b.y0 + h * 0.28f};
  c.Fill(Ellipse(spot, {std::max(w * 0.12f, 0.5f), std::max(h * 0.13f, 0.6f)}), kWhite, 0.85f);
}

void Lamp(Canvas& c, Vec2 at, float radius, Colour colour, float halo) {
  c.Glow(Circle(at, radius), colour, halo, 0.55f);
  c.Fill(Circle(at, radius), Glowing(colour, Mix(colour, kWhite, 0.75f), radius));
}

void PanelLine(Canvas& c, Vec2 a, Vec2 b, float width, float depth) {
  c.Darken(Capsule(a, b, width / 2), depth);
}

void Nozzle(Canvas& c, Vec2 centre, Vec2 radii, Colour glow) {
  Hull(c, Ellipse(centre, radii), kGunmetal, 1.2f, 0.3f);
  const Vec2 inner{radii.x * 0.7f, radii.y * 0.7f};
  c.Fill(Ellipse(centre, inner), Glowing(glow * 0.6f, Mix(glow, kWhite, 0.6f), inner.x));
}

void Barrel(Canvas& c, Vec2 base, Vec2 muzzle, float radius, Colour metal) {
  const Vec2 along = Normalised(muzzle - base);
  Hull(c, Capsule(base, muzzle, radius), metal, radius * 0.9f, 0.6f);
  c.Fill(Capsule(muzzle - along * (radius * 0.9f), muzzle, radius * 1.15f),
         Lit({metal * 0.8f, radius, 0.5f}));
  c.Fill(Circle(muzzle, radius * 0.45f), Rgb8(16, 14, 20));
}

}  // namespace zephyrant::assetgen

namespace zephyrant::assetgen {

void Gem(Canvas& c, const Shape& shape, Vec2 centre, int facets, Colour base, float turn) {
  c.Fill(shape, [=](const Surfel& s) {
    const Vec2 q = s.p - centre;
    const float angle = std::atan2(q.y, q.x) - turn;
    const float sector = std::floor(angle / (2 * kPi) * facets + 0.5f);
    const float face = sector * 2 * kPi / facets + turn;
    // Each face leans outwards; the table at the middle faces the viewer.
    const float lean = Clamp01(Length(q) / 3.0f) * 0.8f;
    const float nx = std::cos(face) * lean, ny = std::sin(face) * lean;
    const float light = Clamp01(0.55f + (-0.48f * nx - 0.62f * ny) * 1.1f);
    Colour col = base * (0.35f + light) + Colour{0.3f, 0.3f, 0.35f} * std::pow(light, 6.0f);
    // A bright line along the edge facing the light.
    col = col + kWhite * (Clamp01(1 + s.d / 0.8f) * Clamp01(-(s.out.x + s.out.y)) * 0.35f);
    return col;
  });
}

void Plates(Canvas& c, const Shape& area, float plate_w, float plate_h, uint32_t seed,
            float variation) {
  c.Modulate(area, [=](Vec2 p) {
    const float row = std::floor(p.y / plate_h);
    const float shift = (static_cast<int>(row) & 1) ? plate_w / 2 : 0;
    const float col = std::floor((p.x + shift) / plate_w);
    const float tone =
        static_cast<float>(Hash(static_cast<int>(col), static_cast<int>(row), seed) & 1023) / 1023;
    const float fx = (p.x + shift) / plate_w - col;
    const float fy = p.y / plate_h - row;
    const float top = fy * plate_h, left = fx * plate_w;
    const float bottom = (1 - fy) * plate_h, right = (1 - fx) * plate_w;
    // Seams with a lit lip on the top-left side of each plate.
    float edge = 1;
    if (std::min({top, left, bottom, right}) < 0.4f) {
      edge = 0.7f;
    } else if (top < 1.1f || left < 1.1f) {
      edge = 1.12f;
    } else if (bottom < 1.1f || right < 1.1f) {
      edge = 0.9f;
    }
    const float grime = 0.95f + 0.1f * FreeNoise(p.x * 0.3f, p.y * 0.3f, seed + 7);
    return (1 + (tone - 0.5f) * 2 * variation) * grime * edge;
  });
}

void Core(Canvas& c, Vec2 centre, float radius, Colour colour) {
  c.Glow(Circle(centre, radius), colour, radius * 0.7f, 0.6f);
  c.Fill(Circle(centre, radius), Glowing(colour, Mix(colour, kWhite, 0.85f), radius * 0.9f));
}

}  // namespace zephyrant::assetgen

namespace zephyrant::assetgen {

Image OverImage(Image under, const Image& over) {
  for (int y = 0; y < under.Height(); ++y) {
    for (int x = 0; x < under.Width(); ++x) {
      Pixel& u = under.At(x, y);
      const Pixel& o = over.At(x, y);
      u = Pixel{o.r + u.r * (1 - o.a), o.g + u.g * (1 - o.a), o.b + u.b * (1 - o.a),
                o.a + u.a * (1 - o.a)};
    }
  }
  return under;
}

const Font& DisplayFont(const std::string& path) {
  static std::map<std::string, std::unique_ptr<Font>> fonts;
  auto& font = fonts[path];
  if (!font) font = std::make_unique<Font>(path);
  return *font;
}

}  // namespace zephyrant::assetgen
