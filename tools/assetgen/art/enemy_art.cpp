// SPDX-License-Identifier: GPL-3.0-or-later
// The small enemies, all pointing down, in the colours of the level set
// that first meets them: angular crimson raiders (levels 1-6), the green
// hive (8-13), the violet crystal fleet (15-20), bronze mine layers
// (22-27) and the black-chrome guard (29-34). The bars of levels 4 and 8
// (and 18, 25, 32) are one energy barrier, lying or standing, strung
// between two steel emitters and red in every level set it visits.

#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"
#include "tools/assetgen/draw/noise.h"

namespace zephyrant::assetgen {

namespace {

// Engines at the back (the top, since enemies fly down the screen).
void Exhaust(Canvas& c, Vec2 at, float r, Colour glow) {
  c.Glow(Circle(at, r), glow, r, 0.7f);
  c.Fill(Circle(at, r), Glowing(glow, Mix(glow, kWhite, 0.7f), r));
}

// --- Level set 1: crimson raiders ---------------------------------------

Picture Dart() {  // little_boss_1
  const Scheme s = EnemyScheme(1);
  Canvas c(27, 37);
  Hull(c, MirroredPolygon(13.5f, {{15, 3}, {25.5f, 1.5f}, {25.5f, 6}, {18, 17}, {16, 30}}, 0.5f),
       s.dark, 1.8f);
  for (const float x : {9.5f, 17.5f}) Exhaust(c, {x, 3}, 1.8f, s.glow);
  HullGradient(c,
               MirroredPolygon(13.5f, {{13.5f, 1.5f}, {17, 4}, {17.5f, 20}, {13.5f, 35.5f}}, 0.6f),
               s.light, s.main, 3);
  PanelLine(c, {10, 12}, {17, 12});
  Canopy(c, Ellipse({13.5f, 24}, {2.2f, 4.5f}), Rgb8(255, 180, 60));
  Lamp(c, {24.5f, 4}, 0.8f, s.glow);
  Lamp(c, {2.5f, 4}, 0.8f, s.glow);
  return SolidPicture(c);
}

Picture BatWing() {  // little_boss_2_10
  const Scheme s = EnemyScheme(1);
  Canvas c(37, 31);
  const Shape wing = MirroredPolygon(
      18.5f, {{18.5f, 4}, {27, 2}, {36, 6}, {35, 16}, {31, 26}, {28, 18}, {24, 22}, {21, 19}},
      0.6f);
  HullGradient(c, wing, s.main, s.dark, 2.4f);
  PanelLine(c, {24, 6}, {32, 18});
  PanelLine(c, {13, 6}, {5, 18});
  Hull(c, Ellipse({18.5f, 15}, {4.5f, 13.5f}), s.light, 3.5f);
  Canopy(c, Ellipse({18.5f, 19}, {2.4f, 5}), Rgb8(255, 200, 80));
  Exhaust(c, {18.5f, 3.5f}, 2, s.glow);
  Lamp(c, {33.5f, 10}, 0.9f, s.glow);
  Lamp(c, {3.5f, 10}, 0.9f, s.glow);
  return SolidPicture(c);
}

Picture TwinPod() {  // little_boss_3
  const Scheme s = EnemyScheme(1);
  Canvas c(37, 33);
  Hull(c, RoundBox({18.5f, 14}, {13, 4.5f}, 2), s.dark, 2);
  for (const float x : {7.0f, 30.0f}) {
    HullGradient(c, Capsule({x, 4}, {x, 27.5f}, 4.5f, 3.2f), s.light, s.main, 3);
    PanelLine(c, {x - 4, 12}, {x + 4, 12});
    Exhaust(c, {x, 3.2f}, 2, s.glow);
    Barrel(c, {x, 24}, {x, 30.5f}, 1.2f, kSteel);
  }
  Hull(c, Ellipse({18.5f, 17}, {5, 8.5f}), s.main, 3);
  Canopy(c, Ellipse({18.5f, 20}, {2.6f, 4.5f}), Rgb8(255, 190, 70));
  return SolidPicture(c);
}

// An energy barrier across `w` x `h`, along x when `across` is true: an
// armoured emitter at each end (kBarrierCap pixels long, the full
// thickness) and between them a braided beam that leaves the outer rows
// clear. The shape is the craft's hit area, so only the colours inside it
// are the painter's to choose.
constexpr int kBarrierCap = 7;

bool BarrierSolid(int along, int side, int length, int thick) {
  return along < kBarrierCap || along >= length - kBarrierCap || (side >= 1 && side < thick - 1);
}

// How bright the beam is at a pixel: two strands twisting round each other
// about a hot core, flaring where they leave the emitters.
float BeamLight(float along, float side, int length, int thick) {
  const float axis = thick / 2.0f;
  const float twist = 1.7f * std::sin(2 * kPi * along / 18);
  const auto strand = [&](float centre) {
    const float d = side - centre;
    return std::exp(-d * d / 0.45f);
  };
  const float core = std::exp(-(side - axis) * (side - axis) / 0.5f);
  const float flare =
      1 - SmoothStep(0, 9, std::min(along - kBarrierCap, length - kBarrierCap - along));
  const float flicker = 0.85f + 0.3f * FreeNoise(along / 3, 0.5f, 471);
  return Clamp01(
      (std::max(strand(axis + twist), strand(axis - twist)) * 0.6f + core * 0.85f + flare * 0.35f) *
      flicker);
}

Picture Barrier(int w, int h, bool across, const Energy& e) {
  const int length = across ? w : h;
  const int thick = across ? h : w;
  Canvas caps(length, thick);
  for (const float end : {0.0f, 1.0f}) {
    const float outer = end == 0 ? 0 : static_cast<float>(length);
    const float inward = end == 0 ? 1.0f : -1.0f;
    const float mid = outer + inward * kBarrierCap / 2.0f;
    // Armoured housing with a darker collar, a running light on its back and
    // the emitter's mouth glowing where the beam leaves it.
    Hull(caps,
         RoundBox({mid, thick / 2.0f}, {kBarrierCap / 2.0f - 0.5f, thick / 2.0f - 0.5f}, 1.4f),
         Mix(kGunmetal, kSteel, 0.4f), 1.4f, 0.6f);
    Hull(caps, RoundBox({mid + inward * 0.3f, thick / 2.0f}, {0.9f, thick / 2.0f - 0.9f}, 0.4f),
         kSteel, 0.8f, 0.7f);
    PanelLine(caps, {mid - inward * 1.2f, 1.2f}, {mid - inward * 1.2f, thick - 1.2f}, 0.4f, 0.5f);
    Lamp(caps, {outer + inward * 1.6f, thick / 2.0f}, 0.6f, Rgb8(255, 190, 60), 0.6f);
    const Vec2 mouth{outer + inward * (kBarrierCap - 0.6f), thick / 2.0f};
    caps.Glow(Circle(mouth, 1.0f), e.halo, 1.2f, 0.8f);
    caps.Fill(Circle(mouth, 1.1f), Glowing(e.body, e.core, 0.9f));
  }
  const Image metal = caps.Resolve();
  Picture bar(length, thick);
  for (int y = 0; y < thick; ++y) {
    for (int x = 0; x < length; ++x) {
      if (!BarrierSolid(x, y, length, thick)) continue;
      const float light = BeamLight(x + 0.5f, y + 0.5f, length, thick);
      // The beam's glow fades to the dark rim every sprite has, not to black.
      const Colour beam = light < 0.45f  ? Mix(kOutline, e.halo * 0.8f, light / 0.45f)
                          : light < 0.8f ? Mix(e.halo * 0.8f, e.body, (light - 0.45f) / 0.35f)
                                         : Mix(e.body, e.core, (light - 0.8f) / 0.2f);
      const Pixel& m = metal.At(x, y);
      const Colour under = x < kBarrierCap || x >= length - kBarrierCap ? kOutline : beam;
      bar.At(x, y) = Colour{m.r, m.g, m.b} + under * (1 - m.a);
      bar.solid[y * length + x] = 1;
    }
  }
  if (across) return bar;
  // Stand it upright.
  Picture up(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      up.At(x, y) = bar.At(y, w - 1 - x);
      up.solid[y * w + x] = bar.solid[(w - 1 - x) * length + y];
    }
  }
  return up;
}

Picture Arrowhead() {  // little_boss_5
  const Scheme s = EnemyScheme(1);
  Canvas c(27, 37);
  HullGradient(
      c,
      MirroredPolygon(13.5f, {{13.5f, 8}, {20, 2}, {25.5f, 3}, {25.5f, 10}, {13.5f, 35.5f}}, 0.6f),
      s.main, s.dark, 2.6f);
  Hull(c, MirroredPolygon(13.5f, {{13.5f, 6}, {16, 9}, {15.5f, 24}, {13.5f, 30}}, 0.4f), s.light,
       2.5f);
  PanelLine(c, {20, 6}, {15, 22});
  PanelLine(c, {7, 6}, {12, 22});
  Canopy(c, Ellipse({13.5f, 17}, {1.8f, 4}), Rgb8(255, 200, 80));
  for (const float x : {5.0f, 22.0f}) Exhaust(c, {x, 4}, 1.6f, s.glow);
  return SolidPicture(c);
}

Picture Gunship() {  // little_boss_6
  const Scheme s = EnemyScheme(1);
  Canvas c(27, 62);
  Hull(c, MirroredPolygon(13.5f, {{16, 8}, {25.5f, 14}, {25.5f, 24}, {17, 22}}, 0.5f), s.dark, 2);
  Hull(c, MirroredPolygon(13.5f, {{16, 34}, {24, 40}, {24, 46}, {16, 46}}, 0.5f), s.dark, 2);
  HullGradient(
      c, MirroredPolygon(13.5f, {{13.5f, 1}, {18, 3}, {19, 40}, {16, 54}, {13.5f, 60.5f}}, 0.8f),
      s.light, s.main, 4);
  for (float y = 10; y < 50; y += 8) PanelLine(c, {9.5f, y}, {17.5f, y});
  for (const float x : {4.0f, 23.0f}) Barrel(c, {x, 40}, {x, 50}, 1.1f, kSteel);
  for (const float x : {10.0f, 17.0f}) Exhaust(c, {x, 2.5f}, 1.8f, s.glow);
  Canopy(c, Ellipse({13.5f, 47}, {2.2f, 5}), Rgb8(255, 190, 70));
  Lamp(c, {13.5f, 28}, 1.2f, s.glow);
  return SolidPicture(c);
}

// --- Level set 2: the green hive ----------------------------------------

Picture Beetle() {  // little_boss_9
  const Scheme s = EnemyScheme(2);
  Canvas c(37, 38);
  for (const float side : {-1.0f, 1.0f}) {
    for (int k = 0; k < 3; ++k) {
      const float y = 12 + k * 6.5f;
      Hull(c, Capsule({18.5f + side * 10, y}, {18.5f + side * 17, y + 4 - k * 1.5f}, 1.1f, 0.7f),
           s.dark, 1);
    }
  }
  Hull(c, Symmetric(Capsule({14, 30}, {16.5f, 36}, 1.6f, 0.6f), 18.5f), s.dark, 1);
  Hull(c, Ellipse({18.5f, 29}, {6, 5}), s.main, 2.5f);
  HullGradient(c, Ellipse({18.5f, 16}, {12.5f, 14}), s.light, s.main, 5);
  PanelLine(c, {18.5f, 3}, {18.5f, 29}, 0.9f, 0.6f);
  for (const float x : {12.0f, 25.0f}) c.Fill(Ellipse({x, 12}, {2.5f, 4}), s.dark * 0.8f, 0.6f);
  for (const float x : {15.5f, 21.5f}) Lamp(c, {x, 30}, 1, s.glow);
  return SolidPicture(c);
}

Picture Spider() {  // little_boss_11
  const Scheme s = EnemyScheme(2);
  Canvas c(37, 37);
  for (int k = 0; k < 8; ++k) {
    const float a = (k + 0.5f) * kPi / 4;
    const Vec2 tip{18.5f + std::cos(a) * 17, 18.5f + std::sin(a) * 17};
    Hull(c, Capsule({18.5f, 18.5f}, tip, 2.6f, 0.8f), s.dark, 1.2f);
  }
  Hull(c, Circle({18.5f, 18.5f}, 11), s.main, 4.5f);
  Hull(c, Ring({18.5f, 18.5f}, 7.5f, 2), s.light, 1);
  Core(c, {18.5f, 18.5f}, 4, s.glow);
  return SolidPicture(c);
}

Picture Mantis() {  // little_boss_12
  const Scheme s = EnemyScheme(2);
  Canvas c(27, 45);
  for (const float side : {-1.0f, 1.0f}) {
    Hull(c, Capsule({13.5f + side * 4, 22}, {13.5f + side * 11, 30}, 1.8f, 1.3f), s.main, 1.2f);
    Hull(c, Capsule({13.5f + side * 11, 30}, {13.5f + side * 6, 42}, 1.4f, 0.5f), s.light, 1);
    Hull(c, Polygon({{13.5f + side * 4, 6}, {13.5f + side * 12.5f, 2}, {13.5f + side * 11, 12}}),
         s.dark, 1);
  }
  HullGradient(c, Capsule({13.5f, 3}, {13.5f, 24}, 4.2f, 3), s.light, s.main, 3.5f);
  Hull(c, Ellipse({13.5f, 30}, {3.6f, 5}), s.main, 2.5f);
  for (float y = 8; y < 22; y += 4) PanelLine(c, {10, y}, {17, y});
  for (const float x : {11.5f, 15.5f}) Lamp(c, {x, 32}, 1, s.glow);
  return SolidPicture(c);
}

Picture Crab() {  // little_boss_13
  const Scheme s = EnemyScheme(2);
  Canvas c(37, 34);
  for (const float side : {-1.0f, 1.0f}) {
    Hull(c, Capsule({18.5f + side * 9, 14}, {18.5f + side * 15, 22}, 2.2f, 2), s.main, 1.3f);
    const Vec2 claw{18.5f + side * 14, 26};
    Hull(c, Circle(claw, 4.2f), s.light, 2.2f);
    c.Fill(Polygon({claw, {claw.x - side * 1.5f, claw.y + 6}, {claw.x + side * 2.5f, claw.y + 6}}),
           Rgb8(12, 26, 16));
    for (int k = 0; k < 2; ++k) {
      Hull(c, Capsule({18.5f + side * 8, 6.0f + k * 4}, {18.5f + side * 17, 1.5f + k * 5}, 1, 0.6f),
           s.dark, 1);
    }
  }
  HullGradient(c, Ellipse({18.5f, 13}, {11, 9}), s.light, s.main, 4.5f);
  PanelLine(c, {11, 13}, {26, 13}, 0.7f);
  for (const float x : {15.0f, 22.0f}) Lamp(c, {x, 19}, 1.2f, s.glow);
  return SolidPicture(c);
}

// --- Level set 3: the violet crystal fleet ------------------------------

Picture CrystalDart() {  // little_boss_15
  const Scheme s = EnemyScheme(3);
  Canvas c(27, 43);
  Gem(c, MirroredPolygon(13.5f, {{13.5f, 1}, {19, 10}, {25.5f, 16}, {19, 21}, {13.5f, 41.5f}}),
      {13.5f, 17}, 8, s.main);
  Core(c, {13.5f, 17}, 2.6f, s.glow);
  return SolidPicture(c);
}

Picture Spire() {  // little_boss_16
  const Scheme s = EnemyScheme(3);
  Canvas c(27, 56);
  Gem(c,
      MirroredPolygon(13.5f,
                      {{13.5f, 1}, {21, 12}, {25.5f, 10}, {22, 24}, {17, 30}, {13.5f, 54.5f}}),
      {13.5f, 20}, 6, s.main);
  Gem(c, MirroredPolygon(13.5f, {{13.5f, 30}, {16.5f, 36}, {13.5f, 50}}), {13.5f, 38}, 4, s.light);
  Core(c, {13.5f, 18}, 3, s.glow);
  return SolidPicture(c);
}

Picture Trident() {  // little_boss_17
  const Scheme s = EnemyScheme(3);
  Canvas c(27, 43);
  for (const float x : {4.0f, 23.0f}) {
    Gem(c, MirroredPolygon(x, {{x, 8}, {x + 2.8f, 18}, {x, 36}}), {x, 20}, 4, s.main);
  }
  Hull(c, RoundBox({13.5f, 14}, {11, 2.2f}, 1.5f), s.dark, 1.5f);
  Gem(c, MirroredPolygon(13.5f, {{13.5f, 1}, {18.5f, 10}, {17, 24}, {13.5f, 41.5f}}), {13.5f, 15},
      6, s.light);
  Core(c, {13.5f, 14}, 2.4f, s.glow);
  return SolidPicture(c);
}

Picture HexPod() {  // little_boss_19
  const Scheme s = EnemyScheme(3);
  Canvas c(27, 41);
  std::vector<Vec2> hex;
  for (int k = 0; k < 6; ++k) {
    const float a = k * kPi / 3 + kPi / 6;
    hex.push_back({13.5f + std::cos(a) * 12, 17 + std::sin(a) * 14});
  }
  Gem(c, Polygon(hex, 0.5f), {13.5f, 17}, 6, s.main, kPi / 6);
  Gem(c, MirroredPolygon(13.5f, {{13.5f, 26}, {17, 31}, {13.5f, 39.5f}}), {13.5f, 31}, 4, s.light);
  Core(c, {13.5f, 17}, 4, s.glow);
  return SolidPicture(c);
}

Picture Cruiser() {  // little_boss_20_27
  const Scheme s = EnemyScheme(3);
  Canvas c(37, 51);
  for (const float x : {5.0f, 32.0f}) {
    Gem(c, MirroredPolygon(x, {{x, 4}, {x + 3.6f, 14}, {x + 3, 34}, {x, 44}}), {x, 20}, 4,
        s.dark * 1.6f);
  }
  Hull(c, RoundBox({18.5f, 20}, {14, 5}, 2), s.dark, 2.2f);
  Gem(c, MirroredPolygon(18.5f, {{18.5f, 1}, {27, 10}, {27, 30}, {18.5f, 49.5f}}), {18.5f, 20}, 8,
      s.main);
  Core(c, {18.5f, 20}, 4.2f, s.glow);
  for (const float x : {11.0f, 26.0f}) Lamp(c, {x, 33}, 1.1f, s.glow);
  return SolidPicture(c);
}

// --- Level sets 4 and 5 -------------------------------------------------

Picture Bomber() {  // little_boss_25
  const Scheme s = EnemyScheme(4);
  Canvas c(27, 41);
  HullGradient(
      c, MirroredPolygon(13.5f, {{15, 10}, {25.5f, 18}, {25.5f, 26}, {20, 27}, {15.5f, 24}}, 0.6f),
      s.main, s.dark, 2);
  for (const float x : {6.0f, 21.0f}) {
    Hull(c, RoundBox({x, 14}, {2.4f, 8}, 2), s.light, 1.6f);
    Exhaust(c, {x, 6.5f}, 1.6f, Rgb8(255, 180, 60));
  }
  HullGradient(
      c, MirroredPolygon(13.5f, {{13.5f, 2}, {17, 5}, {17.5f, 28}, {15, 36}, {13.5f, 39.5f}}, 0.8f),
      s.light, s.main, 3.5f);
  PanelLine(c, {10, 14}, {17, 14});
  PanelLine(c, {10, 22}, {17, 22});
  c.Fill(RoundBox({13.5f, 31}, {2.2f, 3.4f}, 1), Rgb8(30, 20, 10));
  Lamp(c, {13.5f, 31}, 1.1f, s.glow);
  return SolidPicture(c);
}

Picture RingFighter() {  // little_boss_26
  const Scheme s = EnemyScheme(4);
  Canvas c(37, 34);
  Hull(c, Ring({18.5f, 17}, 13, 5.5f), s.main, 2.5f, 0.6f);
  for (int k = 0; k < 4; ++k) {
    const float a = k * kPi / 2 + kPi / 4;
    const Vec2 dir{std::cos(a), std::sin(a)};
    Hull(c, Capsule(Vec2{18.5f, 17} + dir * 4, Vec2{18.5f, 17} + dir * 11, 1.3f), s.dark, 1);
  }
  for (int k = 0; k < 8; ++k) {
    const float a = k * kPi / 4;
    Lamp(c, {18.5f + std::cos(a) * 13, 17 + std::sin(a) * 13}, 0.7f, s.light, 0.8f);
  }
  Hull(c, Circle({18.5f, 17}, 5), s.light, 2.5f);
  Core(c, {18.5f, 18}, 2.5f, s.glow);
  return SolidPicture(c);
}

Picture StealthWing() {  // little_boss_29
  const Scheme s = EnemyScheme(5);
  Canvas c(37, 35);
  HullGradient(
      c,
      MirroredPolygon(
          18.5f, {{18.5f, 5}, {24, 1.5f}, {35.5f, 10}, {30, 14}, {24, 13}, {18.5f, 33.5f}}, 0.4f),
      s.main, s.dark, 2);
  for (const float side : {-1.0f, 1.0f}) {
    c.Fill(Capsule({18.5f + side * 3, 10}, {18.5f + side * 14, 10.5f}, 0.5f), s.glow);
    c.Glow(Capsule({18.5f + side * 3, 10}, {18.5f + side * 14, 10.5f}, 0.4f), s.glow, 0.8f, 0.5f);
  }
  Canopy(c, MirroredPolygon(18.5f, {{18.5f, 12}, {20.5f, 17}, {18.5f, 25}}), Rgb8(255, 80, 180));
  return SolidPicture(c);
}

Picture Interceptor() {  // little_boss_31
  const Scheme s = EnemyScheme(5);
  Canvas c(37, 35);
  Hull(c, RoundBox({18.5f, 14}, {15, 3}, 1.5f), s.dark, 1.5f);
  for (const float x : {6.0f, 31.0f}) {
    HullGradient(c, Capsule({x, 3}, {x, 31}, 3.6f, 2.2f), s.light, s.main, 3);
    Exhaust(c, {x, 2.5f}, 1.6f, s.glow);
    c.Fill(Capsule({x, 26}, {x, 31}, 0.6f), s.glow);
  }
  HullGradient(c, Capsule({18.5f, 6}, {18.5f, 30}, 4.5f, 2.5f), s.light, s.main, 3.5f);
  Canopy(c, Ellipse({18.5f, 21}, {2.2f, 4.5f}), Rgb8(255, 90, 190));
  return SolidPicture(c);
}

}  // namespace

Picture PaintEnemy(const ImageSpec& item) {
  const std::string& n = item.name;
  if (n == "little_boss_1") return Dart();
  if (n == "little_boss_2_10") return BatWing();
  if (n == "little_boss_3") return TwinPod();
  // The same barrier crosses the screen either way in levels 18 and 32, so
  // both stances share one look.
  if (n == "little_boss_4_18") return Barrier(69, 9, true, EnemyEnergy(0));
  if (n == "little_boss_5") return Arrowhead();
  if (n == "little_boss_6") return Gunship();
  if (n == "little_boss_8_18") return Barrier(9, 69, false, EnemyEnergy(0));
  if (n == "little_boss_9") return Beetle();
  if (n == "little_boss_11") return Spider();
  if (n == "little_boss_12") return Mantis();
  if (n == "little_boss_13") return Crab();
  if (n == "little_boss_15") return CrystalDart();
  if (n == "little_boss_16") return Spire();
  if (n == "little_boss_17") return Trident();
  if (n == "little_boss_19") return HexPod();
  if (n == "little_boss_20_27") return Cruiser();
  if (n == "little_boss_25") return Bomber();
  if (n == "little_boss_26") return RingFighter();
  if (n == "little_boss_29") return StealthWing();
  if (n == "little_boss_31") return Interceptor();
  UnknownPicture("the small enemies", item);
}

}  // namespace zephyrant::assetgen
