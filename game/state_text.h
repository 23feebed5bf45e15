// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game's state as text: every game-wide variable by its dump name and
// the whole sprite tree in insertion order, each sprite's class, picture,
// position and state. The runner's dumps show it; a replay checks its hash.

#include <cstdint>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>

#include "framework/assets.h"
#include "world/game_world.h"

namespace zephyrant {

// JSON text pieces, appended to `out`.
void AppendJsonString(std::string& out, std::string_view text);
// The shortest text that reads back as the same double; null for NaN and infinities.
void AppendJsonNumber(std::string& out, double value);
// `"key":`
void AppendJsonKey(std::string& out, const char* key);
void AppendJsonInt(std::string& out, long long value);
// `[a,b,...]`, each item appended by `append(out, item)`.
template <class Items, class Append>
void AppendJsonList(std::string& out, const Items& items, Append append) {
  out += '[';
  bool first = true;
  for (const auto& item : items) {
    if (!first) out += ',';
    first = false;
    append(out, item);
  }
  out += ']';
}

// A class's name as the game spells it: "MenuItem", not "zephyrant::MenuItem".
std::string ClassName(const std::type_info& type);

class StateWriter {
 public:
  // Learns which image list holds each picture of `assets`.
  explicit StateWriter(AssetLibrary& assets);

  // `"vars":{...},"sprites":[...]`; without the desktop, the desktop's size
  // is left out of the variables.
  void AppendVarsAndSprites(std::string& out, GameWorld& world, bool with_desktop) const;
  // The state hash: FNV-1a 64 of `{` the variables and sprites without the
  // desktop `}`. The same game on another desktop hashes the same.
  uint64_t Hash(GameWorld& world) const;

 private:
  void AppendSprite(std::string& out, const Sprite& sprite) const;
  void AppendImage(std::string& out, const PictureItem* image) const;

  std::unordered_map<const PictureItem*, std::string> list_of_;
};

}  // namespace zephyrant
