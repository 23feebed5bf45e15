// SPDX-License-Identifier: GPL-3.0-or-later
// The menus' moving parts: the pointer (its tip at the top-left corner,
// where the game reads its position), the volume track bars and knobs, and
// the five spinning decorations that drift over the menus.

#include <cmath>
#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/projectiles.h"

namespace zephyrant::assetgen {

namespace {

// An arrow whose tail ends in a small thruster flame that flickers.
Picture Pointer(int frame) {
  Canvas c(19, 55, 4);
  static const float kFlame[3] = {1.0f, 0.72f, 0.88f};
  const float flame = 13 * kFlame[frame];
  Canvas fire(19, 55, 4);
  fire.Glow(Capsule({11.5f, 40}, {11.5f, 40 + flame}, 1.6f, 0.3f), Rgb8(255, 120, 20), 1.2f, 0.8f);
  fire.Fill(Capsule({11.5f, 40}, {11.5f, 39 + flame * 0.8f}, 1.8f, 0.3f),
            Glowing(Rgb8(255, 190, 60), Rgb8(255, 255, 230), 1.5f));
  const Shape arrow = Polygon(
      {{1, 1}, {17.5f, 17}, {11.5f, 18}, {15.5f, 27}, {11.5f, 29}, {7.5f, 20}, {2.5f, 24}}, 0.4f);
  Hull(c, Capsule({11.5f, 22}, {11.5f, 40}, 2.6f, 2.2f), Rgb8(90, 100, 130), 2, 0.6f);
  HullGradient(c, arrow, Rgb8(255, 236, 170), Rgb8(235, 130, 0), 2.5f);
  c.Fill(Polygon({{3, 4.5f}, {12.5f, 14}, {8, 15}}), Rgb8(255, 250, 220), 0.5f);
  Lamp(c, {11.5f, 33}, 1.3f, Rgb8(90, 220, 255));
  return Over(LightPicture(fire, 0.3f), SolidPicture(c));
}

// The volume bar: a groove with a ramp that rises to the right.
Picture TrackBar(int w, int h, bool lit) {
  Canvas c(w, h, 4);
  const float inset = 1.5f;
  const Shape groove = RoundBox({w / 2.0f, h / 2.0f}, {w / 2.0f - inset, h / 2.0f - inset}, 3);
  c.Fill(groove, [&](const Surfel& s) {
    return Mix(Rgb8(14, 12, 26), Rgb8(40, 34, 60), Clamp01(1 + s.d / 2));
  });
  const float x0 = inset + 3, x1 = w - inset - 3;
  const Shape ramp = Polygon({{x0, h - inset - 2.5f}, {x1, inset + 2.5f}, {x1, h - inset - 2.5f}});
  const Colour low = lit ? Rgb8(255, 150, 20) : Rgb8(170, 90, 10);
  const Colour high = lit ? Rgb8(255, 245, 190) : Rgb8(230, 180, 80);
  c.Fill(ramp, [&](const Surfel& s) { return Mix(low, high, Clamp01((s.p.x - x0) / (x1 - x0))); });
  for (int k = 1; k < 10; ++k) {
    const float x = x0 + (x1 - x0) * k / 10;
    c.Darken(RoundBox({x, h / 2.0f}, {0.5f, h / 2.0f}, 0), 0.6f);
  }
  Picture bar = SolidPicture(c);
  return bar;
}

Picture Knob(int h, bool lit) {
  Picture knob(4, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < 4; ++x) {
      knob.solid[y * 4 + x] = 1;
      const bool rim = x == 0 || x == 3 || y == 0 || y == h - 1;
      const Colour face = lit ? Rgb8(255, 255, 255) : Rgb8(205, 195, 170);
      knob.At(x, y) = rim ? Rgb8(20, 10, 4) : (x == 1 ? face : face * 0.75f);
    }
  }
  return knob;
}

// Decorations: each turns smoothly through its nine frames and repeats.
Picture Decoration(int kind, int frame) {
  Canvas c(15, 15, 6);
  const Vec2 centre{7.5f, 7.5f};
  const float f = static_cast<float>(frame) / 9;
  switch (kind) {
    case 1: {  // a golden four-pointed star
      const float turn = f * kPi / 2;
      std::vector<Vec2> star;
      for (int k = 0; k < 8; ++k) {
        const float a = turn + k * kPi / 4;
        const float r = k % 2 ? 2.6f : 6.8f;
        star.push_back(centre + Vec2{std::cos(a), std::sin(a)} * r);
      }
      c.Glow(Circle(centre, 2.5f), Rgb8(255, 170, 0), 1.5f, 0.5f);
      c.Fill(Polygon(star, 0.2f), Glowing(Rgb8(255, 170, 20), Rgb8(255, 255, 220), 2.5f));
      break;
    }
    case 2: {  // a cyan crystal turning on its axis
      const float w = 2 + 4.2f * std::fabs(std::cos(f * kPi));
      Gem(c, Polygon({{7.5f, 0.8f}, {7.5f + w, 7.5f}, {7.5f, 14.2f}, {7.5f - w, 7.5f}}), centre, 4,
          Rgb8(60, 200, 255), f * kPi);
      break;
    }
    case 3: {  // a magenta ring tumbling
      const float tilt = std::cos(f * 2 * kPi);
      const float ry = std::max(1.2f, 6.2f * std::fabs(tilt));
      const Shape ring =
          Subtract(Ellipse(centre, {6.4f, ry}), Ellipse(centre, {4.0f, std::max(0.2f, ry - 2.4f)}));
      Hull(c, ring, Rgb8(240, 60, 200), 1.2f, 0.8f);
      Core(c, centre, 1.4f, Rgb8(255, 150, 240));
      break;
    }
    case 4: {  // a green spinning cross of lights
      for (int k = 0; k < 4; ++k) {
        const float a = f * kPi / 2 + k * kPi / 2;
        Orb(c, centre + Vec2{std::cos(a), std::sin(a)} * 4.4f, 2.4f,
            {Rgb8(40, 200, 40), Rgb8(140, 255, 90), Rgb8(240, 255, 220)});
      }
      Core(c, centre, 1.6f, Rgb8(180, 255, 120));
      break;
    }
    default: {  // an orange sun with turning rays
      for (int k = 0; k < 6; ++k) {
        const float a = f * kPi / 3 + k * kPi / 3;
        const Vec2 d{std::cos(a), std::sin(a)};
        c.Fill(Capsule(centre + d * 3, centre + d * 6.8f, 1.1f, 0.3f), Rgb8(255, 120, 30));
      }
      Core(c, centre, 3.4f, Rgb8(255, 140, 20));
      break;
    }
  }
  return SolidPicture(c);
}

}  // namespace

Picture PaintMenuArt(const ImageSpec& item) {
  const std::string& n = item.name;
  if (n == "cursor") return Sheet(item, Pointer);
  if (n == "track2_0") return TrackBar(156, 18, false);
  if (n == "track2_1") return TrackBar(160, 20, true);
  if (n == "track1_0") return Knob(18, false);
  if (n == "track1_1") return Knob(20, true);
  if (n.rfind("img_", 0) == 0) {
    const int kind = std::stoi(n.substr(4));
    return Sheet(item, [kind](int frame) { return Decoration(kind, frame); });
  }
  UnknownPicture("the menu art", item);
}

}  // namespace zephyrant::assetgen
