// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/geometry.h"
#include "framework/surface.h"

namespace zephyrant {

// A decoded 8-bit palettised picture: indices plus the palette they use.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> indices;  // row-major, top row first
  std::vector<Rgb> palette;      // up to 256 colours
};

// One named picture of an image list, cut into equal patterns. The picture
// is kept as read (one byte a pixel) until a pattern of it is first asked
// for, and only then converted to the surface format, so a picture the game
// never shows costs no more than its file, and start-up converts none.
class PictureItem {
 public:
  PictureItem(std::string name, IndexedPicture picture, int pattern_width, int pattern_height,
              Rgb transparent_color);

  std::string Name;
  int PatternWidth = 0;  // 0: the whole picture is one pattern
  int PatternHeight = 0;
  bool Transparent = true;
  Rgb TransparentColor{4, 2, 4};
  bool SystemMemory = false;

  int PictureWidth() const { return width_; }
  int PictureHeight() const { return height_; }
  int Width() const { return PatternWidth > 0 ? PatternWidth : width_; }
  int Height() const { return PatternHeight > 0 ? PatternHeight : height_; }
  int PatternCount() const;
  // True once the picture is in the surface format.
  bool Converted() const { return converted_; }

  // The rectangle of pattern i in the picture; empty when i is out of range.
  Rect PatternRect(int i) const;
  // True when pattern i exists and has no pixel of the key colour.
  bool PatternOpaque(int i) const;
  // Pattern i as 32-bit pixels; invalid (no pixels) when i is out of range.
  PatternView Pattern(int i) const;

  // Draws pattern i with its top-left at (x, y), clipped to the surface;
  // nothing without a surface or for a pattern index outside the picture.
  void Draw(Surface* surface, int x, int y, int pattern) const;

 private:
  // Converts the picture on first use; its bytes as read are let go then.
  // The check is inline, as every drawing of a sprite makes it.
  void EnsureConverted() const {
    if (!converted_) Convert();
  }
  void Convert() const;
  void FindRuns() const;

  int width_ = 0;
  int height_ = 0;
  mutable bool converted_ = false;
  mutable IndexedPicture picture_;         // until converted
  mutable std::vector<uint32_t> pixels_;   // the picture in surface format
  mutable std::vector<PatternRuns> runs_;  // per pattern; empty runs when the select copy is better
  mutable std::vector<uint8_t> opaque_;    // per pattern: no key-coloured pixel
};

// A named, ordered collection of pictures.
class ImageList {
 public:
  explicit ImageList(std::string name) : name_(std::move(name)) {}

  const std::string& Name() const { return name_; }
  int Count() const { return static_cast<int>(items_.size()); }
  PictureItem& Add(std::unique_ptr<PictureItem> item);

  const PictureItem& Item(int index) const;
  // The first item of that name; raises "Image '%s' not found" when absent.
  const PictureItem& Item(std::string_view name) const;
  const PictureItem* Find(std::string_view name) const;
  int IndexOf(std::string_view name) const;  // -1 when absent

 private:
  std::string name_;
  std::vector<std::unique_ptr<PictureItem>> items_;
};

}  // namespace zephyrant
