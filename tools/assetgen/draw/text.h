// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>

#include "tools/assetgen/draw/canvas.h"
#include "tools/assetgen/draw/shapes.h"
#include "tools/assetgen/draw/vec.h"

namespace zephyrant::assetgen {

// Where and how large a line of text is set, in picture pixels: the pen
// starts at `origin` on the baseline, `em` is the font size, `scale_x`
// widens or narrows the letters (and `scale_y` squats them), `tracking` adds space between them (in
// em), and `weight` thickens the upright strokes by that many picture
// pixels without making the letters any taller.
struct TextPlacement {
  float em = 10;
  float scale_x = 1;
  float scale_y = 1;
  Vec2 origin;
  float tracking = 0;
  float weight = 0;
};

// The look of set text: a fill that runs from `top` through `middle` to
// `bottom` between gradient_top and gradient_bottom (picture y), an outline
// of `outline_width` pixels, and a bevel lit from the top left.
struct TextStyle {
  Colour top = Rgb8(255, 236, 150);
  Colour middle = Rgb8(255, 178, 20);
  Colour bottom = Rgb8(196, 84, 0);
  Colour outline = Rgb8(24, 10, 4);
  float outline_width = 1.4f;
  float emboss = 0.5f;
  float gradient_top = 0;
  float gradient_bottom = 10;
};

// A display font read with FreeType.
class Font {
 public:
  explicit Font(const std::string& path);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // The ink box of `text` at a size of one pixel per em, with the pen
  // starting at (0, 0) on the baseline (y grows downwards).
  Box Measure(const std::string& text, float tracking = 0) const;
  // Height of the capitals and of the small letters, per em.
  float CapHeight() const;
  float XHeight() const;

  // Adds the coverage of `text` into a mask of `width` x `height` cells,
  // each 1/scale of a picture pixel.
  void Draw(std::vector<float>& mask, int width, int height, int scale, const std::string& text,
            const TextPlacement& placement) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The placement that makes the ink of `text` fill `box`: as large as fits,
// then widened or narrowed (within the stretch limits) to span its width.
TextPlacement FitText(const Font& font, const std::string& text, const Box& box, float tracking,
                      float min_stretch, float max_stretch);

// Sets styled text into a picture-sized image.
Image SetText(const Font& font, const std::string& text, int width, int height,
              const TextPlacement& placement, const TextStyle& style);

}  // namespace zephyrant::assetgen
