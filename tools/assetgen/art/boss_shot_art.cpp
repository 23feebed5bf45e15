// SPDX-License-Identifier: GPL-3.0-or-later
// The bosses' shots: falling plasma bolts, the charged lasers and beam that
// lie along their aim (pictures pointing right), bombs and rockets pointing
// down, and the pellets of the fans and bursts.

#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

// A bolt falling down the screen: its head, at the bottom, burns hottest,
// though never white, which would make it one more star.
Picture FallingBolt(int w, int h, const Energy& e) {
  Canvas c(w, h, 4);
  const float cx = w / 2.0f;
  const float r = w * 0.24f;
  const Colour glow = Mix(e.halo, e.body, 0.5f);
  c.Glow(Capsule({cx, r + 1}, {cx, h - r - 1.5f}, r * 0.6f, r), glow, r * 0.9f, 0.7f);
  c.Fill(Capsule({cx, r + 1}, {cx, h - r - 1.5f}, r * 0.45f, r * 1.1f), [&](const Surfel& s) {
    const float t = Clamp01(s.p.y / h);
    return Mix(Mix(glow, e.body, t), ShotCore(e), Clamp01(-s.d / r) * t);
  });
  c.Fill(Circle({cx, h - r * 1.6f}, r * 0.7f), Mix(ShotCore(e), e.core, 0.4f), 0.9f);
  return LightPicture(c, 0.25f);
}

// The beam projector's flare: a hot eye with rays that turn each frame.
Picture Flare(int frame) {
  Canvas c(60, 16, 4);
  const Energy e = EnemyEnergy(3);
  const float turn = frame * 0.35f;
  for (int k = 0; k < 4; ++k) {
    const float a = turn + k * kPi / 4;
    const Vec2 dir{std::cos(a) * 28, std::sin(a) * 7};
    c.Glow(Capsule(Vec2{30, 8} - dir, Vec2{30, 8} + dir, 0.3f), e.halo, 1.2f, 0.6f);
  }
  c.Glow(Ellipse({30, 8}, {14, 4}), e.halo, 2.5f, 0.6f);
  c.Fill(Ellipse({30, 8}, {9.0f + frame, 3.6f}), Glowing(e.body, ShotCore(e), 3));
  c.Fill(Circle({30, 8}, 2.4f), Mix(ShotCore(e), e.core, 0.4f));
  return LightPicture(c, 0.22f);
}

Picture Bomb() {
  const Scheme s = EnemyScheme(3);
  Canvas c(30, 59, 4);
  Hull(c, MirroredPolygon(15, {{15, 2}, {28, 1.5f}, {26, 10}, {19, 16}}, 0.6f), s.dark, 1.5f);
  HullGradient(c, Capsule({15, 10}, {15, 44}, 9.5f, 10.5f), s.light, s.main, 6);
  for (const float y : {22.0f, 34.0f}) {
    c.Fill(RoundBox({15, y}, {10, 1.2f}, 0.6f), Glowing(Rgb8(255, 90, 220), kWhite, 1));
  }
  Lamp(c, {15, 50}, 2.2f, Rgb8(255, 60, 60), 2);
  return SolidPicture(c);
}

// Heavy cannons the bosses carry in reserve.
Picture Cannon(int w, int h, int frame) {
  Canvas c(w, h, 4);
  const float cx = w / 2.0f;
  Hull(c, RoundBox({cx, h * 0.25f}, {w / 2.0f - 1, h * 0.22f}, 4), kGunmetal, 3);
  Barrel(c, {cx, h * 0.3f}, {cx, h - 4.0f - (frame == 1 ? 3 : 0)}, w * 0.16f, kSteel);
  Lamp(c, {cx, h * 0.2f}, 1.8f, Rgb8(255, 60, 60));
  Picture gun = SolidPicture(c);
  if (frame == 1) {
    Canvas flash(w, h, 4);
    const Energy e = EnemyEnergy(4);
    flash.Glow(Circle({cx, h - 4.0f}, 3), e.halo, 2.5f, 0.9f);
    flash.Fill(Circle({cx, h - 4.0f}, 2.6f), Glowing(e.body, e.core, 2));
    gun = Over(gun, LightPicture(flash, 0.25f));
  }
  return gun;
}

// A laser beam whose heart keeps its hue, without the faint fringe that
// would only blur it over the nebula.
Picture LaserBeam(int w, int h, int frame, const Energy& e, bool tapered) {
  return Beam(w, h, frame, Energy{e.halo, e.body, ShotCore(e)}, tapered, 0.3f);
}

// A four-pointed spark, rimmed in dark.
Picture Pellet(int kind) {
  Canvas c(10, 10, 6);
  const Energy e = EnemyEnergy(kind);
  c.Fill(Union(Capsule({5, 1.6f}, {5, 8.4f}, 0.75f, 0.75f),
               Capsule({1.6f, 5}, {8.4f, 5}, 0.75f, 0.75f)),
         e.body);
  c.Fill(Circle({5, 5}, 2.3f), Glowing(e.body, ShotCore(e), 1.6f));
  return RimmedShot(c, e);
}

}  // namespace

Picture PaintBossShot(const ImageSpec& item) {
  const std::string& n = item.name;
  if (n == "shell") return FallingBolt(7, 18, EnemyEnergy(0));
  if (n == "shell1_0") return FallingBolt(10, 89, EnemyEnergy(4));
  if (n == "shell1_1") {
    return Sheet(item, [](int f) { return LaserBeam(90, 12, f, EnemyEnergy(1), true); });
  }
  if (n == "shell2_0") return FallingBolt(10, 50, EnemyEnergy(3));
  if (n == "shell2_1") return LaserBeam(100, 10, 1, EnemyEnergy(3), false);
  if (n == "shell2_2") return Sheet(item, Flare);
  if (n == "shell3_0") return Bomb();
  if (n == "shell3_1") {
    return Sheet(item, [](int f) { return RimmedBeam(50, 7, f, EnemyEnergy(6)); });
  }
  if (n == "rocet_1" || n == "rocet_2") {
    const int w = n == "rocet_1" ? 9 : 8;
    const int h = n == "rocet_1" ? 55 : 50;
    RocketLook look;
    look.body = n == "rocet_1" ? Rgb8(120, 126, 146) : Rgb8(170, 150, 110);
    look.nose = n == "rocet_1" ? Rgb8(255, 60, 60) : Rgb8(255, 160, 30);
    look.fins = Rgb8(60, 30, 40);
    return Sheet(item, [&](int f) { return Rocket(w, h, false, f, look); });
  }
  if (n == "cannon_1") return Cannon(20, 48, 0);
  if (n == "cannon_2") return Sheet(item, [](int f) { return Cannon(25, 69, f); });
  if (n.size() == 3 && n.rfind("sh", 0) == 0) return Pellet(n[2] - '0');
  UnknownPicture("the bosses' shots", item);
}

}  // namespace zephyrant::assetgen
