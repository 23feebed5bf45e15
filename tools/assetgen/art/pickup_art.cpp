// SPDX-License-Identifier: GPL-3.0-or-later
// Pick-ups and weapon mounts: the life icon, the extra-ship, repair and
// points capsules, the rocket and cannon pick-ups, and the mounts that ride
// on the ship. Mounts line up with the ship (45 x 72):
// - cannon2 at the ship's (7, 5): barrels under the shells that leave from
//   the ship's X + 7 and X + 30;
// - cannon3 at the ship's (0, -23), under the ship: the laser barrel ends
//   above the nose, where the bolts appear at X + 20;
// - rocet3 at the ship's (-5, 25): pods under the rockets that leave from
//   the ship's X - 5 and X + 40.

#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

// The ship in miniature, `w` x `h`, centred on `centre`: the shape a player
// knows from the playfield, nose up.
void MiniShip(Canvas& c, Vec2 centre, float w, float h) {
  const Scheme s = PlayerScheme();
  const auto at = [&](float x, float y) { return Vec2{centre.x + x * w, centre.y + y * h}; };
  Hull(c,
       Polygon({at(0, -0.2f), at(0.5f, 0.22f), at(0.5f, 0.44f), at(0.12f, 0.36f), at(-0.12f, 0.36f),
                at(-0.5f, 0.44f), at(-0.5f, 0.22f)},
               0.15f),
       Rgb8(60, 110, 210), 1.0f);
  Hull(c,
       Polygon({at(0, -0.52f), at(0.13f, -0.12f), at(0.15f, 0.46f), at(-0.15f, 0.46f),
                at(-0.13f, -0.12f)},
               0.15f),
       s.light, 1.4f);
  Canopy(c, Ellipse(at(0, -0.05f), {w * 0.065f, h * 0.13f}), Rgb8(40, 140, 220));
  for (const float x : {-0.36f, 0.36f}) c.Fill(Circle(at(x, 0.36f), w * 0.05f), Rgb8(255, 170, 60));
}

// A capsule that pulses through three frames, holding `symbol`.
template <class Symbol>
Picture Capsule3(int w, int h, int frame, Colour rim, Symbol&& symbol) {
  Canvas c(w, h, 4);
  const float pulse = 0.75f + 0.25f * std::cos(frame * 2 * kPi / 3);
  c.Glow(RoundBox({w / 2.0f, h / 2.0f}, {w / 2.0f - 2, h / 2.0f - 2}, 5), rim, 1.2f, 0.5f * pulse);
  const Shape shell = RoundBox({w / 2.0f, h / 2.0f}, {w / 2.0f - 1.5f, h / 2.0f - 1.5f}, 5);
  Hull(c, shell, rim * (0.7f + 0.3f * pulse), 2.0f, 0.7f);
  c.Fill(Grown(shell, -2.2f), [&](const Surfel& s) {
    return Mix(Rgb8(10, 14, 34), Rgb8(30, 40, 80), Clamp01(-s.d / 6));
  });
  symbol(c, pulse);
  return SolidPicture(c);
}

Picture LifeIcon() {
  Canvas c(19, 16, 4);
  MiniShip(c, {9.5f, 8.5f}, 17, 14);
  return SolidPicture(c);
}

Picture ExtraShip(int frame) {
  return Capsule3(30, 27, frame, Rgb8(60, 170, 255), [](Canvas& c, float pulse) {
    c.Glow(Circle({15, 13.5f}, 6), Rgb8(40, 120, 255), 3, 0.4f * pulse);
    MiniShip(c, {15, 14.5f}, 18, 16);
  });
}

Picture Repair(int frame) {
  return Capsule3(25, 33, frame, Rgb8(60, 210, 90), [](Canvas& c, float pulse) {
    const Colour green = Mix(Rgb8(60, 230, 90), Rgb8(200, 255, 200), pulse - 0.5f);
    const Shape cross =
        Union(RoundBox({12.5f, 16.5f}, {2.6f, 8}, 1), RoundBox({12.5f, 16.5f}, {8, 2.6f}, 1));
    c.Glow(cross, Rgb8(40, 255, 80), 1.5f, 0.5f * pulse);
    Hull(c, cross, green, 1.5f, 0.7f);
  });
}

// A golden medal turning on its vertical axis.
Picture Points(int frame) {
  Canvas c(15, 26, 4);
  const float turn = std::cos(frame * kPi / 3);  // 1, 0.5, -0.5
  const float rx = std::max(1.6f, 6.6f * std::fabs(turn));
  const Shape coin = Ellipse({7.5f, 13}, {rx, 11.5f});
  c.Glow(coin, Rgb8(255, 190, 40), 1.2f, 0.5f);
  Hull(c, coin, turn > 0 ? Rgb8(255, 196, 40) : Rgb8(220, 150, 30), 2.4f, 0.8f);
  if (rx > 3) {
    c.Fill(Ellipse({7.5f, 13}, {rx * 0.62f, 8}), Lit({Rgb8(255, 220, 90), 1.2f, 0.6f}));
    const float k = rx / 6.6f;
    c.Fill(Polygon({{7.5f, 8}, {7.5f + 3 * k, 13}, {7.5f, 18}, {7.5f - 3 * k, 13}}),
           Rgb8(200, 90, 10));
  }
  return SolidPicture(c);
}

// A spare capsule the catalogue keeps: a blue shield cell turning.
Picture ShieldCell(int frame) {
  Canvas c(20, 37, 4);
  const float turn = std::cos(frame * kPi / 4);
  Hull(c, RoundBox({10, 18.5f}, {8, 16}, 6), Rgb8(60, 90, 150), 3, 0.6f);
  c.Fill(RoundBox({10, 18.5f}, {std::max(1.0f, 5.5f * std::fabs(turn)), 12}, 3),
         Glowing(Rgb8(40, 120, 255), Rgb8(200, 240, 255), 3));
  Lamp(c, {10, 5}, 1.2f, Rgb8(120, 200, 255));
  Lamp(c, {10, 32}, 1.2f, Rgb8(120, 200, 255));
  return SolidPicture(c);
}

// Two rockets strapped together: the rocket stock pick-up.
Picture RocketCrate() {
  Canvas c(21, 39, 4);
  Picture out(21, 39);
  for (const float x : {5.5f, 15.5f}) {
    const Shape body = RoundBox({x, 20}, {3.3f, 15}, 3.3f);
    Hull(c, body, Rgb8(225, 228, 236), 2.5f, 0.6f);
    Hull(c, Intersect(body, RoundBox({x, 8}, {4, 4}, 0)), Rgb8(220, 40, 40), 2.5f, 0.7f);
    Hull(c, Polygon({{x - 4.8f, 37.5f}, {x - 3, 29}, {x + 3, 29}, {x + 4.8f, 37.5f}}),
         Rgb8(70, 80, 110), 1);
  }
  Hull(c, RoundBox({10.5f, 22}, {9, 2}, 1), Rgb8(255, 190, 40), 1.2f, 0.6f);
  return SolidPicture(c);
}

// The cannon pick-up: a twin-barrel gun pod.
Picture CannonPickup() {
  Canvas c(18, 40, 4);
  for (const float x : {5.5f, 12.5f}) Barrel(c, {x, 26}, {x, 2.5f}, 2, kSteel);
  Hull(c, RoundBox({9, 28}, {7.5f, 9.5f}, 3.5f), Rgb8(60, 110, 200), 3, 0.6f);
  c.Fill(RoundBox({9, 28}, {3.5f, 5.5f}, 2), Glowing(Rgb8(255, 150, 20), Rgb8(255, 240, 180), 2));
  return SolidPicture(c);
}

// The double cannon on the ship. Frame 0 fires; it settles back by frame 3,
// which it holds between volleys.
Picture DoubleCannon(int frame) {
  Canvas c(30, 42, 4);
  static const float kRecoil[4] = {3, 2, 1, 0};
  const float r = kRecoil[frame];
  // The yoke sits behind the canopy, across the ship's back.
  Hull(c, RoundBox({14, 37}, {12, 2.6f}, 2), Rgb8(60, 110, 200), 1.5f, 0.6f);
  for (const float x : {2.5f, 25.5f}) {
    Hull(c, RoundBox({x, 33}, {2.5f, 8}, 2), Rgb8(70, 120, 210), 1.8f, 0.6f);
    Barrel(c, {x, 30 + r}, {x, 3.5f + r}, 1.9f, kSteel);
  }
  Picture gun = SolidPicture(c);
  if (frame < 2) {
    Canvas flash(30, 42, 4);
    const float size = frame == 0 ? 3.2f : 2.0f;
    for (const float x : {2.5f, 25.5f}) {
      flash.Glow(Circle({x, 2.4f}, size * 0.6f), Rgb8(255, 180, 40), size * 0.5f, 0.9f);
      flash.Fill(Circle({x, 2.4f}, size * 0.55f),
                 Glowing(Rgb8(255, 220, 120), kWhite, size * 0.4f));
    }
    gun = Over(gun, LightPicture(flash, 0.3f));
  }
  return gun;
}

// The laser cannon, under the ship: a long barrel with glowing coils above
// the nose, and its frame behind the ship's body.
Picture LaserCannon() {
  Canvas c(45, 78, 4);
  Hull(c, MirroredPolygon(22.5f, {{24, 30}, {34, 44}, {36, 66}, {30, 74}, {24, 74}}, 1),
       Rgb8(50, 70, 120), 2.5f);
  Hull(c, RoundBox({22.5f, 24}, {3.3f, 22}, 2.5f), kSteel, 2.5f, 0.6f);
  for (int k = 0; k < 5; ++k) {
    const float y = 8 + k * 6.5f;
    c.Fill(RoundBox({22.5f, y}, {4.4f, 1.3f}, 1),
           Glowing(Rgb8(0, 150, 255), Rgb8(200, 250, 255), 1));
  }
  Hull(c, RoundBox({22.5f, 2.5f}, {2.4f, 2}, 1), Rgb8(90, 100, 120), 1, 0.5f);
  c.Glow(Circle({22.5f, 2}, 1.2f), Rgb8(80, 220, 255), 1.2f, 0.6f);
  for (const float x : {13.0f, 32.0f}) Lamp(c, {x, 58}, 1.2f, Rgb8(80, 220, 255));
  return SolidPicture(c);
}

// Rocket pods for both sides of the ship, joined to its wings by short struts.
Picture RocketPods() {
  Canvas c(55, 41, 4);
  for (const float x : {4.5f, 50.5f}) {
    const float inward = x < 20 ? 1.0f : -1.0f;
    Hull(c, RoundBox({x + inward * 6, 24}, {4, 2}, 1), Rgb8(60, 70, 100), 1.2f);
    Hull(c, RoundBox({x, 22}, {4.3f, 17.5f}, 3.5f), Rgb8(70, 120, 210), 2.6f, 0.6f);
    // The rocket's nose peeping out of its tube.
    Hull(c, Capsule({x, 3.5f}, {x, 8}, 2.2f), Rgb8(220, 40, 40), 2, 0.7f);
    c.Fill(RoundBox({x, 8.5f}, {3.4f, 1}, 0.5f), Rgb8(30, 34, 50));
    PanelLine(c, {x - 4, 26}, {x + 4, 26});
    Lamp(c, {x, 33}, 1, Rgb8(255, 200, 60));
  }
  return SolidPicture(c);
}

}  // namespace

Picture PaintPickup(const ImageSpec& item) {
  if (item.name == "bonus1") return LifeIcon();
  if (item.name == "bonus2") return Sheet(item, ExtraShip);
  if (item.name == "bonus3") return Sheet(item, Repair);
  if (item.name == "bonus4") return Sheet(item, Points);
  if (item.name == "bonus5") return Sheet(item, ShieldCell);
  if (item.name == "rocet1") return RocketCrate();
  if (item.name == "cannon1") return CannonPickup();
  if (item.name == "cannon2") return Sheet(item, DoubleCannon);
  if (item.name == "cannon3") return LaserCannon();
  if (item.name == "rocet3") return RocketPods();
  UnknownPicture("the pick-ups", item);
}

}  // namespace zephyrant::assetgen
