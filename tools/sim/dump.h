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
#include <vector>

#include "framework/assets.h"
#include "framework/sound_list.h"
#include "game/main_window.h"
#include "game/state_text.h"

namespace zephyrant {

class DumpWriter {
 public:
  // Learns which image list holds each picture of `assets`.
  explicit DumpWriter(AssetLibrary& assets);

  // The dump after frame `frame`; takes the sounds out of `sounds`.
  std::string Dump(int frame, MainWindow& main_window, std::vector<SoundEvent>& sounds) const;
  // The state hash a replay checks.
  uint64_t StateHash(MainWindow& main_window) const { return state_.Hash(main_window); }

 private:
  StateWriter state_;
};

}  // namespace zephyrant
