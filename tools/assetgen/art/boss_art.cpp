// SPDX-License-Identifier: GPL-3.0-or-later
// The five bosses, each in the colours of its level set and pointing down.
// Their gun ports sit where their shots leave:
// - boss1: bolt cannons at the bottom corners (x 15 and 115), the rocket bay
//   at the bottom centre, the laser emitter at the top left (x 10-30);
// - boss2: rocket pods at the top corners (x 9 and 99), the beam mouth at
//   the bottom centre;
// - boss3: bomb bays at the wing tips (x 15 and 160), the turret near the
//   middle (x 85-95, y 18);
// - boss4: pellet fans at the bottom corners (x 15 and 90), the laser
//   emitter at the top left (x 25-35);
// - boss5: side ports at y 50 (x 14 and 114), the main cannon at the bottom
//   centre.

#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

void Port(Canvas& c, Vec2 at, float r, Colour glow) {
  Hull(c, Circle(at, r + 1.6f), kGunmetal, 1.5f, 0.5f);
  c.Fill(Circle(at, r), Rgb8(14, 10, 18));
  Core(c, at, r * 0.6f, glow);
}

void Engines(Canvas& c, float y, std::initializer_list<float> xs, float r, Colour glow) {
  for (const float x : xs) {
    Hull(c, RoundBox({x, y + 2}, {r + 1.5f, 3}, 1.5f), kGunmetal, 1.2f);
    c.Glow(Ellipse({x, y}, {r, 2}), glow, 2.5f, 0.8f);
    c.Fill(Ellipse({x, y + 1}, {r, 1.6f}), Glowing(glow, kWhite, 1.2f));
  }
}

void Rivets(Canvas& c, Vec2 a, Vec2 b, int count, Colour colour) {
  for (int k = 0; k < count; ++k) {
    const float t = (k + 0.5f) / count;
    c.Fill(Circle(a + (b - a) * t, 0.7f), Lit({colour, 0.6f, 0.9f}));
  }
}

Picture Boss1() {
  const Scheme s = EnemyScheme(1);
  Canvas c(120, 118, 3);
  Engines(c, 4, {45, 60, 75}, 4, s.glow);
  // Wing sponsons out to the corner cannons.
  const Shape wings = MirroredPolygon(
      60, {{70, 14}, {104, 30}, {119, 70}, {119, 100}, {108, 106}, {96, 92}, {78, 96}}, 1);
  HullGradient(c, wings, s.main, s.dark, 4);
  Plates(c, wings, 20, 14, 101);
  for (const float side : {-1.0f, 1.0f}) {
    for (int k = 0; k < 4; ++k) {
      const float y = 40 + k * 5.0f;
      c.Fill(Capsule({60 + side * (30 + k * 3.0f), y}, {60 + side * (40 + k * 3.0f), y + 3}, 0.8f),
             Rgb8(20, 8, 12));
    }
  }
  PanelLine(c, {78, 30}, {110, 76});
  PanelLine(c, {42, 30}, {10, 76});
  Rivets(c, {86, 46}, {112, 86}, 6, s.light);
  Rivets(c, {34, 46}, {8, 86}, 6, s.light);
  for (const float x : {15.0f, 105.0f}) {
    Hull(c, RoundBox({x, 96}, {9, 11}, 4), s.dark, 3);
    Barrel(c, {x, 98}, {x, 114}, 3, kSteel);
    Lamp(c, {x, 90}, 1.6f, s.glow);
  }
  // Laser emitters on both shoulders; the left one fires.
  for (const float x : {20.0f, 100.0f}) {
    Hull(c, RoundBox({x, 16}, {9, 7}, 3), kGunmetal, 2.5f);
    Gem(c, MirroredPolygon(x, {{x, 9}, {x + 4, 15}, {x, 23}}), {x, 15}, 4, Rgb8(255, 80, 120));
    c.Glow(Circle({x, 15}, 2), Rgb8(255, 60, 120), 3, 0.6f);
  }
  // The armoured centre hull.
  const Shape hull =
      MirroredPolygon(60, {{60, 1}, {76, 6}, {84, 30}, {82, 84}, {72, 106}, {60, 112}}, 1.5f);
  HullGradient(c, hull, Mix(s.main, s.light, 0.45f), s.main * 0.8f, 7);
  Plates(c, hull, 18, 16, 102);
  PanelLine(c, {60, 10}, {60, 36}, 0.8f);
  for (const float y : {58.0f, 80.0f}) {
    c.Fill(RoundBox({60, y}, {14, 1.2f}, 0.6f), Glowing(s.glow, kWhite, 1));
  }
  for (float y = 40; y < 96; y += 11) PanelLine(c, {44, y}, {76, y}, 0.7f);
  PanelLine(c, {48, 40}, {50, 96});
  PanelLine(c, {72, 40}, {70, 96});
  Hull(c, RoundBox({60, 24}, {10, 8}, 4), s.dark, 3);
  Canopy(c, Ellipse({60, 24}, {7, 5}), Rgb8(255, 190, 60));
  // The rocket bay under the nose.
  Hull(c, RoundBox({60, 104}, {8, 8}, 3), kGunmetal, 2.5f);
  c.Fill(RoundBox({60, 106}, {4.5f, 6}, 2), Rgb8(16, 12, 18));
  Hull(c, Capsule({60, 102}, {60, 110}, 2.4f), Rgb8(220, 40, 40), 2, 0.7f);
  for (const float x : {50.0f, 70.0f}) Lamp(c, {x, 70}, 1.8f, s.glow);
  return SolidPicture(c);
}

Picture Boss2() {
  const Scheme s = EnemyScheme(2);
  Canvas c(105, 120, 3);
  // Arms that carry the rocket pods up to the top corners.
  for (const float side : {-1.0f, 1.0f}) {
    const float x = 52.5f + side * 43;
    Hull(c, Capsule({52.5f + side * 22, 50}, {x, 22}, 7, 4.5f), s.dark, 3);
    Hull(c, Capsule({52.5f + side * 28, 78}, {52.5f + side * 46, 96}, 5, 2), s.dark, 2.5f);
    HullGradient(c, RoundBox({x, 18}, {7.5f, 15}, 5), s.light, s.main, 4);
    c.Fill(RoundBox({x, 26}, {4.5f, 6}, 2), Rgb8(14, 20, 14));
    Hull(c, Capsule({x, 24}, {x, 31}, 2.6f), Rgb8(220, 40, 40), 2, 0.7f);
    Lamp(c, {x, 7}, 1.6f, s.glow);
  }
  // The carapace, in plates.
  const Shape shell = Ellipse({52.5f, 58}, {36, 52});
  HullGradient(c, shell, s.light, s.dark, 9);
  Plates(c, shell, 24, 18, 201, 0.15f);
  for (int k = 0; k < 9; ++k) {
    const float a = kPi * (0.15f + 0.7f * k / 8);
    for (const float side : {-1.0f, 1.0f}) {
      const Vec2 at{52.5f + side * 35 * std::sin(a), 58 - 51 * std::cos(a)};
      Hull(c, Circle(at, 1.6f), s.light, 1, 0.8f);
    }
  }
  for (int k = 1; k < 5; ++k) {
    const float y = 14 + k * 18.0f;
    const float half = 36 * std::sqrt(std::max(0.0f, 1 - (y - 58) * (y - 58) / (52.0f * 52)));
    PanelLine(c, {52.5f - half + 2, y}, {52.5f + half - 2, y + 3}, 0.9f, 0.55f);
  }
  PanelLine(c, {52.5f, 8}, {52.5f, 100}, 1.2f, 0.6f);
  for (const float x : {36.0f, 69.0f}) c.Fill(Ellipse({x, 40}, {6, 11}), s.dark, 0.55f);
  for (const float x : {40.0f, 65.0f}) Lamp(c, {x, 76}, 2.4f, s.glow);
  // The beam mouth at the bottom.
  Hull(c, Ellipse({52.5f, 106}, {16, 11}), s.dark, 4);
  c.Fill(Ellipse({52.5f, 108}, {10, 6.5f}), Rgb8(10, 20, 10));
  Core(c, {52.5f, 109}, 5, Rgb8(140, 255, 90));
  for (const float side : {-1.0f, 1.0f}) {
    Hull(c, Polygon({{52.5f + side * 9, 110}, {52.5f + side * 15, 118}, {52.5f + side * 5, 116}}),
         s.light, 1.2f);
  }
  return SolidPicture(c);
}

Picture Boss3() {
  const Scheme s = EnemyScheme(3);
  Canvas c(170, 75, 3);
  Engines(c, 4, {66, 85, 104}, 4, s.glow);
  const Shape wing = MirroredPolygon(
      85, {{85, 6}, {120, 10}, {169, 24}, {169, 44}, {150, 52}, {118, 46}, {98, 62}, {85, 72}}, 1);
  HullGradient(c, wing, Mix(s.main, s.light, 0.3f), s.dark, 5);
  Plates(c, wing, 24, 12, 301);
  for (const float side : {-1.0f, 1.0f}) {
    const Vec2 a{85 + side * 14, 30}, b{85 + side * 70, 36};
    c.Glow(Capsule(a, b, 0.5f), s.glow, 1.2f, 0.5f);
    c.Fill(Capsule(a, b, 0.6f), Mix(s.glow, kWhite, 0.5f));
  }
  PanelLine(c, {100, 20}, {160, 34});
  PanelLine(c, {70, 20}, {10, 34});
  // Bomb bays at the wing tips.
  for (const float x : {15.0f, 155.0f}) {
    Hull(c, RoundBox({x, 32}, {11, 12}, 4), s.dark, 3);
    c.Fill(RoundBox({x, 35}, {7, 8}, 3), Rgb8(14, 8, 22));
    Hull(c, Ellipse({x, 36}, {5, 6}), Rgb8(200, 140, 60), 3, 0.7f);
    Lamp(c, {x, 22}, 1.5f, s.glow);
  }
  Gem(c, MirroredPolygon(85, {{85, 8}, {100, 24}, {96, 50}, {85, 70}}), {85, 30}, 8,
      Mix(s.main, s.light, 0.35f));
  // The turret.
  Hull(c, Circle({85, 20}, 9), kGunmetal, 4);
  Barrel(c, {85, 20}, {85, 34}, 2.6f, kSteel);
  Core(c, {85, 19}, 3.4f, s.glow);
  for (const float x : {60.0f, 110.0f}) Core(c, {x, 40}, 2.2f, s.glow);
  return SolidPicture(c);
}

Picture Boss4() {
  const Scheme s = EnemyScheme(4);
  Canvas c(100, 114, 3);
  const Vec2 centre{50, 54};
  for (int k = 0; k < 12; ++k) {
    const float a = k * kPi / 6 + kPi / 12;
    const Vec2 dir{std::cos(a), std::sin(a)};
    Hull(c, Capsule(centre + dir * 38, centre + dir * 48, 3.6f, 1), kSteel, 1.5f, 0.7f);
  }
  HullGradient(c, Circle(centre, 42), s.light, s.dark, 8);
  Plates(c, Circle(centre, 42), 16, 14, 401);
  Hull(c, Ring(centre, 33, 5), s.dark, 2.5f);
  for (int k = 0; k < 16; ++k) {
    const float a = k * kPi / 8;
    c.Fill(Circle(centre + Vec2{std::cos(a), std::sin(a)} * 33, 0.9f), Lit({s.light, 0.7f, 0.9f}));
  }
  Hull(c, Circle(centre, 20), s.main, 5);
  for (int k = 0; k < 6; ++k) {
    const float a = k * kPi / 3;
    PanelLine(c, centre + Vec2{std::cos(a), std::sin(a)} * 9,
              centre + Vec2{std::cos(a), std::sin(a)} * 19);
  }
  Core(c, centre, 8, Rgb8(255, 90, 40));
  // Fan launchers at the bottom corners.
  for (const float x : {15.0f, 90.0f}) {
    Hull(c, RoundBox({x, 99}, {10, 10}, 4), kGunmetal, 3);
    for (int k = -1; k <= 1; ++k) Barrel(c, {x, 101}, {x + k * 4.5f, 111}, 1.6f, kSteel);
    Lamp(c, {x, 94}, 1.5f, Rgb8(255, 120, 40));
  }
  // The laser emitter at the top left, and a sensor to balance it.
  Hull(c, RoundBox({30, 9}, {8, 7}, 3), kGunmetal, 2.5f);
  Gem(c, MirroredPolygon(30, {{30, 3}, {33.5f, 9}, {30, 16}}), {30, 9}, 4, Rgb8(255, 120, 60));
  c.Glow(Circle({30, 9}, 2), Rgb8(255, 120, 40), 3, 0.6f);
  Hull(c, RoundBox({70, 9}, {7, 6}, 3), kGunmetal, 2.5f);
  Lamp(c, {70, 9}, 2, Rgb8(255, 200, 60));
  return SolidPicture(c);
}

Picture Boss5() {
  const Scheme s = EnemyScheme(5);
  Canvas c(120, 151, 3);
  Engines(c, 4, {44, 60, 76}, 4.5f, s.glow);
  // Shoulders with the side ports.
  const Shape shoulders =
      MirroredPolygon(60, {{70, 30}, {112, 36}, {119, 46}, {119, 60}, {106, 70}, {74, 74}}, 1.5f);
  HullGradient(c, shoulders, s.main, s.dark, 4);
  Plates(c, shoulders, 20, 12, 501);
  for (const float x : {14.0f, 106.0f}) Port(c, {x, 53}, 4, s.glow);
  for (const float side : {-1.0f, 1.0f}) {
    c.Fill(Capsule({60 + side * 18, 40}, {60 + side * 50, 45}, 0.6f), s.glow);
    c.Glow(Capsule({60 + side * 18, 40}, {60 + side * 50, 45}, 0.5f), s.glow, 1.2f, 0.5f);
  }
  // Fins near the bottom.
  Hull(c, MirroredPolygon(60, {{70, 100}, {92, 122}, {92, 132}, {72, 126}}, 1), s.dark, 3);
  // The long hull.
  const Shape hull =
      MirroredPolygon(60, {{60, 1}, {74, 8}, {80, 40}, {78, 100}, {70, 138}, {60, 146}}, 1.5f);
  HullGradient(c, hull, s.light, s.main * 0.8f, 8);
  Plates(c, hull, 14, 20, 502);
  PanelLine(c, {60, 8}, {60, 130}, 0.8f, 0.4f);
  for (const float side : {-1.0f, 1.0f}) {
    c.Fill(Capsule({60 + side * 9, 60}, {60 + side * 7, 126}, 0.6f), s.glow);
  }
  Hull(c, RoundBox({60, 30}, {10, 9}, 4), s.dark, 3);
  Canopy(c, Ellipse({60, 30}, {7, 6}), Rgb8(255, 80, 180));
  // The main cannon under the nose.
  Hull(c, RoundBox({60, 138}, {11, 9}, 4), kGunmetal, 3);
  Barrel(c, {60, 136}, {60, 149}, 4, kSteel);
  Core(c, {60, 146}, 3, s.glow);
  for (const float x : {48.0f, 72.0f}) Lamp(c, {x, 90}, 1.8f, s.glow);
  return SolidPicture(c);
}

}  // namespace

Picture PaintBoss(const ImageSpec& item) {
  if (item.name == "boss1") return Boss1();
  if (item.name == "boss2") return Boss2();
  if (item.name == "boss3") return Boss3();
  if (item.name == "boss4") return Boss4();
  if (item.name == "boss5") return Boss5();
  UnknownPicture("the bosses", item);
}

}  // namespace zephyrant::assetgen
