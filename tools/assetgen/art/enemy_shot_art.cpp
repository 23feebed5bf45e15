// SPDX-License-Identifier: GPL-3.0-or-later
// The small enemies' shots: needles in six colours (and a spare), the laser
// that lies along its aim (pointing right), a small rocket pointing down,
// and plasma balls in seven colours.

#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

// A needle of light falling down the screen, head at the bottom.
Picture Needle(int kind) {
  Canvas c(5, 12, 6);
  const Energy e = EnemyEnergy(kind);
  c.Glow(Capsule({2.5f, 2}, {2.5f, 9.5f}, 0.5f, 1.1f), e.halo, 0.9f, 0.8f);
  c.Fill(Capsule({2.5f, 1.8f}, {2.5f, 9.3f}, 0.6f, 1.5f), [&](const Surfel& s) {
    return Mix(e.body, e.core, Clamp01(s.p.y / 10) * Clamp01(-s.d / 0.8f + 0.3f));
  });
  return LightPicture(c, 0.3f);
}

// A plasma ball with a bright rim and a hot heart.
Picture Ball(int kind) {
  Canvas c(10, 10, 6);
  const Energy e = EnemyEnergy(kind);
  Orb(c, {5, 5}, 4.6f, e);
  c.Fill(Ring({5, 5}, 3.4f, 0.7f), e.halo, 0.7f);
  return LightPicture(c, 0.3f);
}

}  // namespace

Picture PaintEnemyShot(const ImageSpec& item) {
  const std::string& n = item.name;
  if (n.rfind("shell_", 0) == 0) return Ball(std::stoi(n.substr(6)) - 9);
  if (n == "shell8") {
    return Sheet(item, [](int f) { return Beam(24, 7, f, EnemyEnergy(0), true); });
  }
  if (n.rfind("shell", 0) == 0) return Needle(std::stoi(n.substr(5)) - 1);
  if (n == "rocet_1") {
    RocketLook look;
    look.body = Rgb8(150, 150, 160);
    look.nose = Rgb8(255, 70, 40);
    look.fins = Rgb8(80, 30, 30);
    return Sheet(item, [&](int f) { return Rocket(6, 35, false, f, look); });
  }
  UnknownPicture("the small enemies' shots", item);
}

}  // namespace zephyrant::assetgen
