// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/canvas.h"

#include <algorithm>
#include <cmath>

namespace zephyrant::assetgen {

Canvas::Canvas(int width, int height, int supersample)
    : width_(width),
      height_(height),
      scale_(supersample),
      fine_width_(width * supersample),
      fine_height_(height * supersample),
      fine_(static_cast<size_t>(fine_width_) * fine_height_) {}

template <class Paint>
void Canvas::Cover(const Shape& shape, float reach, Paint&& paint) {
  const Box& b = shape.Bounds();
  const float s = static_cast<float>(scale_);
  const int x0 = std::max(0, static_cast<int>(std::floor((b.x0 - reach) * s)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor((b.y0 - reach) * s)) - 1);
  const int x1 = std::min(fine_width_, static_cast<int>(std::ceil((b.x1 + reach) * s)) + 1);
  const int y1 = std::min(fine_height_, static_cast<int>(std::ceil((b.y1 + reach) * s)) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const Vec2 p{(x + 0.5f) / s, (y + 0.5f) / s};
      paint(p, fine_[static_cast<size_t>(y) * fine_width_ + x]);
    }
  }
}

void Canvas::Fill(const Shape& shape, const Shader& shader, float opacity) {
  const float s = static_cast<float>(scale_);
  const float h = 0.25f / s;
  Cover(shape, 0, [&](Vec2 p, Pixel& px) {
    const float d = shape(p);
    const float coverage = Clamp01(0.5f - d * s) * opacity;
    if (coverage <= 0) return;
    const Vec2 grad{shape({p.x + h, p.y}) - shape({p.x - h, p.y}),
                    shape({p.x, p.y + h}) - shape({p.x, p.y - h})};
    const Colour c = shader(Surfel{p, d, Normalised(grad)});
    px.r = c.r * coverage + px.r * (1 - coverage);
    px.g = c.g * coverage + px.g * (1 - coverage);
    px.b = c.b * coverage + px.b * (1 - coverage);
    px.a = coverage + px.a * (1 - coverage);
  });
}

void Canvas::Fill(const Shape& shape, Colour colour, float opacity) {
  Fill(
      shape, [colour](const Surfel&) { return colour; }, opacity);
}

void Canvas::Glow(const Shape& shape, Colour colour, float radius, float strength) {
  Cover(shape, radius * 3, [&](Vec2 p, Pixel& px) {
    const float d = shape(p);
    const float t = d <= 0 ? 1.0f : std::exp(-d / radius) * std::exp(-d / radius);
    const float light = t * strength;
    if (light <= 1e-4f) return;
    px.r += colour.r * light;
    px.g += colour.g * light;
    px.b += colour.b * light;
    px.a = std::min(1.0f, px.a + light * (1 - px.a));
  });
}

void Canvas::Darken(const Shape& shape, float amount) {
  const float s = static_cast<float>(scale_);
  Cover(shape, 0, [&](Vec2 p, Pixel& px) {
    const float coverage = Clamp01(0.5f - shape(p) * s) * amount;
    px.r *= 1 - coverage;
    px.g *= 1 - coverage;
    px.b *= 1 - coverage;
  });
}

void Canvas::Modulate(const Shape& shape, const std::function<float(Vec2)>& factor) {
  const float s = static_cast<float>(scale_);
  Cover(shape, 0, [&](Vec2 p, Pixel& px) {
    const float coverage = Clamp01(0.5f - shape(p) * s);
    if (coverage <= 0) return;
    const float k = 1 + (factor(p) - 1) * coverage;
    px.r *= k;
    px.g *= k;
    px.b *= k;
  });
}

void Canvas::ForEach(const std::function<void(Vec2, Pixel&)>& paint) {
  const float s = static_cast<float>(scale_);
  for (int y = 0; y < fine_height_; ++y) {
    for (int x = 0; x < fine_width_; ++x) {
      paint(Vec2{(x + 0.5f) / s, (y + 0.5f) / s}, fine_[static_cast<size_t>(y) * fine_width_ + x]);
    }
  }
}

Image Canvas::Resolve() const {
  Image image(width_, height_);
  const float share = 1.0f / static_cast<float>(scale_ * scale_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Pixel sum;
      for (int fy = 0; fy < scale_; ++fy) {
        const Pixel* row = &fine_[static_cast<size_t>(y * scale_ + fy) * fine_width_ + x * scale_];
        for (int fx = 0; fx < scale_; ++fx) {
          sum.r += row[fx].r;
          sum.g += row[fx].g;
          sum.b += row[fx].b;
          sum.a += row[fx].a;
        }
      }
      image.At(x, y) = Pixel{sum.r * share, sum.g * share, sum.b * share, sum.a * share};
    }
  }
  return image;
}

}  // namespace zephyrant::assetgen
