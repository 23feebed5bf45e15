// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/geometry.h"
#include "framework/surface.h"

namespace zephyrant {

// Text on the drawing surface: a TrueType font rendered by our own code,
// anti-aliased, on a transparent background. Sizes are in points at 96 dpi.
class TextRenderer {
 public:
  // Raises a MediaError naming the font file when it cannot be read.
  explicit TextRenderer(const std::string& font_path);
  ~TextRenderer();
  TextRenderer(const TextRenderer&) = delete;
  TextRenderer& operator=(const TextRenderer&) = delete;

  // Draws `text` (UTF-8) with the top-left of its line box at (x, y).
  void Draw(Surface& surface, int x, int y, std::string_view text, int size_points, Rgb colour);
  // Draws `text` as Draw does over a rim one pixel wide in `outline`, so it
  // stays readable over bright sprites and dark ones alike.
  void DrawOutlined(Surface& surface, int x, int y, std::string_view text, int size_points,
                    Rgb colour, Rgb outline);
  // Width in pixels of `text` at that size.
  int TextWidth(std::string_view text, int size_points);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace zephyrant
