// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The high-score table: the rule a new score goes in by, the glyphs a name
// and a score are drawn with, and the screen's sprites.

#include <array>
#include <string>
#include <string_view>

#include "framework/sprite.h"
#include "world/game_world.h"
#include "world/settings.h"

namespace zephyrant {

class GameWorld;
struct GameState;

// The blinking name-entry cursor of the high-score table. It shows only
// while the table takes a name.
class NameCursor final : public ImageSprite {
 public:
  explicit NameCursor(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// One glyph of a name or a score on the table. Its move step is the table
// screen's state machine; the first glyph to move in a step does the work.
class HighScoreGlyph final : public ImageSprite {
 public:
  explicit HighScoreGlyph(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// Cursor blink speeds after a lost game and after a won or aborted one.
inline constexpr double kLostGameCursorSpeed = 1.0 / 3.0;
inline constexpr double kEndedGameCursorSpeed = 0.2;

// The `cr` cursor at the name-entry position, under the glyphs.
void CreateNameEntryCursor(GameWorld& world, double frame_speed);

// Opens the table with the current score as the new score; does nothing
// while the table is opening or shown.
void OpenHighScoreTable(GameWorld& world);
// The table after a won or lost game, with the name-entry cursor.
void OpenTableAfterGame(GameWorld& world, GameEnding ending);

// Puts `score` into the table where it belongs, moving the rows below it
// down one place and dropping the last. Only a score above a row's and below
// the row's above it goes in, so 0 and a tie with any row never do. The
// row (0..6) it went to, or -1.
int InsertScore(HighScoreNames& names, HighScoreScores& scores, int32_t score);

// The glyph code is two characters naming a picture: "a0".."z0", "A1".."Z1",
// "00".."90", and the dot "sc" for an empty place.
inline constexpr std::string_view kDotGlyph = "sc";
bool IsGlyphCode(std::string_view code);
// The code a typed character stands for; empty for all but letters and digits.
std::string GlyphCodeFor(char typed);
// The code drawn in place `cell` (0..14) of a stored name: the dot where the
// name is shorter or its piece is not a glyph.
std::string NameGlyph(std::string_view name, int cell);
// The codes of a score right-aligned in seven places; a longer score shows
// its first seven digits.
std::array<std::string, 7> ScoreGlyphs(int32_t score);

// Puts up the whole table in glyphs.
void DrawHighScoreTable(GameWorld& world);
// The cursor stands after the glyphs typed, on the edit row.
void PlaceNameEntryCursor(GameState& state);

// The table's two buttons. `save` stores the typed name with the new score;
// both lead back to the main menu.
void ChooseHighScoreSave(GameWorld& world, bool by_mouse);
void ChooseHighScoreCancel(GameWorld& world);

}  // namespace zephyrant
