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

// Player fire is gold and cyan; enemy fire is red, pink, violet and green.
Energy PlayerShellEnergy();
Energy PlayerLaserEnergy();
Energy EnemyEnergy(int kind);  // kind 0..6

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
// its axis, with a flicker that changes with `frame`.
Picture Beam(int w, int h, int frame, const Energy& e, bool tapered);

}  // namespace zephyrant::assetgen
