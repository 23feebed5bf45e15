// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "tools/assetgen/draw/vec.h"

namespace zephyrant::assetgen {

// An axis-aligned box in picture pixels; the area a shape can cover.
struct Box {
  float x0 = 0;
  float y0 = 0;
  float x1 = 0;
  float y1 = 0;
};

// A shape as a signed distance in picture pixels: negative inside, positive
// outside, zero on the edge. Every shape knows a box that holds it.
class Shape {
 public:
  using Distance = std::function<float(Vec2)>;
  Shape(Distance distance, Box bounds) : distance_(std::move(distance)), bounds_(bounds) {}

  float operator()(Vec2 p) const { return distance_(p); }
  const Box& Bounds() const { return bounds_; }

 private:
  Distance distance_;
  Box bounds_;
};

Shape Circle(Vec2 centre, float radius);
Shape Ellipse(Vec2 centre, Vec2 radii);
// A box with rounded corners, from its centre and half size.
Shape RoundBox(Vec2 centre, Vec2 half, float corner);
// A line from a to b with round ends, radius ra at a and rb at b.
Shape Capsule(Vec2 a, Vec2 b, float ra, float rb);
Shape Capsule(Vec2 a, Vec2 b, float radius);
// A polygon in either winding, its corners rounded off by `round` pixels.
Shape Polygon(std::vector<Vec2> points, float round = 0);
// A polygon symmetric about the vertical line x = axis: `half` lists the
// right-hand outline from top to bottom; the left half is its mirror.
Shape MirroredPolygon(float axis, const std::vector<Vec2>& half, float round = 0);
Shape Ring(Vec2 centre, float radius, float thickness);

Shape Union(const Shape& a, const Shape& b);
Shape Union(const std::vector<Shape>& shapes);
// Joins with a soft fillet of `radius` pixels where the two meet.
Shape SmoothUnion(const Shape& a, const Shape& b, float radius);
Shape Subtract(const Shape& a, const Shape& cut);
Shape Intersect(const Shape& a, const Shape& b);
// Grows (positive) or shrinks (negative) a shape by `by` pixels.
Shape Grown(const Shape& a, float by);
// The same shape mirrored about the vertical line x = axis.
Shape MirroredX(const Shape& a, float axis);
// The shape and its mirror about x = axis.
Shape Symmetric(const Shape& a, float axis);
Shape Moved(const Shape& a, Vec2 by);
// Turned by `radians` (clockwise on screen) about `pivot`.
Shape Turned(const Shape& a, Vec2 pivot, float radians);

}  // namespace zephyrant::assetgen
