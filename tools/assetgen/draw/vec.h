// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>

namespace zephyrant::assetgen {

inline constexpr float kPi = 3.14159265358979f;

struct Vec2 {
  float x = 0;
  float y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
  return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
  return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, float s) {
  return {a.x * s, a.y * s};
}
inline Vec2 operator*(float s, Vec2 a) {
  return {a.x * s, a.y * s};
}
inline float Dot(Vec2 a, Vec2 b) {
  return a.x * b.x + a.y * b.y;
}
inline float Cross(Vec2 a, Vec2 b) {
  return a.x * b.y - a.y * b.x;
}
inline float Length(Vec2 a) {
  return std::sqrt(Dot(a, a));
}
inline Vec2 Normalised(Vec2 a) {
  const float l = Length(a);
  return l > 1e-6f ? a * (1 / l) : Vec2{0, 0};
}
inline Vec2 Rotated(Vec2 a, float radians) {
  const float c = std::cos(radians);
  const float s = std::sin(radians);
  return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline float Clamp01(float v) {
  return std::clamp(v, 0.0f, 1.0f);
}
inline float Mix(float a, float b, float t) {
  return a + (b - a) * t;
}
inline float SmoothStep(float edge0, float edge1, float v) {
  const float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

// A colour with components from 0 to 1 (values above 1 are clipped at the end).
struct Colour {
  float r = 0;
  float g = 0;
  float b = 0;
};

inline Colour operator+(Colour a, Colour b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
inline Colour operator*(Colour a, float s) {
  return {a.r * s, a.g * s, a.b * s};
}
inline Colour operator*(Colour a, Colour b) {
  return {a.r * b.r, a.g * b.g, a.b * b.b};
}
inline Colour Mix(Colour a, Colour b, float t) {
  return {Mix(a.r, b.r, t), Mix(a.g, b.g, t), Mix(a.b, b.b, t)};
}
inline float Luma(Colour c) {
  return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}
// A colour from 0-255 components.
inline constexpr Colour Rgb8(int r, int g, int b) {
  return {r / 255.0f, g / 255.0f, b / 255.0f};
}

// Picks a colour along a ramp of evenly spaced stops, t from 0 to 1.
template <size_t N>
Colour Ramp(const Colour (&stops)[N], float t) {
  t = Clamp01(t) * (N - 1);
  const size_t i = std::min(static_cast<size_t>(t), N - 2);
  return Mix(stops[i], stops[i + 1], t - static_cast<float>(i));
}

}  // namespace zephyrant::assetgen
