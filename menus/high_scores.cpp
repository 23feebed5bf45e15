// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the high-score table, the new score's place in it, and its two
// buttons.

#include "menus/high_scores.h"

#include <algorithm>

#include "menus/menu_screens.h"
#include "menus/menu_sprites.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kTitleSlot = 4;
constexpr double kTitleY = 50;
// What an opening finds when the store holds no entry at all: the table
// gets one that no player beats by chance.
constexpr int32_t kEmptyTableScore = 700000;
constexpr int kHighlight = 0;

// Opening, shown, or taking a glyph.
bool TableIsUp(int32_t screen_state) {
  return screen_state == kEnteringHighScores || screen_state == kHighScores ||
         screen_state == kGlyphTyped || screen_state == kGlyphErased;
}

bool TableIsEmpty(const HighScoreNames& names, const HighScoreScores& scores) {
  return std::all_of(names.begin(), names.end(), [](const auto& n) { return n.empty(); }) &&
         std::all_of(scores.begin(), scores.end(), [](int32_t s) { return s == 0; });
}

bool NoEntry(const HighScoreNames& names, const HighScoreScores& scores) {
  return std::all_of(names.begin(), names.end(), [](const auto& n) { return n.empty(); }) &&
         std::none_of(scores.begin(), scores.end(), [](int32_t s) { return s > 0; });
}

void PutButtons(GameWorld& world) {
  GameState& state = world.State();
  const ImageList& start = world.Images(kHighScoreButtons.list);
  for (int slot = 1; slot <= kHighScoreButtons.last_item; ++slot) {
    const PictureItem& picture = start.Item(kHighScoreButtons.items[slot].normal);
    PutInSlot(world, slot, picture, state.menuColumnX,
              MenuRowY(picture.Height(), slot, kHighScoreButtons.base_y));
  }
  state.itemRequests[1] = kHighlight;
  state.menuSelection = 1;
}

// The new score goes in, and its row takes a name, only when it beats an
// entry; a score too low, tied or 0 leaves every entry as it was.
void PlaceNewScore(GameState& state) {
  HighScoreNames& names = state.hiscoreNames;
  HighScoreScores& scores = state.hiscoreScores;
  for (int row = 0; row < kHighScoreRows; ++row) {
    if (names[row].empty()) scores[row] = 0;
  }
  const int row = InsertScore(names, scores, state.score);
  if (row >= 0) {
    state.editRow = row;
    state.nameEntryOpen = 1;
  }
  if (state.score == 0 && state.editRow == 0) state.editRow = 1;
}

// 4.-9. The new score goes into the table as stored now and is stored at
// once, with no name yet; no other copy of the game saves in between.
void StoreNewScore(GameState& state, SettingsStore& store) {
  const SettingsUpdate update(store);
  // Without a store, the table in memory.
  ReadHighScoreTable(store, state.hiscoreNames, state.hiscoreScores);
  state.nameEntryOpen = 0;
  if (!NoEntry(state.hiscoreNames, state.hiscoreScores)) {
    PlaceNewScore(state);
    WriteHighScoreTable(store, state.hiscoreNames, state.hiscoreScores);
  }
  // A table with no entry at all gets one.
  if (TableIsEmpty(state.hiscoreNames, state.hiscoreScores)) {
    state.hiscoreNames[0] = std::string(kFirstRunName);
    state.hiscoreScores[0] = kEmptyTableScore;
    if (WriteHighScoreTable(store, state.hiscoreNames, state.hiscoreScores)) state.editRow = 1;
  }
}

// The row of `table` that holds this game's new score, still without a
// name: the edit row while it is there, else wherever another copy of the
// game has moved it since. When another copy's opening freed it meanwhile,
// the score goes in again by the same rule. -1 when it has no place left.
int OwnRow(HighScoreNames& names, HighScoreScores& scores, int32_t score, int edit_row) {
  const auto ours = [&](int row) {
    return row >= 0 && row < kHighScoreRows && names[row].empty() && scores[row] == score;
  };
  if (ours(edit_row)) return edit_row;
  for (int row = 0; row < kHighScoreRows; ++row) {
    if (ours(row)) return row;
  }
  return InsertScore(names, scores, score);
}

}  // namespace

int InsertScore(HighScoreNames& names, HighScoreScores& scores, int32_t score) {
  for (int row = 0; row < kHighScoreRows; ++row) {
    const bool beats_row = score > scores[row];
    const bool below_row_above = row == 0 || score < scores[row - 1];
    if (!beats_row || !below_row_above) continue;
    // Even a hand-edited table out of order gets the score only once.
    for (int below = kHighScoreRows - 1; below > row; --below) {
      names[below] = std::move(names[below - 1]);
      scores[below] = scores[below - 1];
    }
    names[row].clear();
    scores[row] = score;
    return row;
  }
  return -1;
}

void OpenHighScoreTable(GameWorld& world) {
  GameState& state = world.State();
  // The table opens once: opening it again over itself would put the new
  // score in a second time and every glyph twice.
  if (TableIsUp(state.screenState)) return;
  // 1. From the main menu, its items go.
  if (state.screenState == kMainMenu) KillMenuSlots(world, 0, kMainMenuScreen.last_item);
  // A won game comes here without the pointer; the table is worked by mouse too.
  EnsurePointer(world);
  // 2. The buttons, `save` highlighted.
  PutButtons(world);
  state.screenState = kEnteringHighScores;
  state.pendingCode = std::string(kDotGlyph);
  // 3. The title: the list's second `scores`, so taken by its place.
  const ImageList& menu = world.Images("Menu");
  PutInSlot(world, kTitleSlot, menu.Item(menu.Count() - 1), state.menuColumnX, kTitleY);
  // 4.-9. The new score's place in the table as stored.
  StoreNewScore(state, world.Services().settings);
  // 10. The table in glyphs, and a fresh name.
  DrawHighScoreTable(world);
  state.glyphCount = 0;
  state.typedName.clear();
  state.touchedRow = -1;
  PlaceNameEntryCursor(state);
}

void OpenTableAfterGame(GameWorld& world, GameEnding ending) {
  if (ending == GameEnding::kWon) {
    world.HiScores();
    CreateNameEntryCursor(world, kEndedGameCursorSpeed);
    return;
  }
  // A lost game has had the mouse captured for the ship: the table gets the
  // window back and a pointer in the middle of it.
  GameState& state = world.State();
  world.WindowMode();
  CreatePointer(world);
  world.Services().display.WarpPointer(state.surfaceWidth / 2, state.surfaceHeight / 2);
  CreateNameEntryCursor(world, kLostGameCursorSpeed);
  world.HiScores();
}

void ChooseHighScoreSave(GameWorld& world, bool by_mouse) {
  GameState& state = world.State();
  if (by_mouse) PlayClickSound(world);
  // Only the new score's own row takes the name, and only when the score
  // went in, so no other entry can be changed from here. Another copy of the
  // game may have stored a score since the opening, so the name goes into
  // the table as stored now (as in memory without a store).
  if (state.nameEntryOpen != 0) {
    SettingsStore& store = world.Services().settings;
    const SettingsUpdate update(store);
    ReadHighScoreTable(store, state.hiscoreNames, state.hiscoreScores);
    if (state.touchedRow >= 0 && state.touchedRow < kHighScoreRows) {
      const int row = OwnRow(state.hiscoreNames, state.hiscoreScores, state.score, state.editRow);
      if (row >= 0) state.hiscoreNames[row] = state.typedName;
    }
    WriteHighScoreTable(store, state.hiscoreNames, state.hiscoreScores);
  }
  KillMenuSlots(world, 1, kHighScoreButtons.last_item);
  state.screenState = kLeavingHighScores;
}

void ChooseHighScoreCancel(GameWorld& world) {
  KillMenuSlots(world, 1, kHighScoreButtons.last_item);
  PlayClickSound(world);
  world.State().screenState = kLeavingHighScores;
}

void NameCursor::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  const GameState& state = WorldOf(*this).State();
  if (state.screenState == kMainMenu) {
    Kill();
    return;
  }
  X = state.cursorX;
  Y = state.cursorY;
  Visible = state.nameEntryOpen != 0;
}

void CreateNameEntryCursor(GameWorld& world, double frame_speed) {
  NameCursor& cursor = world.Engine().Spawn<NameCursor>();
  cursor.SetImage(world.Images("HighScores").Item("cr"));
  cursor.X = world.State().cursorX;
  cursor.Y = world.State().cursorY;
  cursor.SetZ(-1);
  cursor.FrameLooped = true;
  cursor.FrameSpeed = frame_speed;
  // Whether a name is taken is known once the cursor has moved.
  cursor.Visible = false;
}

}  // namespace zephyrant
