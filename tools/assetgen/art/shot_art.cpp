// SPDX-License-Identifier: GPL-3.0-or-later
// The player's shots: the golden shell, the cyan laser bolt of the laser
// cannon, and the rocket. The shell and the bolt burn in their own hues
// right to the heart: white would make them look like stars.

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

// A tracer pointing up. The game tests its hits pixel by pixel, so its
// outline is fixed by the shape below and only its colours are free: a
// yellow heart in orange flanks that redden towards the tail, with no white
// in it, so it never passes for a star.
Picture Shell() {
  Canvas c(5, 13, 6);
  const Energy e = PlayerShellEnergy();
  c.Glow(Capsule({2.5f, 3}, {2.5f, 11.5f}, 0.9f, 0.3f), e.halo, 0.9f, 0.7f);
  c.Fill(Capsule({2.5f, 2.6f}, {2.5f, 11}, 1.5f, 0.4f), e.body);
  c.Fill(Circle({2.5f, 3.2f}, 1.1f), e.core);
  Picture shell = LightPicture(c, 0.3f);
  const Colour heart = Rgb8(255, 240, 70);
  const Colour flank = Rgb8(255, 130, 0);
  const Colour tail = Rgb8(215, 45, 0);
  for (int y = 0; y < shell.height; ++y) {
    const float down = Clamp01((y - 2.0f) / 9);
    for (int x = 0; x < shell.width; ++x) {
      if (!shell.Solid(x, y)) continue;
      const bool middle = 2 * x + 1 == shell.width;
      shell.At(x, y) = middle ? Mix(heart, flank, down * down) : Mix(flank, tail, down);
    }
  }
  return shell;
}

// A laser bolt whose core and sparks shimmer from frame to frame. Its
// heart is cyan, not white, so it never passes for a star.
Picture LaserBolt(int frame) {
  Canvas c(5, 20, 6);
  const Energy glow = PlayerLaserEnergy();
  const Energy e{glow.halo, Mix(glow.halo, glow.body, 0.5f), glow.body};
  const float k = 1.0f + 0.18f * (frame == 1 ? 1 : frame == 2 ? -1 : 0);
  Bolt(c, {2.5f, 2}, {2.5f, 18}, 1.15f * k, e, 1.0f);
  c.Fill(Capsule({2.5f, 2.5f}, {2.5f, 17.5f}, 0.45f), e.core);
  const float spark = 4.0f + frame * 5.0f;
  c.Fill(Circle({2.5f, spark}, 1.2f), Mix(glow.body, glow.core, 0.25f), 0.9f);
  return LightPicture(c, 0.3f);
}

}  // namespace

Picture PaintPlayerShot(const ImageSpec& item) {
  if (item.name == "shell") return Shell();
  if (item.name == "shell_can") return Sheet(item, LaserBolt);
  if (item.name == "rocet") {
    return Sheet(item, [](int frame) { return Rocket(9, 51, true, frame, RocketLook{}); });
  }
  UnknownPicture("the player's shots", item);
}

}  // namespace zephyrant::assetgen
