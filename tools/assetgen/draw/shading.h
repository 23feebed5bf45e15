// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/assetgen/draw/canvas.h"
#include "tools/assetgen/draw/vec.h"

namespace zephyrant::assetgen {

// Every lit surface of the game takes its light from the top left, a little
// in front of the screen, so all sprites read as one scene.
struct Material {
  Colour base;
  float bevel = 2.5f;     // width in pixels of the rounded rim
  float gloss = 0.45f;    // strength of the highlight
  float shininess = 14;   // tightness of the highlight
  float ambient = 0.38f;  // light that reaches faces turned away
};

// The colour of a bevelled surface at one point.
Colour Shade(const Material& m, const Surfel& s);
Shader Lit(const Material& m);
// A surface that glows by itself: brighter towards its middle.
Shader Glowing(Colour edge, Colour core, float depth);
// A lit surface whose colour runs from `top` to `bottom` between y0 and y1.
Shader LitGradient(Material m, Colour top, Colour bottom, float y0, float y1);

// Hull colours of the level sets and of the player, each a dark, a main and
// a light tone.
struct Scheme {
  Colour dark;
  Colour main;
  Colour light;
  Colour glow;
};
Scheme PlayerScheme();
// Level sets 1 to 5.
Scheme EnemyScheme(int level_set);

inline constexpr Colour kOutline = Rgb8(10, 8, 22);
inline constexpr Colour kGunmetal = Rgb8(70, 76, 92);
inline constexpr Colour kSteel = Rgb8(150, 160, 178);
inline constexpr Colour kWhite = Rgb8(255, 255, 255);

}  // namespace zephyrant::assetgen
