// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures made of words, all set in the one display font: the logo,
// screen titles, menu items and buttons on plates, option values, the level
// banners and numbers, and the labels of the playing screen. Highlighted
// forms (`_1`, or a trailing `1` in the main menu) are brighter and glow.
// The two labels of the playing screen are set in the game's own font
// instead, so they match the numbers drawn beside them.

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"
#include "tools/assetgen/draw/text.h"

namespace zephyrant::assetgen {

namespace {

enum class Kind { kLogo, kTitle, kPlate, kWord, kHudLabel };

struct Words {
  std::string text;
  Kind kind;
  bool lit;
};

TextStyle Gold(bool lit) {
  TextStyle s;
  if (lit) {
    s.top = Rgb8(255, 255, 240);
    s.middle = Rgb8(255, 230, 120);
    s.bottom = Rgb8(255, 160, 40);
    s.outline = Rgb8(90, 30, 0);
    s.outline_width = 1.5f;
  }
  return s;
}

TextStyle Chrome() {
  TextStyle s;
  s.top = Rgb8(255, 255, 255);
  s.middle = Rgb8(150, 205, 255);
  s.bottom = Rgb8(40, 90, 200);
  s.outline = Rgb8(6, 10, 34);
  s.outline_width = 1.6f;
  return s;
}

// Which words each picture carries.
Words WordsOf(const std::string& list, const ImageSpec& item) {
  const std::string& name = item.name;
  static const std::map<std::string, std::string> kText = {{"help", "HELP"},
                                                           {"new_game", "NEW GAME"},
                                                           {"options", "OPTIONS"},
                                                           {"scores", "HIGH SCORES"},
                                                           {"exit", "EXIT"},
                                                           {"sound", "SOUND"},
                                                           {"music", "MUSIC"},
                                                           {"difficulty", "DIFFICULTY"},
                                                           {"fullscreen", "FULL SCREEN"},
                                                           {"save", "SAVE"},
                                                           {"cancel", "CANCEL"},
                                                           {"site", "WEB SITE"},
                                                           {"easy", "EASY"},
                                                           {"medium", "MEDIUM"},
                                                           {"hard", "HARD"},
                                                           {"yes", "YES"},
                                                           {"no", "NO"},
                                                           {"level", "LEVEL"},
                                                           {"complete", "LEVEL COMPLETE"},
                                                           {"ower", "GAME OVER"}};
  std::string base = name;
  bool lit = false;
  if (base.size() > 2 && (base.ends_with("_0") || base.ends_with("_1"))) {
    lit = base.back() == '1';
    base.resize(base.size() - 2);
  } else if (list == "Menu" && base.back() == '1') {
    lit = true;
    base.pop_back();
  }
  if (name == "logo") return {"ZEPHYRANT", Kind::kLogo, false};
  if (name == "Help") return {"HELP", Kind::kTitle, false};
  if (list == "Levels" && name != "level") return {name, Kind::kWord, false};
  if (list == "Start" && name == "scores") return {"SCORE", Kind::kHudLabel, false};
  if (list == "Start" && name == "live") return {"HEALTH", Kind::kHudLabel, false};
  const auto found = kText.find(base);
  if (found == kText.end()) throw std::logic_error("no words for the picture '" + name + "'");
  const bool title = (list == "Option" && name == "options");
  // The main menu's own items are 30 or 32 high; its second `scores` is
  // the high-score table's title.
  const bool menu_item = list == "Menu" && item.height >= 30;
  const bool option_item = list == "Option" && !title &&
                           (base == "sound" || base == "music" || base == "difficulty" ||
                            base == "fullscreen" || base == "save" || base == "cancel");
  const bool button = (list == "Start" || list == "GameHelp") &&
                      (base == "save" || base == "cancel" || base == "site");
  if (title) return {found->second, Kind::kTitle, false};
  if (menu_item || option_item || button) return {found->second, Kind::kPlate, lit};
  return {found->second, list == "Menu" ? Kind::kTitle : Kind::kWord, lit};
}

// How far a plate's words stay from its ends: past the chevrons with room
// to spare.
constexpr float kPlateInset = 18;

Image Plate(int w, int h, bool lit) {
  Canvas c(w, h, 4);
  const Shape plate = RoundBox({w / 2.0f, h / 2.0f}, {w / 2.0f - 1, h / 2.0f - 1}, h * 0.3f);
  const Colour rim = lit ? Rgb8(255, 200, 80) : Rgb8(150, 96, 30);
  c.Fill(plate, [&](const Surfel& s) {
    const float t = Clamp01(s.p.y / h);
    Colour face =
        Mix(lit ? Rgb8(70, 44, 20) : Rgb8(30, 30, 58), lit ? Rgb8(30, 16, 8) : Rgb8(10, 10, 26), t);
    const float edge = Clamp01(1 + s.d / 1.3f);
    return Mix(face, rim * (1 + 0.3f * Clamp01(-(s.out.x + s.out.y))), edge);
  });
  if (lit) c.Glow(Grown(plate, -3), Rgb8(255, 140, 20), 2.5f, 0.12f);
  // Chevrons at both ends.
  for (const float side : {-1.0f, 1.0f}) {
    const float x = w / 2.0f + side * (w / 2.0f - 7);
    c.Fill(Polygon({{x - side * 2.5f, h / 2.0f - 4},
                    {x + side * 1.5f, h / 2.0f},
                    {x - side * 2.5f, h / 2.0f + 4}}),
           rim, lit ? 1.0f : 0.7f);
  }
  return c.Resolve();
}

Picture SetWords(const Font& font, const Words& words, int w, int h) {
  Box box{1.5f, 1.5f, w - 1.5f, h - 1.5f};
  float min_stretch = 0.65f, max_stretch = 1.45f, tracking = 0.02f;
  TextStyle style = Gold(words.lit);
  Image back(w, h);
  switch (words.kind) {
    case Kind::kLogo:
      style = Chrome();
      tracking = 0.12f;
      break;
    case Kind::kTitle:
      tracking = 0.06f;
      max_stretch = 1.25f;
      break;
    case Kind::kPlate: {
      back = Plate(w, h, words.lit);
      // The words keep clear of the chevrons at the ends: a long word is
      // set smaller rather than squeezed against them.
      const float cap = h * 0.5f;
      box = Box{kPlateInset, (h - cap) / 2, w - kPlateInset, (h + cap) / 2};
      min_stretch = 0.9f;
      max_stretch = 1.15f;
      tracking = 0.06f;
      break;
    }
    case Kind::kWord:
    case Kind::kHudLabel:
      break;
  }
  const TextPlacement placement =
      FitText(font, words.text, box, tracking, min_stretch, max_stretch);
  const Box ink = font.Measure(words.text, tracking);
  style.gradient_top = placement.origin.y + ink.y0 * placement.em;
  style.gradient_bottom = placement.origin.y + ink.y1 * placement.em;
  const Image text = SetText(font, words.text, w, h, placement, style);
  const Image all = OverImage(back, text);
  Finish finish;
  finish.outline = words.kind == Kind::kPlate;
  return Finished(all, finish);
}

// The game draws the health and the score in its own font at 19 pixels,
// the top of the line 2 pixels above the labels' top: the numbers' baseline
// falls 16 pixels below it, on the labels' bottom edge, and their capitals
// are 13 pixels tall. Both labels share one narrowing, the one that fits
// HEALTH into its picture, and end where their picture ends, next to their
// number.
constexpr float kHudBaseline = 16;
constexpr float kHudCapHeight = 13;
constexpr float kHudWeight = 0.6f;

int HealthLabelWidth() {
  for (const ImageListSpec& list : ImageCatalogue()) {
    for (const ImageSpec& item : list.items) {
      if (list.name == "Start" && item.name == "live") return item.width;
    }
  }
  throw std::logic_error("the catalogue has no health label");
}

Picture SetHudLabel(const Font& font, const std::string& text, int w, int h) {
  const float em = kHudCapHeight / font.CapHeight();
  const Box health = font.Measure("HEALTH");
  const Box ink = font.Measure(text);
  TextPlacement placement;
  placement.em = em;
  placement.weight = kHudWeight;
  // Emboldening widens each letter by its weight.
  const float room = HealthLabelWidth() - 2.0f - kHudWeight * 6;
  placement.scale_x = room / ((health.x1 - health.x0) * em);
  const float thickening = kHudWeight * static_cast<float>(text.size());
  placement.origin = {w - 1 - ink.x1 * em * placement.scale_x - thickening, kHudBaseline};
  // The numbers are a flat orange; the labels are that orange, lit from above.
  TextStyle style;
  style.top = Rgb8(255, 225, 120);
  style.middle = Rgb8(255, 170, 0);
  style.bottom = Rgb8(225, 120, 0);
  style.outline_width = 1;
  style.emboss = 0.3f;
  style.gradient_top = kHudBaseline - kHudCapHeight;
  style.gradient_bottom = kHudBaseline;
  return Finished(SetText(font, text, w, h, placement, style), Finish{0.5f, false, false, {}});
}

}  // namespace

Picture PaintText(const std::string& list, const ImageSpec& item, const std::string& font_path) {
  const Words words = WordsOf(list, item);
  if (words.kind == Kind::kHudLabel) {
    return SetHudLabel(DisplayFont(ZEPHYRANT_GAME_FONT), words.text, item.width, item.height);
  }
  return SetWords(DisplayFont(font_path), words, item.width, item.height);
}

}  // namespace zephyrant::assetgen
