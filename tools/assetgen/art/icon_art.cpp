// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon for the desktop: the player's ship, the same drawing as
// in play, but painted at the icon's own size rather than enlarged from the
// 45 x 72 sprite, so that the large icons keep clean edges and the small
// ones stay readable.

#include <algorithm>
#include <cmath>

#include "tools/assetgen/art/art.h"

namespace zephyrant::assetgen {

namespace {

// Fine pixels per icon pixel each way, at least: enough for smooth edges.
constexpr int kFinePerIconPixel = 4;
// Samples per icon pixel each way.
constexpr int kSamples = 6;
// The dark rim around the ship, as on every sprite of the game.
constexpr Colour kRim = Rgb8(10, 8, 22);

struct Rgba {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 0;
};

// The ship over its rim: `ship` premultiplied, the rim the ship's coverage
// widened by `reach` pixels (fractions fade the outermost ring).
std::vector<Rgba> WithRim(const std::vector<Rgba>& ship, int side, float reach) {
  const int span = static_cast<int>(std::ceil(reach + 1));
  std::vector<Rgba> out(ship.size());
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      float rim = 0;
      for (int dy = -span; dy <= span; ++dy) {
        for (int dx = -span; dx <= span; ++dx) {
          const int nx = x + dx;
          const int ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= side || ny >= side) continue;
          const float distance = std::sqrt(static_cast<float>(dx * dx + dy * dy));
          const float weight = std::clamp(reach + 1 - distance, 0.0f, 1.0f);
          rim = std::max(rim, weight * ship[static_cast<size_t>(ny) * side + nx].a);
        }
      }
      const Rgba& s = ship[static_cast<size_t>(y) * side + x];
      const float under = rim * (1 - s.a);
      out[static_cast<size_t>(y) * side + x] = {s.r + kRim.r * under, s.g + kRim.g * under,
                                                s.b + kRim.b * under, s.a + under};
    }
  }
  return out;
}

uint32_t Pack(const Rgba& p) {
  if (p.a <= 0) return 0;
  const auto byte = [](float v) {
    return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255));
  };
  return byte(p.a) << 24 | byte(p.r / p.a) << 16 | byte(p.g / p.a) << 8 | byte(p.b / p.a);
}

}  // namespace

std::vector<uint32_t> PaintIcon(int side) {
  if (side <= 0) return {};
  // The ship stands upright, as tall as the icon less a small margin for
  // its rim, centred both ways. The rim is as wide as one of the sprite's
  // pixels, as on the sprite, but never under a whole pixel, which keeps the
  // small icons clear on a light desktop.
  const float margin = static_cast<float>(std::max(2, side / 32));
  const float scale = (static_cast<float>(side) - 2 * margin) / kHeroHeight;  // icon px per ship px
  const float reach = std::max(1.0f, scale);
  const float left = (static_cast<float>(side) - kHeroWidth * scale) / 2;
  const float top = (static_cast<float>(side) - kHeroHeight * scale) / 2;
  const int fineness =
      std::max(4, static_cast<int>(std::ceil(scale * static_cast<float>(kFinePerIconPixel))));

  Canvas canvas(kHeroWidth, kHeroHeight, fineness);
  DrawHero(canvas);
  const int fine_width = kHeroWidth * fineness;
  const int fine_height = kHeroHeight * fineness;
  std::vector<Pixel> fine;
  fine.reserve(static_cast<size_t>(fine_width) * fine_height);
  canvas.ForEach([&](Vec2, Pixel& p) { fine.push_back(p); });

  std::vector<Rgba> ship(static_cast<size_t>(side) * side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      Rgba sum;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const float px = (static_cast<float>(x) + (sx + 0.5f) / kSamples - left) / scale;
          const float py = (static_cast<float>(y) + (sy + 0.5f) / kSamples - top) / scale;
          if (px < 0 || py < 0 || px >= kHeroWidth || py >= kHeroHeight) continue;
          const int fx = std::min(fine_width - 1, static_cast<int>(px * fineness));
          const int fy = std::min(fine_height - 1, static_cast<int>(py * fineness));
          const Pixel& p = fine[static_cast<size_t>(fy) * fine_width + fx];
          const float a = std::min(p.a, 1.0f);
          const float unit = p.a > 1 ? 1 / p.a : 1;
          sum.r += p.r * unit;
          sum.g += p.g * unit;
          sum.b += p.b * unit;
          sum.a += a;
        }
      }
      const float share = 1.0f / (kSamples * kSamples);
      ship[static_cast<size_t>(y) * side + x] = {sum.r * share, sum.g * share, sum.b * share,
                                                 sum.a * share};
    }
  }

  const std::vector<Rgba> finished = WithRim(ship, side, reach);
  std::vector<uint32_t> icon(finished.size());
  std::transform(finished.begin(), finished.end(), icon.begin(), Pack);
  return icon;
}

}  // namespace zephyrant::assetgen
