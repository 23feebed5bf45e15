// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The shapes every shot is built from: glowing bolts and orbs, beams that
// flicker from frame to frame, and rockets with their exhaust.

#include "tools/assetgen/art/kit.h"

namespace zephyrant::assetgen {

// Colours of a glowing shot: the halo, the body and the white-hot core.
struct Energy {
  Colour halo;
  Colour body;
  Colour core;
};

// Player fire is gold and cyan; enemy fire is red, pink, violet, green,
// orange, electric blue and acid lime: hues no star has.
Energy PlayerShellEnergy();
Energy PlayerLaserEnergy();
Energy EnemyEnergy(int kind);  // kind 0..6

// The colour a small shot burns with at its heart: the body's hue, paler
// but still saturated. A white-hot heart is what makes a small shot look
// like one more star.
Colour ShotCore(const Energy& e);

// A shot painted at full strength, edged with a dark rim of its own hue so
// it reads on bright stars and on the nebula alike. What is painted must
// leave a pixel free on every side for the rim.
Picture RimmedShot(const Canvas& canvas, const Energy& e);

// A bolt of light from a to b.
void Bolt(Canvas& c, Vec2 a, Vec2 b, float radius, const Energy& e, float halo = 1.2f);
// A ball of light.
void Orb(Canvas& c, Vec2 centre, float radius, const Energy& e);

// A rocket filling a w x h pattern along its height, nose up or down, its
// flame flickering with `frame` (0..2).
struct RocketLook {
  Colour body = Rgb8(225, 228, 236);
  Colour nose = Rgb8(220, 40, 40);
  Colour fins = Rgb8(70, 80, 110);
  float body_share = 0.6f;  // part of the height that is rocket, the rest flame
};
Picture Rocket(int w, int h, bool nose_up, int frame, const RocketLook& look);

// A horizontal beam filling a w x h pattern (pointing right), brightest on
// its axis, with a flicker that changes with `frame`; its glow is drawn
// where it is at least `fringe` strong.
Picture Beam(int w, int h, int frame, const Energy& e, bool tapered, float fringe = 0.22f);
// A short laser shot of w x h (pointing right): a saturated bolt with a
// coloured heart and a dark rim, its width rippling with `frame`.
Picture RimmedBeam(int w, int h, int frame, const Energy& e);

}  // namespace zephyrant::assetgen
