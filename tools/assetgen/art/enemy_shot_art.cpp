// SPDX-License-Identifier: GPL-3.0-or-later
// The small enemies' shots: needles in seven colours, the laser that lies
// along its aim (pointing right), a small rocket pointing down, and plasma
// balls in seven colours. Every shot is a hue no star has, rimmed in dark,
// so it never passes for a star.

#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

// A needle falling down the screen, head at the bottom: a saturated shaft
// whose heart brightens towards the head, in a dark rim.
Picture Needle(int kind) {
  Canvas c(5, 12, 6);
  const Energy e = EnemyEnergy(kind);
  const Colour head = Mix(ShotCore(e), e.core, 0.3f);
  c.Fill(Capsule({2.5f, 2.4f}, {2.5f, 9.0f}, 0.75f, 1.45f), [&](const Surfel& s) {
    const float heart = Clamp01((-s.d - 0.5f) * 2) * SmoothStep(2, 8, s.p.y);
    return Mix(Mix(e.halo, e.body, Clamp01(-s.d / 0.6f)), head, heart);
  });
  return RimmedShot(c, e);
}

// A plasma ball: a saturated shell round a paler heart of the same hue.
Picture Ball(int kind) {
  Canvas c(10, 10, 6);
  const Energy e = EnemyEnergy(kind);
  const Colour core = ShotCore(e);
  c.Fill(Circle({5, 5}, 3.9f), [&](const Surfel& s) {
    return Mix(Mix(e.halo, e.body, Clamp01(-s.d / 1.2f)), core, SmoothStep(1.2f, 3.2f, -s.d));
  });
  return RimmedShot(c, e);
}

}  // namespace

Picture PaintEnemyShot(const ImageSpec& item) {
  const std::string& n = item.name;
  if (n.rfind("shell_", 0) == 0) return Ball(std::stoi(n.substr(6)) - 9);
  if (n == "shell8") {
    return Sheet(item, [](int f) { return RimmedBeam(24, 7, f, EnemyEnergy(0)); });
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
