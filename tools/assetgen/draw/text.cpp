// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace zephyrant::assetgen {

namespace {

constexpr int kFine = 4;
constexpr float kMeasureEm = 1000;

// Squared distance along one line to the nearest marked cell (Felzenszwalb
// and Huttenlocher's lower envelope of parabolas).
void DistanceLine(const float* f, float* d, int n, std::vector<int>& v, std::vector<float>& z) {
  int k = 0;
  v[0] = 0;
  z[0] = -std::numeric_limits<float>::infinity();
  z[1] = std::numeric_limits<float>::infinity();
  for (int q = 1; q < n; ++q) {
    float s;
    while (true) {
      const int p = v[k];
      s = ((f[q] + static_cast<float>(q * q)) - (f[p] + static_cast<float>(p * p))) /
          static_cast<float>(2 * q - 2 * p);
      if (s > z[k] || k == 0) break;
      --k;
    }
    if (s <= z[k]) {
      v[0] = q;
      z[0] = -std::numeric_limits<float>::infinity();
      z[1] = std::numeric_limits<float>::infinity();
      k = 0;
      continue;
    }
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = std::numeric_limits<float>::infinity();
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < static_cast<float>(q)) ++k;
    const float dq = static_cast<float>(q - v[k]);
    d[q] = dq * dq + f[v[k]];
  }
}

// Distance from every cell to the nearest cell at least half covered.
std::vector<float> DistanceToInk(const std::vector<float>& mask, int w, int h) {
  constexpr float kFar = 1e12f;
  std::vector<float> grid(mask.size());
  for (size_t i = 0; i < mask.size(); ++i) grid[i] = mask[i] >= 0.5f ? 0 : kFar;
  const int n = std::max(w, h);
  std::vector<float> f(n), d(n), z(n + 1);
  std::vector<int> v(n);
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) f[y] = grid[y * w + x];
    DistanceLine(f.data(), d.data(), h, v, z);
    for (int y = 0; y < h; ++y) grid[y * w + x] = d[y];
  }
  for (int y = 0; y < h; ++y) {
    DistanceLine(&grid[y * w], d.data(), w, v, z);
    for (int x = 0; x < w; ++x) grid[y * w + x] = std::sqrt(d[x]);
  }
  return grid;
}

}  // namespace

struct Font::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
};

Font::Font(const std::string& path) : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library) != 0) throw std::runtime_error("FreeType cannot start");
  if (FT_New_Face(impl_->library, path.c_str(), 0, &impl_->face) != 0) {
    FT_Done_FreeType(impl_->library);
    throw std::runtime_error(path + ": font cannot be read (install fonts-play)");
  }
}

Font::~Font() {
  FT_Done_Face(impl_->face);
  FT_Done_FreeType(impl_->library);
}

Box Font::Measure(const std::string& text, float tracking) const {
  FT_Face face = impl_->face;
  FT_Set_Transform(face, nullptr, nullptr);
  FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(kMeasureEm * 64), 72, 72);
  float pen = 0;
  Box ink{1e9f, 1e9f, -1e9f, -1e9f};
  for (const char ch : text) {
    const FT_UInt glyph = FT_Get_Char_Index(face, static_cast<unsigned char>(ch));
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
    FT_BBox box;
    FT_Outline_Get_CBox(&face->glyph->outline, &box);
    if (box.xMax > box.xMin) {
      ink.x0 = std::min(ink.x0, pen + box.xMin / 64.0f);
      ink.x1 = std::max(ink.x1, pen + box.xMax / 64.0f);
      ink.y0 = std::min(ink.y0, -box.yMax / 64.0f);
      ink.y1 = std::max(ink.y1, -box.yMin / 64.0f);
    }
    pen += face->glyph->advance.x / 64.0f + tracking * kMeasureEm;
  }
  return Box{ink.x0 / kMeasureEm, ink.y0 / kMeasureEm, ink.x1 / kMeasureEm, ink.y1 / kMeasureEm};
}

float Font::CapHeight() const {
  return -Measure("H").y0;
}
float Font::XHeight() const {
  return -Measure("x").y0;
}

void Font::Draw(std::vector<float>& mask, int width, int height, int scale, const std::string& text,
                const TextPlacement& placement) const {
  FT_Face face = impl_->face;
  const float em = placement.em * static_cast<float>(scale);
  FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(std::lround(em * 64)), 72, 72);
  FT_Matrix matrix{static_cast<FT_Fixed>(std::lround(placement.scale_x * 65536)), 0, 0,
                   static_cast<FT_Fixed>(std::lround(placement.scale_y * 65536))};
  float pen_x = placement.origin.x * static_cast<float>(scale);
  const float baseline = placement.origin.y * static_cast<float>(scale);
  const auto weight = static_cast<FT_Pos>(std::lround(placement.weight * scale * 64));
  for (const char ch : text) {
    const FT_UInt glyph = FT_Get_Char_Index(face, static_cast<unsigned char>(ch));
    const float whole = std::floor(pen_x);
    FT_Vector delta{static_cast<FT_Pos>(std::lround((pen_x - whole) * 64)), 0};
    FT_Set_Transform(face, &matrix, &delta);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    if (weight > 0) FT_Outline_EmboldenXY(&slot->outline, weight, 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) continue;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = static_cast<int>(whole) + slot->bitmap_left;
    const int top = static_cast<int>(std::lround(baseline)) - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const int x = left + static_cast<int>(col);
        const int y = top + static_cast<int>(row);
        if (x < 0 || y < 0 || x >= width || y >= height) continue;
        const float a = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
        float& cell = mask[static_cast<size_t>(y) * width + x];
        cell = std::max(cell, a);
      }
    }
    pen_x += (slot->advance.x + weight) / 64.0f + placement.tracking * em * placement.scale_x;
  }
  FT_Set_Transform(face, nullptr, nullptr);
}

TextPlacement FitText(const Font& font, const std::string& text, const Box& box, float tracking,
                      float min_stretch, float max_stretch) {
  const Box ink = font.Measure(text, tracking);
  const float ink_w = ink.x1 - ink.x0;
  const float ink_h = ink.y1 - ink.y0;
  const float box_w = box.x1 - box.x0;
  const float box_h = box.y1 - box.y0;
  TextPlacement p;
  p.tracking = tracking;
  p.em = box_h / ink_h;
  p.scale_x = box_w / (ink_w * p.em);
  if (p.scale_x < min_stretch) {
    p.scale_x = min_stretch;
    p.em = box_w / (ink_w * min_stretch);
  } else if (p.scale_x > max_stretch) {
    p.scale_x = max_stretch;
  }
  p.origin.x = box.x0 + (box_w - ink_w * p.em * p.scale_x) / 2 - ink.x0 * p.em * p.scale_x;
  p.origin.y = box.y0 + (box_h - ink_h * p.em) / 2 - ink.y0 * p.em;
  return p;
}

Image SetText(const Font& font, const std::string& text, int width, int height,
              const TextPlacement& placement, const TextStyle& style) {
  const int fw = width * kFine;
  const int fh = height * kFine;
  std::vector<float> ink(static_cast<size_t>(fw) * fh, 0);
  font.Draw(ink, fw, fh, kFine, text, placement);
  const std::vector<float> distance = DistanceToInk(ink, fw, fh);
  const auto at = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= fw || y >= fh) return 0.0f;
    return ink[static_cast<size_t>(y) * fw + x];
  };
  const int offset = std::max(1, kFine * 2 / 3);
  Canvas canvas(width, height, kFine);
  int index = 0;
  canvas.ForEach([&](Vec2 p, Pixel& px) {
    const int x = index % fw;
    const int y = index / fw;
    ++index;
    const float stroke = Clamp01(style.outline_width * kFine + 0.5f - distance[y * fw + x]);
    const float a = at(x, y);
    const float t =
        Clamp01((p.y - style.gradient_top) / (style.gradient_bottom - style.gradient_top));
    Colour fill =
        t < 0.5f ? Mix(style.top, style.middle, t * 2) : Mix(style.middle, style.bottom, t * 2 - 1);
    const float lit = 1 - at(x - offset, y - offset);
    const float shade = 1 - at(x + offset, y + offset);
    fill = fill * (1 + style.emboss * (0.6f * lit - 0.5f * shade)) +
           Colour{0.25f, 0.22f, 0.18f} * (style.emboss * lit * 0.6f);
    const float cover = std::max(stroke, a);
    const Colour c = Mix(style.outline, fill, cover > 0 ? a / cover : 0);
    px = Pixel{c.r * cover, c.g * cover, c.b * cover, cover};
  });
  return canvas.Resolve();
}

}  // namespace zephyrant::assetgen
