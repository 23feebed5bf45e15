// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures made of words, all set in the one display font: the logo,
// screen titles, menu items and buttons on plates, option values, the level
// banners and numbers, and the labels of the playing screen. Highlighted
// forms (`_1`, or a trailing `1` in the main menu) are brighter and glow.

#include <map>
#include <stdexcept>
#include <string>

#include "tools/assetgen/art/art.h"
#include "tools/assetgen/art/kit.h"
#include "tools/assetgen/draw/text.h"

namespace zephyrant::assetgen {

namespace {

enum class Kind { kLogo, kTitle, kPlate, kWord };

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
                                                           {"ower", "GAME OVER"},
                                                           {"live", "HEALTH"}};
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
  if (list == "Start" && name == "scores") return {"SCORE", Kind::kWord, false};
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
      const float cap = h * 0.5f;
      box = Box{12, (h - cap) / 2, w - 12.0f, (h + cap) / 2};
      max_stretch = 1.15f;
      tracking = 0.08f;
      break;
    }
    case Kind::kWord:
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

}  // namespace

Picture PaintText(const std::string& list, const ImageSpec& item, const std::string& font_path) {
  const Words words = WordsOf(list, item);
  return SetWords(DisplayFont(font_path), words, item.width, item.height);
}

}  // namespace zephyrant::assetgen
