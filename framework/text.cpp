// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "framework/media_error.h"
#include "framework/media_files.h"

namespace zephyrant {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// Larger sizes draw nothing: no screen shows a glyph that tall.
constexpr int kMaxPoints = 720;
// Far above any text font; a bigger file is not read.
constexpr uint64_t kMaxFontBytes = 32 << 20;

// Points at 96 dots per inch.
int PixelsForPoints(int points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

// Whole pixels from FreeType's 26.6 fixed point, rounded to nearest.
int RoundPixels(FT_Pos value) {
  return static_cast<int>(value >= 0 ? (value + 32) / 64 : -((-value + 32) / 64));
}

// Decodes one character at text[pos] and moves past it. A malformed sequence
// (stray continuation, overlong form, surrogate, past U+10FFFF, cut short)
// reads as U+FFFD and costs one byte, so the next character still shows.
char32_t NextCodepoint(std::string_view text, size_t& pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  int length = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kReplacement;
  }
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += length;
  return cp;
}

// Coverage 255 gives exactly the colour; 0 leaves the pixel alone. Red and
// blue are mixed side by side in one word, each divided by 255 with rounding.
inline uint32_t Blend(uint32_t dst, uint32_t colour, uint32_t alpha) {
  const uint32_t inv = 255 - alpha;
  const auto divide = [](uint32_t t) {
    t += 0x00800080u;
    return ((t + ((t >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  };
  const uint32_t rb = divide((colour & 0x00FF00FFu) * alpha + (dst & 0x00FF00FFu) * inv);
  const uint32_t g = divide(((colour >> 8) & 0xFFu) * alpha + ((dst >> 8) & 0xFFu) * inv);
  return rb | (g << 8);
}

// Blends a row of coverage values over the surface in the text colour.
// Four pixels at a time where the processor allows, with exactly the
// arithmetic of the one-pixel blend, so the result does not depend on it.
void BlendRow(uint32_t* dst, const uint8_t* coverage, int count, uint32_t colour) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi16(255);
  const __m128i half = _mm_set1_epi16(128);
  const __m128i colour_wide = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(colour)), zero);
  const auto mix = [&](__m128i d, __m128i a) {
    const __m128i v = _mm_add_epi16(
        _mm_add_epi16(_mm_mullo_epi16(colour_wide, a), _mm_mullo_epi16(d, _mm_sub_epi16(full, a))),
        half);
    return _mm_srli_epi16(_mm_add_epi16(v, _mm_srli_epi16(v, 8)), 8);
  };
  for (; i + 4 <= count; i += 4) {
    int32_t four;
    std::memcpy(&four, coverage + i, sizeof four);
    if (four == 0) continue;
    const __m128i a16 = _mm_unpacklo_epi8(_mm_cvtsi32_si128(four), zero);
    const __m128i a_pairs = _mm_unpacklo_epi16(a16, a16);
    const __m128i a_lo = _mm_unpacklo_epi32(a_pairs, a_pairs);
    const __m128i a_hi = _mm_unpackhi_epi32(a_pairs, a_pairs);
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i lo = mix(_mm_unpacklo_epi8(d, zero), a_lo);
    const __m128i hi = mix(_mm_unpackhi_epi8(d, zero), a_hi);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
  }
#endif
  for (; i < count; ++i) {
    if (coverage[i] != 0) dst[i] = Blend(dst[i], colour, coverage[i]);
  }
}

struct Glyph {
  FT_UInt index = 0;
  int left = 0;  // from the pen to the bitmap's left edge
  int top = 0;   // from the baseline up to the bitmap's top row
  int width = 0;
  int rows = 0;
  int advance = 0;
  std::vector<uint8_t> coverage;  // width x rows, 0..255
};

// What an outline needs of a glyph: its coverage grown by one pixel all
// round, a bitmap one pixel bigger on every side.
struct Rim {
  int left = 0;
  int top = 0;
  int width = 0;
  int rows = 0;
  std::vector<uint8_t> coverage;
};

// Each pixel takes the strongest coverage of its own and its eight
// neighbours, the diagonal ones weakened (181/256, about 1/sqrt 2) so the
// rim's corners come out round rather than square.
Rim RimOf(const Glyph& glyph) {
  Rim rim;
  if (glyph.width == 0 || glyph.rows == 0) return rim;
  rim.left = glyph.left - 1;
  rim.top = glyph.top + 1;
  rim.width = glyph.width + 2;
  rim.rows = glyph.rows + 2;
  rim.coverage.assign(static_cast<size_t>(rim.width) * rim.rows, 0);
  const auto at = [&](int col, int row) -> int {
    if (col < 0 || row < 0 || col >= glyph.width || row >= glyph.rows) return 0;
    return glyph.coverage[static_cast<size_t>(row) * glyph.width + col];
  };
  for (int row = 0; row < rim.rows; ++row) {
    for (int col = 0; col < rim.width; ++col) {
      int strongest = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          int c = at(col - 1 + dx, row - 1 + dy);
          if (dx != 0 && dy != 0) c = c * 181 / 256;
          strongest = std::max(strongest, c);
        }
      }
      rim.coverage[static_cast<size_t>(row) * rim.width + col] = static_cast<uint8_t>(strongest);
    }
  }
  return rim;
}

struct SizeMetrics {
  int ascender = 0;
  FT_Fixed x_scale = 0;
};

}  // namespace

// Every glyph is rasterised once per pixel size and kept, so drawing the same
// texts frame after frame neither rasterises nor allocates.
struct TextRenderer::Impl {
  std::string font_file;  // the face reads from it for as long as it lives
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  int face_pixels = 0;  // the pixel size currently set on the face
  std::unordered_map<int, SizeMetrics> sizes;
  std::unordered_map<uint64_t, Glyph> glyphs;
  std::unordered_map<const Glyph*, Rim> rims;  // glyphs never move: the map holds them by node

  ~Impl() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }

  void UsePixels(int pixels) {
    if (face_pixels == pixels) return;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
    face_pixels = pixels;
  }

  const SizeMetrics& Metrics(int pixels) {
    auto found = sizes.find(pixels);
    if (found != sizes.end()) return found->second;
    UsePixels(pixels);
    SizeMetrics metrics;
    metrics.ascender = RoundPixels(face->size->metrics.ascender);
    metrics.x_scale = face->size->metrics.x_scale;
    return sizes.emplace(pixels, metrics).first->second;
  }

  const Glyph& GlyphFor(int pixels, char32_t cp) {
    const uint64_t key = (static_cast<uint64_t>(pixels) << 32) | cp;
    auto found = glyphs.find(key);
    if (found != glyphs.end()) return found->second;

    UsePixels(pixels);
    Glyph glyph;
    glyph.index = FT_Get_Char_Index(face, cp);
    if (FT_Load_Glyph(face, glyph.index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) == 0 &&
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
      const FT_GlyphSlot slot = face->glyph;
      const FT_Bitmap& bitmap = slot->bitmap;
      glyph.advance = RoundPixels(slot->advance.x);
      if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
        glyph.left = slot->bitmap_left;
        glyph.top = slot->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.rows = static_cast<int>(bitmap.rows);
        glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.rows);
        const int levels = bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
        for (int row = 0; row < glyph.rows; ++row) {
          const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
          for (int col = 0; col < glyph.width; ++col) {
            glyph.coverage[static_cast<size_t>(row) * glyph.width + col] =
                static_cast<uint8_t>(src[col] * 255 / levels);
          }
        }
      }
    }
    return glyphs.emplace(key, std::move(glyph)).first->second;
  }

  const Rim& RimFor(const Glyph& glyph) {
    auto found = rims.find(&glyph);
    if (found != rims.end()) return found->second;
    return rims.emplace(&glyph, RimOf(glyph)).first->second;
  }

  int Kerning(const SizeMetrics& metrics, FT_UInt left, FT_UInt right) const {
    if (left == 0 || right == 0 || !FT_HAS_KERNING(face)) return 0;
    FT_Vector delta{};
    if (FT_Get_Kerning(face, left, right, FT_KERNING_UNSCALED, &delta) != 0) return 0;
    return RoundPixels(FT_MulFix(delta.x, metrics.x_scale));
  }

  // Calls draw(glyph, pen) for each character with its pen position in
  // pixels from the start of the line; returns the line's width.
  template <typename DrawGlyph>
  int Layout(std::string_view text, int pixels, DrawGlyph&& draw) {
    const SizeMetrics& metrics = Metrics(pixels);
    int64_t pen = 0;
    FT_UInt previous = 0;
    for (size_t pos = 0; pos < text.size();) {
      const char32_t cp = NextCodepoint(text, pos);
      if (cp < 0x20 || cp == 0x7F) continue;  // a line has no control characters
      const Glyph& glyph = GlyphFor(pixels, cp);
      pen += Kerning(metrics, previous, glyph.index);
      draw(glyph, pen);
      pen += glyph.advance;
      previous = glyph.index;
    }
    return static_cast<int>(pen);
  }

  // Blends one bitmap per character, whose placement `coverage` gives from
  // the glyph, clipped to the surface.
  template <typename Coverage>
  void DrawLayer(Surface& surface, int x, int y, std::string_view text, int size_points, Rgb colour,
                 Coverage&& coverage) {
    if (size_points <= 0 || size_points > kMaxPoints) return;
    const int pixels = PixelsForPoints(size_points);
    const int64_t baseline = int64_t{y} + Metrics(pixels).ascender;
    const int64_t width = surface.Width();
    const int64_t height = surface.Height();
    const uint32_t packed = PackRgb(colour);
    Layout(text, pixels, [&](const Glyph& glyph, int64_t pen) {
      const auto& bitmap = coverage(glyph);
      const int64_t left = x + pen + bitmap.left;
      const int64_t top = baseline - bitmap.top;
      const int64_t col_begin = std::max<int64_t>(0, -left);
      const int64_t col_end = std::min<int64_t>(bitmap.width, width - left);
      const int64_t row_begin = std::max<int64_t>(0, -top);
      const int64_t row_end = std::min<int64_t>(bitmap.rows, height - top);
      for (int64_t row = row_begin; row < row_end; ++row) {
        const uint8_t* src = bitmap.coverage.data() + row * bitmap.width;
        uint32_t* dst = surface.Row(static_cast<int>(top + row)) + left;
        BlendRow(dst + col_begin, src + col_begin, static_cast<int>(col_end - col_begin), packed);
      }
    });
  }
};

TextRenderer::TextRenderer(const std::string& font_path) : impl_(std::make_unique<Impl>()) {
  if (FT_Init_FreeType(&impl_->library) != 0) {
    throw MediaError("Cannot start the font renderer for " + font_path);
  }
  impl_->font_file = ReadAssetBytes(font_path, kMaxFontBytes);
  if (FT_New_Memory_Face(impl_->library, reinterpret_cast<const FT_Byte*>(impl_->font_file.data()),
                         static_cast<FT_Long>(impl_->font_file.size()), 0, &impl_->face) != 0) {
    impl_->face = nullptr;
    throw MediaError("Cannot read the font file " + font_path);
  }
  if (!FT_IS_SCALABLE(impl_->face)) {
    throw MediaError("The font file " + font_path + " holds no scalable font");
  }
}

TextRenderer::~TextRenderer() = default;

void TextRenderer::Draw(Surface& surface, int x, int y, std::string_view text, int size_points,
                        Rgb colour) {
  impl_->DrawLayer(surface, x, y, text, size_points, colour,
                   [](const Glyph& glyph) -> const Glyph& { return glyph; });
}

// Every rim first, then every letter, so a rim never covers the letter
// beside it.
void TextRenderer::DrawOutlined(Surface& surface, int x, int y, std::string_view text,
                                int size_points, Rgb colour, Rgb outline) {
  impl_->DrawLayer(surface, x, y, text, size_points, outline,
                   [this](const Glyph& glyph) -> const Rim& { return impl_->RimFor(glyph); });
  Draw(surface, x, y, text, size_points, colour);
}

int TextRenderer::TextWidth(std::string_view text, int size_points) {
  if (size_points <= 0 || size_points > kMaxPoints) return 0;
  const int pixels = PixelsForPoints(size_points);
  return impl_->Layout(text, pixels, [](const Glyph&, int64_t) {});
}

}  // namespace zephyrant
