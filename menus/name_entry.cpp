// SPDX-License-Identifier: GPL-3.0-or-later
// Typing a name for a new high score, glyph by glyph.

#include "menus/high_scores.h"
#include "menus/keyboard.h"
#include "world/game_world.h"

namespace zephyrant {

void HandleKeyPress(GameWorld& world, char character) {
  GameState& state = world.State();
  // Keys pressed before the last one was drawn, and keys on a table that
  // holds no new score, type nothing.
  if (state.screenState != kHighScores || state.nameEntryOpen == 0) return;
  if (character == '\b') {
    state.pendingCode = std::string(kDotGlyph);
    if (state.glyphCount >= 1 && state.typedName.size() >= 2) {
      state.typedName.resize(state.typedName.size() - 2);
      state.screenState = kGlyphErased;
    }
    return;
  }
  const std::string code = GlyphCodeFor(character);
  if (code.empty() || state.glyphCount >= kNameGlyphs) return;
  state.pendingCode = code;
  state.typedName += code;
  state.screenState = kGlyphTyped;
}

}  // namespace zephyrant
