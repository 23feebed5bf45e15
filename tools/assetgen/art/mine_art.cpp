// SPDX-License-Identifier: GPL-3.0-or-later
// The mines of level sets 4: round spiked mines that wander (l_0 to l_4)
// and long finned mines that drop (l_5 to l_9), in bronze with a warning
// light each. They burst into fragments when destroyed.

#include <cmath>
#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"

namespace zephyrant::assetgen {

namespace {

const Colour kLights[5] = {Rgb8(255, 50, 40), Rgb8(255, 200, 40), Rgb8(80, 255, 90),
                           Rgb8(60, 180, 255), Rgb8(255, 70, 220)};

// A sea mine: a riveted ball with spikes all round.
Picture RoundMine(int variant) {
  const Scheme s = EnemyScheme(4);
  Canvas c(37, 37);
  const Vec2 centre{18.5f, 18.5f};
  const int spikes = 6 + (variant % 3) * 2;
  const float turn = variant * 0.37f;
  for (int k = 0; k < spikes; ++k) {
    const float a = turn + k * 2 * kPi / spikes;
    const Vec2 dir{std::cos(a), std::sin(a)};
    Hull(c, Capsule(centre + dir * 9, centre + dir * 16.8f, 2.6f, 0.7f), kSteel, 1.2f, 0.7f);
  }
  HullGradient(c, Circle(centre, 11.5f), s.light, s.main, 6);
  // A band round the middle and rivets on it.
  const Shape band = Intersect(Circle(centre, 11.5f), RoundBox(centre, {12, 2}, 0));
  Hull(c, variant % 2 ? band : Intersect(Circle(centre, 11.5f), RoundBox(centre, {2, 12}, 0)),
       s.dark, 1.2f, 0.5f);
  for (int k = 0; k < 4; ++k) {
    const float a = turn + (k + 0.5f) * kPi / 2;
    c.Fill(Circle(centre + Vec2{std::cos(a), std::sin(a)} * 7, 0.8f), Lit({s.light, 0.7f, 0.9f}));
  }
  Lamp(c, centre, 2.6f, kLights[variant % 5], 2);
  return SolidPicture(c);
}

// A falling mine: a long shell with fins at the top, spikes down its sides
// and a warning light in its nose.
Picture LongMine(int variant, int h) {
  const Scheme s = EnemyScheme(4);
  Canvas c(30, h);
  for (const float side : {-1.0f, 1.0f}) {
    Hull(c,
         Polygon(
             {{15 + side * 4, 3}, {15 + side * 14, 1}, {15 + side * 13, 12}, {15 + side * 5, 16}}),
         s.dark, 1.5f);
  }
  const int spikes = 3 + variant % 2;
  for (int k = 0; k < spikes; ++k) {
    const float y = 20 + k * (h - 34.0f) / (spikes - 1);
    for (const float side : {-1.0f, 1.0f}) {
      Hull(c, Capsule({15 + side * 6, y}, {15 + side * 13.5f, y + side * 0.5f}, 2.2f, 0.6f), kSteel,
           1, 0.7f);
    }
  }
  HullGradient(c, Capsule({15, 7}, {15, h - 9.0f}, 8, 6), s.light, s.main, 5);
  for (int k = 0; k < 3; ++k) {
    const float y = 16 + k * (h - 28.0f) / 3;
    PanelLine(c, {8, y}, {22, y}, 0.7f);
  }
  const Colour light = kLights[(variant + 1) % 5];
  c.Fill(Circle({15, h - 9.0f}, 3.6f), Rgb8(30, 20, 10));
  Lamp(c, {15, h - 9.0f}, 2.4f, light, 2);
  Lamp(c, {15, 10}, 1.3f, light, 1);
  return SolidPicture(c);
}

}  // namespace

Picture PaintMine(const ImageSpec& item) {
  if (item.name.rfind("l_", 0) == 0) {
    const int n = std::stoi(item.name.substr(2));
    if (n <= 4) return RoundMine(n);
    if (n <= 9) return LongMine(n - 5, item.height);
  }
  UnknownPicture("the mines", item);
}

}  // namespace zephyrant::assetgen
