// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/art/projectiles.h"

#include <cmath>

#include "tools/assetgen/draw/noise.h"

namespace zephyrant::assetgen {

Energy PlayerShellEnergy() {
  return {Rgb8(255, 150, 20), Rgb8(255, 220, 90), Rgb8(255, 255, 235)};
}

Energy PlayerLaserEnergy() {
  return {Rgb8(0, 150, 255), Rgb8(90, 230, 255), Rgb8(235, 255, 255)};
}

Energy EnemyEnergy(int kind) {
  static const Energy kinds[7] = {
      {Rgb8(230, 20, 30), Rgb8(255, 90, 70), Rgb8(255, 230, 220)},     // red
      {Rgb8(240, 30, 160), Rgb8(255, 110, 210), Rgb8(255, 235, 250)},  // pink
      {Rgb8(140, 40, 255), Rgb8(190, 120, 255), Rgb8(245, 230, 255)},  // violet
      {Rgb8(40, 200, 40), Rgb8(140, 255, 90), Rgb8(240, 255, 220)},    // green
      {Rgb8(255, 70, 0), Rgb8(255, 140, 40), Rgb8(255, 240, 200)},     // orange-red
      {Rgb8(0, 70, 255), Rgb8(30, 140, 255), Rgb8(150, 225, 255)},     // electric blue
      {Rgb8(120, 200, 0), Rgb8(200, 255, 20), Rgb8(245, 255, 170)},    // acid lime
  };
  return kinds[kind % 7];
}

Colour ShotCore(const Energy& e) {
  return Mix(e.body, e.core, 0.5f);
}

Picture RimmedShot(const Canvas& canvas, const Energy& e) {
  Finish finish;
  finish.outline_colour = e.halo * 0.18f;
  return Finished(canvas.Resolve(), finish);
}

void Bolt(Canvas& c, Vec2 a, Vec2 b, float radius, const Energy& e, float halo) {
  c.Glow(Capsule(a, b, radius), e.halo, halo, 0.75f);
  c.Fill(Capsule(a, b, radius), Glowing(e.body, e.core, radius * 0.8f));
}

void Orb(Canvas& c, Vec2 centre, float radius, const Energy& e) {
  c.Glow(Circle(centre, radius * 0.8f), e.halo, radius * 0.45f, 0.8f);
  c.Fill(Circle(centre, radius * 0.78f), Glowing(e.body, e.core, radius * 0.6f));
  c.Fill(Circle(centre + Vec2{-radius * 0.25f, -radius * 0.25f}, radius * 0.22f), kWhite, 0.8f);
}

Picture Rocket(int w, int h, bool nose_up, int frame, const RocketLook& look) {
  Canvas c(w, h, 4);
  const float cx = w / 2.0f;
  const float len = h * look.body_share;
  // Work nose up; a rocket pointing down is the mirror image.
  const auto y = [&](float v) { return nose_up ? v : h - v; };
  const float r = std::max(1.2f, w * 0.22f);
  // Flame first, so the body sits on it.
  static const float kFlicker[3] = {1.0f, 0.78f, 0.9f};
  const float flame = (h - len) * kFlicker[frame % 3];
  Canvas fire(w, h, 4);
  const Energy e{Rgb8(255, 110, 20), Rgb8(255, 200, 80), Rgb8(255, 255, 230)};
  fire.Glow(Capsule({cx, y(len - 1)}, {cx, y(len + flame * 0.9f)}, r * 0.9f, 0.3f), e.halo,
            r * 0.8f, 0.9f);
  fire.Fill(Capsule({cx, y(len - 1)}, {cx, y(len + flame * 0.75f)}, r * 1.05f, 0.35f),
            [&](const Surfel& s) {
              const float along = Clamp01(std::fabs(s.p.y - y(len)) / std::max(flame, 1.0f));
              return Mix(Mix(e.core, e.body, along * 1.6f), e.halo, Clamp01(along * 1.4f - 0.4f));
            });
  // Body, fins, nose cone.
  const Shape fins = Polygon({{cx, y(len * 0.6f)},
                              {cx + w / 2.0f - 0.3f, y(len * 0.92f)},
                              {cx + w / 2.0f - 0.3f, y(len)},
                              {cx - w / 2.0f + 0.3f, y(len)},
                              {cx - w / 2.0f + 0.3f, y(len * 0.92f)}});
  Hull(c, fins, look.fins, 1.0f);
  const Shape body = RoundBox({cx, y(len * 0.55f)}, {r, len * 0.45f}, r);
  Hull(c, body, look.body, r * 0.9f, 0.6f);
  const Shape nose = Intersect(body, RoundBox({cx, y(len * 0.12f)}, {r + 1, len * 0.12f}, 0));
  Hull(c, nose, look.nose, r * 0.9f, 0.7f);
  PanelLine(c, {cx - r, y(len * 0.62f)}, {cx + r, y(len * 0.62f)}, 0.5f, 0.4f);
  return Over(LightPicture(fire, 0.3f), SolidPicture(c));
}

Picture Beam(int w, int h, int frame, const Energy& e, bool tapered, float fringe) {
  Canvas c(w, h, 4);
  const float cy = h / 2.0f;
  const float r = h * 0.26f;
  c.ForEach([&](Vec2 p, Pixel& px) {
    // Brightness across the beam, with a ripple running along it.
    // A beam laid end to end (tapered off) ripples the same at both ends.
    const int period = std::max(1, w / 4);
    const float ripple = Noise(p.x * period / w, frame * 3.1f, period, 64, 91 + frame) - 0.5f;
    const float end = tapered ? SmoothStep(0, h * 0.8f, std::min(p.x, w - p.x)) : 1.0f;
    const float radius = r * (0.8f + 0.35f * ripple + 0.12f * (frame - 1)) * (0.35f + 0.65f * end);
    const float d = std::fabs(p.y - cy);
    const float core = Clamp01(1 - d / std::max(radius, 0.3f));
    const float halo = std::exp(-d * d / (radius * radius * 5)) * 0.9f * end;
    const Colour col = Mix(e.halo, Mix(e.body, e.core, core), std::min(1.0f, core * 2));
    const float a = std::max(core, halo);
    px = Pixel{col.r * a, col.g * a, col.b * a, a};
  });
  return LightPicture(c, fringe);
}

Picture RimmedBeam(int w, int h, int frame, const Energy& e) {
  Canvas c(w, h, 6);
  const float cy = h / 2.0f;
  const float r = (h - 2) / 2.0f - 0.3f;
  const Colour core = ShotCore(e);
  c.ForEach([&](Vec2 p, Pixel& px) {
    // The bolt swells and thins along its length, differently each frame,
    // and comes to a point at both ends.
    const int period = std::max(1, w / 6);
    const float ripple = Noise(p.x * period / w, frame * 3.1f, period, 64, 57 + frame) - 0.5f;
    const float end = SmoothStep(0, h * 0.9f, std::min(p.x - 1, w - 1 - p.x));
    const float radius = r * (0.85f + 0.3f * ripple) * (0.3f + 0.7f * end);
    const float d = std::fabs(p.y - cy);
    if (d > radius || p.x < 1 || p.x > w - 1) return;
    const float heart = Clamp01(1.4f - 1.4f * d / std::max(radius, 0.3f));
    const Colour col = Mix(e.halo, Mix(e.body, core, heart), std::min(1.0f, heart * 2.5f));
    px = Pixel{col.r, col.g, col.b, 1};
  });
  return RimmedShot(c, e);
}

}  // namespace zephyrant::assetgen
