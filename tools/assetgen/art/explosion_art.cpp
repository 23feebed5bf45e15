// SPDX-License-Identifier: GPL-3.0-or-later
// The five explosion sheets, 16 frames each: a white flash that swells into
// a ragged fireball, cools through orange and red into smoke, and thins
// away. Every frame samples the same noise field, scaled with the growing
// cloud, so nothing jumps from one frame to the next. The big ones throw
// sparks and a shock ring too.

#include <cmath>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"
#include "tools/assetgen/draw/noise.h"
#include "tools/assetgen/draw/random.h"

namespace zephyrant::assetgen {

namespace {

constexpr int kFrames = 16;

struct Blast {
  int width;
  int height;
  uint32_t seed;
  float detail;  // noise cells across the fireball
  int sparks;    // flying embers
  bool shock_ring;
  int supersample;
};

const Colour kFire[] = {Rgb8(120, 28, 24),   Rgb8(214, 62, 22),   Rgb8(255, 140, 36),
                        Rgb8(255, 214, 100), Rgb8(255, 250, 226), Rgb8(255, 255, 255)};

Picture Frame(const Blast& b, int frame) {
  const float t = static_cast<float>(frame) / (kFrames - 1);
  const float w = static_cast<float>(b.width);
  const float h = static_cast<float>(b.height);
  Canvas c(b.width, b.height, b.supersample);
  const float reach = std::min(w * 0.47f, h * 0.36f);
  const float grow = 1 - std::pow(1 - t, 3.0f);
  const float radius = reach * (0.22f + 0.78f * grow);
  // The cloud rises a little as it burns out.
  const Vec2 centre{w / 2, h * 0.56f - t * h * 0.1f};
  const float heat = std::pow(1 - t, 1.3f);
  const float dissolve = SmoothStep(0.45f, 1.0f, t);
  c.ForEach([&](Vec2 p, Pixel& px) {
    const Vec2 q{(p.x - centre.x) / radius, (p.y - centre.y) / (radius * 1.18f)};
    const float r = Length(q);
    if (r > 1.6f) return;
    // Noise in the cloud's own frame, so its lumps grow with it.
    const float n = FreeFractal(q.x * b.detail + 50, q.y * b.detail + 50, 4, 0.55f, b.seed);
    const float n2 =
        FreeFractal(q.x * b.detail * 0.5f + 9, q.y * b.detail * 0.5f + 9, 3, 0.5f, b.seed + 5);
    const float body = 1 - r + (n - 0.5f) * (0.6f + 0.5f * t) + (n2 - 0.5f) * 0.3f;
    const float density = body - dissolve * (0.55f + 0.6f * (1 - n));
    if (density <= 0) return;
    const float cover = SmoothStep(0.0f, 0.12f, density);
    const float temperature =
        Clamp01(heat * (1.3f - r * 1.05f) + (n - 0.5f) * 0.55f * heat + (1 - t) * 0.08f);
    Colour fire = Ramp(kFire, temperature);
    // Cool parts turn to smoke, warm at first, then grey and darker at the rim.
    const float smoke = SmoothStep(0.42f, 0.1f, temperature);
    const Colour warm_soot = Mix(Rgb8(130, 70, 48), Rgb8(96, 84, 80), SmoothStep(0.3f, 0.7f, t));
    const Colour soot = Mix(warm_soot, Rgb8(44, 40, 46), Clamp01(r * 0.7f + t * 0.35f));
    const Colour col = Mix(fire, soot * (0.8f + 0.4f * n), smoke);
    px = Pixel{col.r * cover, col.g * cover, col.b * cover, cover};
  });
  if (b.shock_ring && t < 0.4f) {
    const float ring_r = reach * (0.5f + 2.2f * t);
    c.Glow(Ring(centre, ring_r, 1.2f), Rgb8(255, 236, 200), 1.0f, 1.1f * (1 - t / 0.4f));
  }
  Random sparks(b.seed * 31 + 7);
  for (int i = 0; i < b.sparks; ++i) {
    const float a = static_cast<float>(sparks.Range(0, 2 * kPi));
    const float speed = static_cast<float>(sparks.Range(0.7, 1.5));
    const float life = static_cast<float>(sparks.Range(0.35, 0.75));
    if (t > life) continue;
    const Vec2 dir{std::cos(a), std::sin(a) * 1.15f};
    const Vec2 at = centre + dir * (reach * speed * (0.3f + 1.1f * std::sqrt(t / life)));
    const Vec2 tail = at - dir * (reach * 0.12f * (1 - t / life));
    const float glow = 1 - t / life;
    c.Glow(Capsule(tail, at, 0.35f), Ramp(kFire, 0.6f + 0.4f * glow), 0.6f, glow);
  }
  return LightPicture(c, 0.35f);
}

Picture Explosion(const ImageSpec& item, const Blast& b) {
  return Sheet(item, [&](int frame) { return Frame(b, frame); });
}

}  // namespace

Picture PaintExplosion(const ImageSpec& item) {
  if (item.name == "Exp") return Explosion(item, {71, 100, 11, 3.2f, 28, true, 2});
  if (item.name == "ExpShell") return Explosion(item, {22, 32, 12, 2.2f, 6, false, 4});
  if (item.name == "ExpRocket") return Explosion(item, {45, 63, 13, 2.8f, 14, false, 3});
  if (item.name == "ExpLittle") return Explosion(item, {11, 16, 14, 1.6f, 0, false, 4});
  if (item.name == "ExpBoss") return Explosion(item, {100, 140, 15, 3.6f, 40, true, 2});
  UnknownPicture("the explosions", item);
}

}  // namespace zephyrant::assetgen
