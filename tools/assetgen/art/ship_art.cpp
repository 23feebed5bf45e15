// SPDX-License-Identifier: GPL-3.0-or-later
// The player's ship and its exhaust flames.
//
// The ship points up and is symmetric about x = 22.5. Its two engines end at
// the bottom edge under x = 7.5 and x = 37.5, where the game hangs the
// flames (at the ship's X + 5 and X + 36, Y + 72); the single shell leaves
// from the nose at X + 20.

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"

namespace zephyrant::assetgen {

namespace {

constexpr float kAxis = 22.5f;

}  // namespace

void DrawHero(Canvas& c) {
  const Scheme s = PlayerScheme();
  // Wings: a swept delta with clipped tips, behind everything else.
  const Shape wings = MirroredPolygon(
      kAxis, {{24, 22}, {34, 36}, {43.5f, 48}, {43.5f, 58}, {36, 58}, {28, 56}}, 0.6f);
  HullGradient(c, wings, Mix(s.main, s.dark, 0.35f), s.dark, 2.2f);
  PanelLine(c, {30, 40}, {41, 54});
  PanelLine(c, {15, 40}, {4, 54});
  // Blue stripes along the wing roots and red tips.
  c.Fill(Symmetric(Polygon({{30, 47}, {40, 54.5f}, {40, 56.5f}, {30, 51}}), kAxis),
         Lit({Rgb8(40, 120, 230), 1, 0.6f}));
  Lamp(c, {42.2f, 55.5f}, 0.9f, Rgb8(80, 255, 120));
  Lamp(c, {2.8f, 55.5f}, 0.9f, Rgb8(255, 60, 60));
  // Engine pods reaching down to the nozzles.
  for (const float x : {7.5f, 37.5f}) {
    const Shape pod = RoundBox({x, 57.5f}, {3.9f, 12.5f}, 3.5f);
    HullGradient(c, pod, s.light, s.main * 0.7f, 2.4f);
    PanelLine(c, {x - 3.2f, 52}, {x + 3.2f, 52});
    c.Fill(RoundBox({x, 69.3f}, {3.6f, 2.2f}, 1), Lit({kGunmetal, 1, 0.3f}));
    c.Fill(RoundBox({x, 70.5f}, {2.6f, 1.3f}, 1),
           Glowing(Rgb8(255, 120, 40), Rgb8(255, 240, 200), 1));
    // Intakes at the top of each pod.
    c.Fill(Ellipse({x, 46.5f}, {2.4f, 1.3f}), Rgb8(18, 20, 34));
  }
  // The fuselage: a long needle nose swelling to the tail.
  const Shape body = MirroredPolygon(
      kAxis, {{22.5f, 0.5f}, {24.5f, 8}, {27.5f, 22}, {29, 36}, {29, 58}, {27, 66}, {25, 67}},
      0.8f);
  HullGradient(c, body, s.light, s.main, 4.5f);
  // Dark intake cheeks and a spine.
  c.Fill(Symmetric(Polygon({{27.8f, 36}, {29, 38}, {29, 50}, {27.4f, 48}}), kAxis),
         Rgb8(30, 36, 58));
  PanelLine(c, {kAxis, 36}, {kAxis, 64}, 0.6f, 0.35f);
  PanelLine(c, {17, 44}, {28, 44});
  PanelLine(c, {17.5f, 54}, {27.5f, 54});
  // Canards near the nose.
  Hull(c, Symmetric(Polygon({{26.8f, 20}, {32, 26}, {32, 28}, {27.6f, 27}}), kAxis), s.main, 1.2f);
  // Cockpit canopy.
  Canopy(c, Ellipse({kAxis, 25}, {3.2f, 7.5f}), Rgb8(40, 140, 220));
  // The nose gun and a blue nose stripe.
  c.Fill(RoundBox({kAxis, 11}, {1.2f, 3}, 1), Lit({Rgb8(40, 120, 230), 1, 0.7f}));
  // Centre thruster between the pods.
  Nozzle(c, {kAxis, 65.5f}, {3, 1.6f}, Rgb8(90, 200, 255));
}

namespace {

Picture Hero() {
  Canvas c(kHeroWidth, kHeroHeight);
  DrawHero(c);
  return SolidPicture(c);
}

// Exhaust: a white-hot throat fading through gold and orange into space.
Picture Flame(int frame) {
  static const float kLength[3] = {13.5f, 10.5f, 12};
  static const float kWidth[3] = {2.5f, 2.2f, 2.6f};
  Canvas c(5, 14, 6);
  const float len = kLength[frame];
  const float w = kWidth[frame];
  c.Fill(Capsule({2.5f, 1.2f}, {2.5f, len}, w, 0.5f), [=](const Surfel& s) {
    static const Colour kFire[] = {Rgb8(255, 255, 240), Rgb8(255, 236, 150), Rgb8(255, 170, 50),
                                   Rgb8(240, 100, 30), Rgb8(150, 50, 40)};
    const float t = Clamp01(s.p.y / len) * 0.8f + Clamp01(1 + s.d / w) * 0.35f;
    return Ramp(kFire, t);
  });
  c.Glow(Capsule({2.5f, 0.5f}, {2.5f, len * 0.45f}, 0.7f), Rgb8(140, 210, 255), 0.8f, 0.6f);
  return LightPicture(c, 0.3f);
}

}  // namespace

Picture PaintShip(const ImageSpec& item) {
  if (item.name == "hero") return Hero();
  if (item.name == "flame") return Sheet(item, Flame);
  UnknownPicture("the ship", item);
}

}  // namespace zephyrant::assetgen
