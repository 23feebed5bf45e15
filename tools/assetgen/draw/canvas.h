// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "tools/assetgen/draw/shapes.h"
#include "tools/assetgen/draw/vec.h"

namespace zephyrant::assetgen {

// A pixel with its colour premultiplied by its coverage.
struct Pixel {
  float r = 0;
  float g = 0;
  float b = 0;
  float a = 0;
};

// What a shader knows about the point it colours: where it is, how far
// inside the shape (negative inside), and which way the nearest edge faces.
struct Surfel {
  Vec2 p;
  float d = 0;
  Vec2 out;
};
using Shader = std::function<Colour(const Surfel&)>;

// A picture-sized grid of premultiplied pixels.
class Image {
 public:
  Image(int width, int height) : width_(width), height_(height), pixels_(width * height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Pixel& At(int x, int y) { return pixels_[y * width_ + x]; }
  const Pixel& At(int x, int y) const { return pixels_[y * width_ + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

 private:
  int width_;
  int height_;
  std::vector<Pixel> pixels_;
};

// A drawing board in picture pixels, painted at `supersample` times the
// resolution so that edges come out anti-aliased when resolved.
class Canvas {
 public:
  Canvas(int width, int height, int supersample = 4);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Paints the shape over what is there, coloured by the shader.
  void Fill(const Shape& shape, const Shader& shader, float opacity = 1);
  void Fill(const Shape& shape, Colour colour, float opacity = 1);
  // Adds light: full inside the shape, fading over `radius` pixels outside.
  void Glow(const Shape& shape, Colour colour, float radius, float strength = 1);
  // Darkens what is already painted inside the shape (panel lines, shadows).
  void Darken(const Shape& shape, float amount);
  // Scales what is already painted inside the shape by factor(p).
  void Modulate(const Shape& shape, const std::function<float(Vec2)>& factor);
  // Calls paint for every fine pixel with its centre in picture pixels.
  void ForEach(const std::function<void(Vec2, Pixel&)>& paint);

  // The picture at its own size, each pixel the average of its fine pixels.
  Image Resolve() const;

 private:
  template <class Paint>
  void Cover(const Shape& shape, float reach, Paint&& paint);

  int width_;
  int height_;
  int scale_;
  int fine_width_;
  int fine_height_;
  std::vector<Pixel> fine_;
};

}  // namespace zephyrant::assetgen
