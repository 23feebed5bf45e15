// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/shading.h"

#include <cmath>

namespace zephyrant::assetgen {

namespace {

// Towards the light: left, up (screen y grows downwards) and out of the screen.
constexpr float kLightX = -0.48f;
constexpr float kLightY = -0.62f;
constexpr float kLightZ = 0.62f;

}  // namespace

Colour Shade(const Material& m, const Surfel& s) {
  // The rim rises like a quarter circle from the edge to the flat top.
  const float t = Clamp01(-s.d / std::max(m.bevel, 0.01f));
  const float rise = 1 - t;
  const float slope = std::min(2.5f, rise / std::sqrt(std::max(1 - rise * rise, 0.02f)));
  float nx = s.out.x * slope;
  float ny = s.out.y * slope;
  float nz = 1;
  const float len = std::sqrt(nx * nx + ny * ny + nz * nz);
  nx /= len;
  ny /= len;
  nz /= len;
  const float n_dot_l = nx * kLightX + ny * kLightY + nz * kLightZ;
  const float light = m.ambient + (1 - m.ambient) * std::max(n_dot_l, 0.0f) / kLightZ;
  // Reflection of the light seen from straight in front.
  const float reflect_z = 2 * n_dot_l * nz - kLightZ;
  const float highlight = std::pow(std::max(reflect_z, 0.0f), m.shininess) * m.gloss;
  return m.base * light + Colour{highlight, highlight, highlight * 0.95f};
}

Shader Lit(const Material& m) {
  return [m](const Surfel& s) { return Shade(m, s); };
}

Shader Glowing(Colour edge, Colour core, float depth) {
  return [=](const Surfel& s) { return Mix(edge, core, SmoothStep(0, depth, -s.d)); };
}

Shader LitGradient(Material m, Colour top, Colour bottom, float y0, float y1) {
  return [=](const Surfel& s) {
    Material local = m;
    local.base = Mix(top, bottom, Clamp01((s.p.y - y0) / (y1 - y0)));
    return Shade(local, s);
  };
}

Scheme PlayerScheme() {
  return {Rgb8(52, 70, 112), Rgb8(168, 186, 214), Rgb8(236, 244, 255), Rgb8(90, 210, 255)};
}

Scheme EnemyScheme(int level_set) {
  switch (level_set) {
    case 1:  // crimson raiders
      return {Rgb8(92, 18, 30), Rgb8(196, 48, 52), Rgb8(255, 150, 120), Rgb8(255, 200, 60)};
    case 2:  // green hive
      return {Rgb8(20, 70, 40), Rgb8(70, 168, 76), Rgb8(190, 240, 140), Rgb8(220, 255, 90)};
    case 3:  // violet crystal fleet
      return {Rgb8(54, 26, 96), Rgb8(132, 80, 210), Rgb8(214, 180, 255), Rgb8(255, 110, 230)};
    case 4:  // bronze mine layers
      return {Rgb8(88, 50, 16), Rgb8(196, 130, 48), Rgb8(255, 214, 140), Rgb8(255, 80, 40)};
    default:  // black-chrome guard
      return {Rgb8(34, 36, 48), Rgb8(96, 104, 126), Rgb8(210, 220, 236), Rgb8(255, 60, 170)};
  }
}

}  // namespace zephyrant::assetgen
