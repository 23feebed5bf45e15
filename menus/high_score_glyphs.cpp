// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score table in glyphs: names and scores drawn as pictures, the
// typed name redrawn glyph by glyph, and the way back to the main menu.

#include <cstdio>

#include "menus/high_scores.h"
#include "menus/menu_screens.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kCellWidth = 30;
constexpr int kNameLeft = 20;
constexpr int kScoreLeft = 500;
constexpr int kRowHeight = 50;
constexpr int kTableTop = 100;
constexpr int kScorePlaces = 7;
constexpr int kTitleSlot = 4;

bool IsLower(char c) {
  return c >= 'a' && c <= 'z';
}
bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

double RowY(int row) {
  return kRowHeight * row + kTableTop;
}

// A glyph in its 30-pixel cell, centred there unless `own_width`.
HighScoreGlyph& PutGlyph(GameWorld& world, std::string_view code, double x, double y,
                         bool own_width = false) {
  HighScoreGlyph& glyph = world.Engine().Spawn<HighScoreGlyph>();
  glyph.SetImage(world.Images("HighScores").Item(code));
  glyph.X = x;
  glyph.Y = y;
  if (!own_width) glyph.Width = kCellWidth;
  return glyph;
}

bool ValidCell(const GameState& state, int cell) {
  return state.editRow >= 0 && state.editRow < kHighScoreRows && cell >= 0 && cell < kNameGlyphs;
}

// The glyph typed or erased last takes its cell on the edit row.
void RedrawNameCell(GameWorld& world, int cell, bool own_width) {
  GameState& state = world.State();
  if (!ValidCell(state, cell)) return;
  uint32_t& serial = state.nameGlyphs[state.editRow * kNameGlyphs + cell];
  if (Sprite* old = world.Engine().Find(serial)) old->Kill();
  serial = PutGlyph(world, state.pendingCode, kCellWidth * cell + kNameLeft, RowY(state.editRow),
                    own_width)
               .Serial();
  state.touchedRow = state.editRow;
}

void LeaveTable(GameWorld& world) {
  KillMenuSlots(world, kTitleSlot, kTitleSlot);
  GameEngine& engine = world.Engine();
  for (int i = 0; i < engine.ChildCount(); ++i) {
    Sprite& sprite = engine.Child(i);
    if (dynamic_cast<HighScoreGlyph*>(&sprite) != nullptr) sprite.Kill();
  }
  world.State().nameGlyphs.fill(0);
  ShowMainMenu(world);
}

}  // namespace

bool IsGlyphCode(std::string_view code) {
  if (code == kDotGlyph) return true;
  if (code.size() != 2) return false;
  const char kind = code[1];
  return ((IsLower(code[0]) || IsDigit(code[0])) && kind == '0') ||
         (IsUpper(code[0]) && kind == '1');
}

std::string GlyphCodeFor(char typed) {
  if (IsLower(typed) || IsDigit(typed)) return std::string{typed, '0'};
  if (IsUpper(typed)) return std::string{typed, '1'};
  return {};
}

std::string NameGlyph(std::string_view name, int cell) {
  const size_t at = static_cast<size_t>(cell) * 2;
  if (cell < 0 || at >= name.size()) return std::string(kDotGlyph);
  const std::string_view piece = name.substr(at, 2);
  return IsGlyphCode(piece) ? std::string(piece) : std::string(kDotGlyph);
}

std::array<std::string, 7> ScoreGlyphs(int32_t score) {
  char text[16];
  std::snprintf(text, sizeof text, "%7d", static_cast<int>(score));
  std::array<std::string, kScorePlaces> codes;
  for (int place = 0; place < kScorePlaces; ++place) {
    const char c = text[place];
    codes[place] = IsDigit(c) ? std::string{c, '0'} : std::string(kDotGlyph);
  }
  return codes;
}

void DrawHighScoreTable(GameWorld& world) {
  GameState& state = world.State();
  for (int row = 0; row < kHighScoreRows; ++row) {
    for (int cell = 0; cell < kNameGlyphs; ++cell) {
      const std::string code = NameGlyph(state.hiscoreNames[row], cell);
      state.nameGlyphs[row * kNameGlyphs + cell] =
          PutGlyph(world, code, kCellWidth * cell + kNameLeft, RowY(row)).Serial();
    }
    const std::array<std::string, kScorePlaces> digits = ScoreGlyphs(state.hiscoreScores[row]);
    for (int place = 0; place < kScorePlaces; ++place) {
      PutGlyph(world, digits[place], kCellWidth * place + kScoreLeft, RowY(row));
      state.pendingCode = digits[place];
    }
  }
}

void PlaceNameEntryCursor(GameState& state) {
  state.cursorX = kCellWidth * state.glyphCount + kNameLeft;
  state.cursorY = RowY(state.editRow);
}

void HighScoreGlyph::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (state.screenState == kEnteringHighScores) state.screenState = kHighScores;
  if (state.screenState == kLeavingHighScores) LeaveTable(world);
  if (state.screenState == kGlyphTyped) {
    RedrawNameCell(world, state.glyphCount, false);
    state.screenState = kHighScores;
    ++state.glyphCount;
  }
  if (state.screenState == kGlyphErased) {
    // The dot of an erased place stands at the cell's left edge.
    RedrawNameCell(world, state.glyphCount - 1, true);
    state.screenState = kHighScores;
    --state.glyphCount;
  }
  PlaceNameEntryCursor(state);
}

}  // namespace zephyrant
