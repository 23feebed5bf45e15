#include "tools/assetgen/placeholder_pictures.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "tools/assetgen/placeholder_random.h"

namespace zephyrant::assetgen {

namespace {

// An indexed picture being painted; colours join the palette on first use.
class Canvas {
 public:
  Canvas(int width, int height, Rgb key) {
    picture_.width = width;
    picture_.height = height;
    picture_.palette.push_back(key);
    picture_.indices.assign(static_cast<size_t>(width) * height, 0);
  }

  Rect Bounds() const { return Rect{0, 0, picture_.width, picture_.height}; }

  uint8_t Colour(Rgb colour) {
    // Painted pixels must never vanish into the colour key.
    if (colour == picture_.palette[0]) colour.b ^= 1;
    for (size_t i = 1; i < picture_.palette.size(); ++i) {
      if (picture_.palette[i] == colour) return static_cast<uint8_t>(i);
    }
    if (picture_.palette.size() == 256) throw std::logic_error("placeholder palette is full");
    picture_.palette.push_back(colour);
    return static_cast<uint8_t>(picture_.palette.size() - 1);
  }

  void Plot(int x, int y, uint8_t index) {
    if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height) return;
    picture_.indices[static_cast<size_t>(y) * picture_.width + x] = index;
  }

  void FillRect(const Rect& r, uint8_t index) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) Plot(x, y, index);
    }
  }

  // The pixels whose centres lie inside the ellipse that fits r.
  void FillEllipse(const Rect& r, uint8_t index) {
    const int64_t w = r.Width();
    const int64_t h = r.Height();
    if (w <= 0 || h <= 0) return;
    for (int y = r.top; y < r.bottom; ++y) {
      const int64_t dy = 2 * y + 1 - (2 * r.top + h);  // twice the distance from the centre
      for (int x = r.left; x < r.right; ++x) {
        const int64_t dx = 2 * x + 1 - (2 * r.left + w);
        if (dx * dx * h * h + dy * dy * w * w <= w * w * h * h) Plot(x, y, index);
      }
    }
  }

  void FillRoundedRect(const Rect& r, int radius, uint8_t index) {
    radius = std::min({radius, r.Width() / 2, r.Height() / 2});
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const int cx = std::clamp(x, r.left + radius, r.right - 1 - radius);
        const int cy = std::clamp(y, r.top + radius, r.bottom - 1 - radius);
        const int dx = x - cx;
        const int dy = y - cy;
        if (dx * dx + dy * dy <= radius * radius) Plot(x, y, index);
      }
    }
  }

  IndexedPicture Take() { return std::move(picture_); }

 private:
  IndexedPicture picture_;
};

Rect Inset(const Rect& r, int by) {
  return Rect{r.left + by, r.top + by, std::max(r.left + by, r.right - by),
              std::max(r.top + by, r.bottom - by)};
}

// A rectangle of the given fraction of r's size about r's centre.
Rect Scaled(const Rect& r, double fraction) {
  const int w = std::max(1, static_cast<int>(r.Width() * fraction + 0.5));
  const int h = std::max(1, static_cast<int>(r.Height() * fraction + 0.5));
  const int left = r.left + (r.Width() - w) / 2;
  const int top = r.top + (r.Height() - h) / 2;
  return RectOfSize(left, top, w, h);
}

// Hue in degrees, saturation and value from 0 to 255.
Rgb Hsv(int hue, int saturation, int value) {
  hue = ((hue % 360) + 360) % 360;
  const int sector = hue / 60;
  const int f = (hue % 60) * 255 / 60;
  const auto p = static_cast<uint8_t>(value * (255 - saturation) / 255);
  const auto q = static_cast<uint8_t>(value * (255 - saturation * f / 255) / 255);
  const auto t = static_cast<uint8_t>(value * (255 - saturation * (255 - f) / 255) / 255);
  const auto v = static_cast<uint8_t>(value);
  switch (sector) {
    case 0:
      return Rgb{v, t, p};
    case 1:
      return Rgb{q, v, p};
    case 2:
      return Rgb{p, v, t};
    case 3:
      return Rgb{p, q, v};
    case 4:
      return Rgb{t, p, v};
    default:
      return Rgb{v, p, q};
  }
}

Rgb Mix(Rgb a, Rgb b, double t) {
  auto channel = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(x + (y - x) * t + 0.5); };
  return Rgb{channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Menu entries, captions, digits and letters: a rounded bar with a row of
// darker blocks standing in for the lettering.
void PaintLabel(Canvas& canvas, const Rect& pattern, int hue, PlaceholderRandom& random) {
  const Rect bar = Inset(pattern, 1);
  canvas.FillRoundedRect(bar, std::min(4, bar.Height() / 4), canvas.Colour(Hsv(hue, 140, 210)));
  if (bar.Width() < 8 || bar.Height() < 8) return;
  const uint8_t ink = canvas.Colour(Hsv(hue, 200, 80));
  const int top = bar.top + bar.Height() * 3 / 10;
  const int bottom = bar.bottom - bar.Height() * 3 / 10;
  int x = bar.left + 3;
  while (true) {
    const int width = random.Between(2, 5);
    if (x + width > bar.right - 3) break;
    canvas.FillRect(Rect{x, top, x + width, bottom}, ink);
    x += width + (random.Below(6) == 0 ? 4 : 1);
  }
}

// Ships, enemies, shots and pick-ups: an outlined ellipse with a highlight.
// Each frame of an animation shifts the hue.
void PaintSprite(Canvas& canvas, const Rect& pattern, int hue) {
  const Rect body = Inset(pattern, 1);
  canvas.FillEllipse(body, canvas.Colour(Hsv(hue, 200, 120)));
  canvas.FillEllipse(Inset(body, 1), canvas.Colour(Hsv(hue, 170, 220)));
  if (body.Width() >= 8 && body.Height() >= 8) {
    const Rect shine = RectOfSize(body.left + body.Width() / 4, body.top + body.Height() / 5,
                                  body.Width() / 4, body.Height() / 5);
    canvas.FillEllipse(shine, canvas.Colour(Hsv(hue, 60, 255)));
  }
}

// An explosion frame: a fireball that swells, cools from yellow through red
// and ends as grey smoke over the run of frames.
void PaintExplosion(Canvas& canvas, const Rect& pattern, int frame, int frames) {
  const double t = (frame + 0.5) / frames;
  const Rect ball = Scaled(Inset(pattern, 1), std::min(1.0, 0.35 + 0.65 * t / 0.6));
  const Rgb hot{255, 170, 40};
  const Rgb red{200, 60, 30};
  const Rgb smoke{90, 82, 80};
  const Rgb outer = t < 0.5 ? Mix(hot, red, t / 0.5) : Mix(red, smoke, (t - 0.5) / 0.5);
  canvas.FillEllipse(ball, canvas.Colour(outer));
  if (t < 0.75) {
    canvas.FillEllipse(Scaled(ball, 0.6 * (1.0 - t / 0.75)), canvas.Colour(Rgb{255, 240, 180}));
  }
}

// The star field: black sky (not the key) sprinkled with grey and white stars.
void PaintStars(Canvas& canvas, PlaceholderRandom& random) {
  const Rect sky = canvas.Bounds();
  canvas.FillRect(sky, canvas.Colour(Rgb{0, 0, 0}));
  const uint8_t greys[] = {canvas.Colour(Rgb{60, 60, 70}), canvas.Colour(Rgb{100, 100, 110}),
                           canvas.Colour(Rgb{150, 150, 160}), canvas.Colour(Rgb{210, 210, 215}),
                           canvas.Colour(Rgb{255, 255, 255})};
  constexpr int kStars = 900;
  for (int i = 0; i < kStars; ++i) {
    const int x = random.Below(sky.Width());
    const int y = random.Below(sky.Height());
    const int shade = std::min(random.Below(6), 4);
    canvas.Plot(x, y, greys[shade]);
    if (shade == 4 && random.Below(4) == 0) {
      canvas.Plot(x - 1, y, greys[2]);
      canvas.Plot(x + 1, y, greys[2]);
      canvas.Plot(x, y - 1, greys[2]);
      canvas.Plot(x, y + 1, greys[2]);
    }
  }
}

// Clouds: a few grey blobs, darker at the rim, on the colour key.
void PaintClouds(Canvas& canvas, PlaceholderRandom& random) {
  const Rgb shades[] = {{96, 96, 104}, {128, 128, 136}, {160, 160, 168}};
  constexpr int kBlobs = 5;
  constexpr int kPuffs = 5;
  const Rect area = Inset(canvas.Bounds(), 1);
  for (int blob = 0; blob < kBlobs; ++blob) {
    const int bx = random.Between(area.left + 101, area.right - 101);
    const int by = random.Between(area.top + 46, area.bottom - 46);
    Rect puffs[kPuffs];
    for (Rect& puff : puffs) {
      const int rx = random.Between(30, 60);
      const int ry = random.Between(15, 30);
      const int cx = bx + random.Between(-40, 40);
      const int cy = by + random.Between(-15, 15);
      puff = Rect{cx - rx, cy - ry, cx + rx, cy + ry};
    }
    for (int layer = 0; layer < 3; ++layer) {
      const uint8_t index = canvas.Colour(shades[layer]);
      for (const Rect& puff : puffs) canvas.FillEllipse(Inset(puff, layer * 6), index);
    }
  }
}

enum class Style { kLabel, kSprite, kExplosion, kStars, kClouds };

Style StyleOf(const ImageListSpec& list, const ImageSpec& item) {
  if (item.name == "stars") return Style::kStars;
  if (item.name == "clouds") return Style::kClouds;
  if (list.holder == Holder::kExplosion) return Style::kExplosion;
  const bool animated = item.PatternCount() > 1;
  if (list.holder == Holder::kMain && !animated) return Style::kLabel;
  return Style::kSprite;
}

}  // namespace

IndexedPicture PlaceholderPicture(const ImageListSpec& list, int list_index, int item_index) {
  const ImageSpec& item = list.items[item_index];
  Canvas canvas(item.width, item.height, item.key);
  PlaceholderRandom random(PlaceholderSeed(list_index, item_index));
  const Style style = StyleOf(list, item);
  if (style == Style::kStars) {
    PaintStars(canvas, random);
    return canvas.Take();
  }
  if (style == Style::kClouds) {
    PaintClouds(canvas, random);
    return canvas.Take();
  }

  // Patterns run left to right, then top to bottom.
  const int pattern_width = item.pattern_width > 0 ? item.pattern_width : item.width;
  const int pattern_height = item.pattern_height > 0 ? item.pattern_height : item.height;
  const int per_row = item.width / pattern_width;
  const int frames = item.PatternCount();
  const int hue = list_index * 67 + item_index * 29;
  for (int frame = 0; frame < frames; ++frame) {
    const Rect pattern =
        RectOfSize((frame % per_row) * pattern_width, (frame / per_row) * pattern_height,
                   pattern_width, pattern_height);
    switch (style) {
      case Style::kLabel:
        PaintLabel(canvas, pattern, hue, random);
        break;
      case Style::kExplosion:
        PaintExplosion(canvas, pattern, frame, frames);
        break;
      default:
        PaintSprite(canvas, pattern, hue + frame * 360 / (frames + 1));
        break;
    }
  }
  return canvas.Take();
}

}  // namespace zephyrant::assetgen
