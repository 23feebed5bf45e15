// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Parts that many sprites share: hulls, canopies, lights, nozzles, panel
// lines, and the ways a painted canvas becomes a keyed picture.

#include <cstdint>
#include <string>

#include "tools/assetgen/draw/canvas.h"
#include "tools/assetgen/draw/picture.h"
#include "tools/assetgen/draw/shading.h"
#include "tools/assetgen/draw/shapes.h"

namespace zephyrant::assetgen {

// A hull or solid part: outlined so it reads on the star field.
Picture SolidPicture(const Canvas& canvas);
// Light itself (flames, bolts, glows): no outline, faint edges fade to space.
Picture LightPicture(const Canvas& canvas, float threshold = 0.2f);
// `over` laid on `under` wherever `over` is drawn.
Picture Over(Picture under, const Picture& over);

// A hull part, lit from the top left.
void Hull(Canvas& c, const Shape& shape, Colour base, float bevel = 2.5f, float gloss = 0.45f);
// A hull part whose colour runs from `top` to `bottom` down the picture.
void HullGradient(Canvas& c, const Shape& shape, Colour top, Colour bottom, float bevel = 2.5f);
// A glass canopy tinted `tint`, with a sky reflection and a hot spot.
void Canopy(Canvas& c, const Shape& shape, Colour tint);
// A small light with a halo.
void Lamp(Canvas& c, Vec2 at, float radius, Colour colour, float halo = 1.5f);
// A thin recessed line between plates.
void PanelLine(Canvas& c, Vec2 a, Vec2 b, float width = 0.5f, float depth = 0.45f);
// An engine bell seen from above: dark inside, glowing at the core.
void Nozzle(Canvas& c, Vec2 centre, Vec2 radii, Colour glow);
// A gun barrel from `base` to `muzzle`.
void Barrel(Canvas& c, Vec2 base, Vec2 muzzle, float radius, Colour metal);

}  // namespace zephyrant::assetgen

namespace zephyrant::assetgen {

// A cut crystal: the shape split into `facets` flat faces around `centre`,
// each lit from the top left by its own tilt.
void Gem(Canvas& c, const Shape& shape, Vec2 centre, int facets, Colour base, float turn = 0);
// Armour plating over what is painted inside `area`: staggered plates of
// slightly different tones with dark seams between them.
void Plates(Canvas& c, const Shape& area, float plate_w, float plate_h, uint32_t seed,
            float variation = 0.12f);
// An energy core: a glowing ball with a hot centre.
void Core(Canvas& c, Vec2 centre, float radius, Colour colour);

}  // namespace zephyrant::assetgen

namespace zephyrant::assetgen {

class Font;

// `over` composited on `under`, pixel by pixel.
Image OverImage(Image under, const Image& over);
// The display font at `path`, read once.
const Font& DisplayFont(const std::string& path);

}  // namespace zephyrant::assetgen
