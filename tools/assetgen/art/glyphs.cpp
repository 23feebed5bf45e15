// SPDX-License-Identifier: GPL-3.0-or-later
// The letters of the high-score table: digits, capitals and small letters
// at the exact widths the table is laid out with, all standing on one
// baseline (row 24, the bottom of the 25-high digits), with descenders and
// the tail of the Q below it; the dot that fills empty places, and the
// blinking name-entry cursor.

#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"
#include "tools/assetgen/draw/text.h"

namespace zephyrant::assetgen {

namespace {

constexpr float kBaseline = 23.4f;
constexpr float kCapHeight = 21.5f;
constexpr float kSideMargin = 1.3f;

Picture Letter(const Font& font, char ch, int w, int h) {
  const std::string text(1, ch);
  const Box ink = font.Measure(text);
  TextPlacement p;
  p.em = kCapHeight / font.CapHeight();
  const float ink_w = (ink.x1 - ink.x0) * p.em;
  p.scale_x = (w - 2 * kSideMargin) / ink_w;
  p.origin = {kSideMargin - ink.x0 * p.em * p.scale_x, kBaseline};
  // A descender in a picture without room for one (the y) is squatted from
  // the top of the small letters down, so it stays whole.
  const float bottom = kBaseline + ink.y1 * p.em;
  const float room = h - 1.3f;
  if (bottom > room) {
    const float top = kBaseline + ink.y0 * p.em;
    p.scale_y = (room - top) / (bottom - top);
    p.origin.y = top + (kBaseline - top) * p.scale_y;
  }
  TextStyle style;
  style.outline_width = 1.1f;
  style.gradient_top = kBaseline - kCapHeight;
  style.gradient_bottom = kBaseline;
  Finish finish;
  finish.outline = false;
  return Finished(SetText(font, text, w, h, p, style), finish);
}

Picture Dot() {
  Canvas c(19, 27, 4);
  const Shape dot = Circle({9.5f, 16}, 2.8f);
  c.Fill(Grown(dot, 1.1f), Rgb8(24, 10, 4));
  c.Fill(dot, Glowing(Rgb8(200, 100, 0), Rgb8(255, 230, 140), 2.5f));
  return Finished(c.Resolve(), Finish{0.5f, false, false, {}});
}

// The cursor: a bright bar under the next letter, and its dim blink.
Picture Cursor(int frame) {
  Canvas c(20, 27, 4);
  const Shape bar = RoundBox({10, 23}, {8.5f, 1.8f}, 1);
  c.Fill(Grown(bar, 1.1f), Rgb8(24, 10, 4));
  if (frame == 0) {
    c.Fill(bar, Glowing(Rgb8(255, 170, 0), Rgb8(255, 255, 220), 1.5f));
  } else {
    c.Fill(bar, Rgb8(110, 60, 10));
  }
  return Finished(c.Resolve(), Finish{0.5f, false, false, {}});
}

}  // namespace

Picture PaintGlyph(const ImageSpec& item, const std::string& font_path) {
  const std::string& n = item.name;
  if (n == "sc") return Dot();
  if (n == "cr") return Sheet(item, Cursor);
  if (n.size() == 2) {
    const Font& font = DisplayFont(font_path);
    if (n[1] == '0' && n[0] >= '0' && n[0] <= '9')
      return Letter(font, n[0], item.width, item.height);
    if (n[1] == '1' && n[0] >= 'A' && n[0] <= 'Z')
      return Letter(font, n[0], item.width, item.height);
    if (n[1] == '0' && n[0] >= 'a' && n[0] <= 'z')
      return Letter(font, n[0], item.width, item.height);
  }
  UnknownPicture("the high-score letters", item);
}

}  // namespace zephyrant::assetgen
