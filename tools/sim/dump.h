// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The runner's picture of the game after a frame, as one line of JSON:
//
//   {"frame": F, "vars": {...}, "sprites": [...], "texts": [...], "sounds": [...]}
//
// vars holds every game-wide variable by its dump name; sprites the whole
// sprite tree in insertion order; texts what the frame drew as text; sounds
// every sound started since the previous dump.

#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "framework/assets.h"
#include "framework/sound_list.h"
#include "game/main_window.h"

namespace zephyrant {

// JSON text pieces, appended to `out`.
void AppendJsonString(std::string& out, std::string_view text);
// The shortest text that reads back as the same double; null for NaN and infinities.
void AppendJsonNumber(std::string& out, double value);

// A class's name as the game spells it: "MenuItem", not "zephyrant::MenuItem".
std::string ClassName(const std::type_info& type);

class DumpWriter {
 public:
  // Learns which image list holds each picture of `assets`.
  explicit DumpWriter(AssetLibrary& assets);

  // The dump after frame `frame`; takes the sounds out of `sounds`.
  std::string Dump(int frame, MainWindow& main_window, std::vector<SoundEvent>& sounds) const;
  // What a replay checks of a frame: the game-wide variables and every
  // sprite's class, picture, position and state, as the dump shows them.
  std::string StateText(MainWindow& main_window) const;

 private:
  void AppendSprite(std::string& out, const Sprite& sprite) const;
  void AppendVarsAndSprites(std::string& out, MainWindow& main_window) const;
  void AppendImage(std::string& out, const PictureItem* image) const;

  std::unordered_map<const PictureItem*, std::string> list_of_;
};

}  // namespace zephyrant
