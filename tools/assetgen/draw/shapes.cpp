// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zephyrant::assetgen {

namespace {

Box Around(Vec2 centre, Vec2 half) {
  return Box{centre.x - half.x, centre.y - half.y, centre.x + half.x, centre.y + half.y};
}

Box Join(const Box& a, const Box& b) {
  return Box{std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
             std::max(a.y1, b.y1)};
}

Box Grow(const Box& a, float by) {
  return Box{a.x0 - by, a.y0 - by, a.x1 + by, a.y1 + by};
}

Box PointsBox(const std::vector<Vec2>& points) {
  Box b{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Vec2& p : points) b = Join(b, Box{p.x, p.y, p.x, p.y});
  return b;
}

}  // namespace

Shape Circle(Vec2 centre, float radius) {
  return Shape([=](Vec2 p) { return Length(p - centre) - radius; },
               Around(centre, {radius, radius}));
}

Shape Ellipse(Vec2 centre, Vec2 radii) {
  return Shape(
      [=](Vec2 p) {
        const Vec2 q = p - centre;
        const float k0 = Length({q.x / radii.x, q.y / radii.y});
        const float k1 = Length({q.x / (radii.x * radii.x), q.y / (radii.y * radii.y)});
        if (k1 < 1e-6f) return -std::min(radii.x, radii.y);
        return k0 * (k0 - 1) / k1;
      },
      Around(centre, radii));
}

Shape RoundBox(Vec2 centre, Vec2 half, float corner) {
  corner = std::min({corner, half.x, half.y});
  return Shape(
      [=](Vec2 p) {
        const Vec2 q{std::fabs(p.x - centre.x) - half.x + corner,
                     std::fabs(p.y - centre.y) - half.y + corner};
        const Vec2 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
        return Length(outside) + std::min(std::max(q.x, q.y), 0.0f) - corner;
      },
      Around(centre, half));
}

Shape Capsule(Vec2 a, Vec2 b, float ra, float rb) {
  return Shape(
      [=](Vec2 p) {
        const Vec2 ab = b - a;
        const float len2 = std::max(Dot(ab, ab), 1e-6f);
        const float t = Clamp01(Dot(p - a, ab) / len2);
        return Length(p - (a + ab * t)) - Mix(ra, rb, t);
      },
      Join(Around(a, {ra, ra}), Around(b, {rb, rb})));
}

Shape Capsule(Vec2 a, Vec2 b, float radius) {
  return Capsule(a, b, radius, radius);
}

Shape Polygon(std::vector<Vec2> points, float round) {
  const Box box = Grow(PointsBox(points), 0);
  return Shape(
      [points = std::move(points), round](Vec2 p) {
        float d = Dot(p - points[0], p - points[0]);
        float sign = 1;
        const size_t n = points.size();
        for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
          const Vec2 e = points[j] - points[i];
          const Vec2 w = p - points[i];
          const Vec2 b = w - e * Clamp01(Dot(w, e) / std::max(Dot(e, e), 1e-9f));
          d = std::min(d, Dot(b, b));
          const bool c0 = p.y >= points[i].y;
          const bool c1 = p.y < points[j].y;
          const bool c2 = e.x * w.y > e.y * w.x;
          if ((c0 && c1 && c2) || (!c0 && !c1 && !c2)) sign = -sign;
        }
        return sign * std::sqrt(d) - round;
      },
      Grow(box, round));
}

Shape MirroredPolygon(float axis, const std::vector<Vec2>& half, float round) {
  std::vector<Vec2> points = half;
  for (auto it = half.rbegin(); it != half.rend(); ++it) {
    points.push_back({2 * axis - it->x, it->y});
  }
  return Polygon(std::move(points), round);
}

Shape Ring(Vec2 centre, float radius, float thickness) {
  return Shape([=](Vec2 p) { return std::fabs(Length(p - centre) - radius) - thickness / 2; },
               Around(centre, {radius + thickness, radius + thickness}));
}

Shape Union(const Shape& a, const Shape& b) {
  return Shape([=](Vec2 p) { return std::min(a(p), b(p)); }, Join(a.Bounds(), b.Bounds()));
}

Shape Union(const std::vector<Shape>& shapes) {
  Shape all = shapes[0];
  for (size_t i = 1; i < shapes.size(); ++i) all = Union(all, shapes[i]);
  return all;
}

Shape SmoothUnion(const Shape& a, const Shape& b, float radius) {
  return Shape(
      [=](Vec2 p) {
        const float da = a(p);
        const float db = b(p);
        const float h = Clamp01(0.5f + 0.5f * (db - da) / radius);
        return Mix(db, da, h) - radius * h * (1 - h);
      },
      Grow(Join(a.Bounds(), b.Bounds()), radius));
}

Shape Subtract(const Shape& a, const Shape& cut) {
  return Shape([=](Vec2 p) { return std::max(a(p), -cut(p)); }, a.Bounds());
}

Shape Intersect(const Shape& a, const Shape& b) {
  const Box ab = a.Bounds();
  const Box bb = b.Bounds();
  return Shape([=](Vec2 p) { return std::max(a(p), b(p)); },
               Box{std::max(ab.x0, bb.x0), std::max(ab.y0, bb.y0), std::min(ab.x1, bb.x1),
                   std::min(ab.y1, bb.y1)});
}

Shape Grown(const Shape& a, float by) {
  return Shape([=](Vec2 p) { return a(p) - by; }, Grow(a.Bounds(), std::max(by, 0.0f)));
}

Shape MirroredX(const Shape& a, float axis) {
  const Box b = a.Bounds();
  return Shape(
      [=](Vec2 p) {
        return a({2 * axis - p.x, p.y});
      },
      Box{2 * axis - b.x1, b.y0, 2 * axis - b.x0, b.y1});
}

Shape Symmetric(const Shape& a, float axis) {
  return Union(a, MirroredX(a, axis));
}

Shape Moved(const Shape& a, Vec2 by) {
  const Box b = a.Bounds();
  return Shape([=](Vec2 p) { return a(p - by); },
               Box{b.x0 + by.x, b.y0 + by.y, b.x1 + by.x, b.y1 + by.y});
}

Shape Turned(const Shape& a, Vec2 pivot, float radians) {
  const Box b = a.Bounds();
  const float reach =
      std::max({Length(Vec2{b.x0, b.y0} - pivot), Length(Vec2{b.x1, b.y0} - pivot),
                Length(Vec2{b.x0, b.y1} - pivot), Length(Vec2{b.x1, b.y1} - pivot)});
  return Shape([=](Vec2 p) { return a(pivot + Rotated(p - pivot, -radians)); },
               Around(pivot, {reach, reach}));
}

}  // namespace zephyrant::assetgen
