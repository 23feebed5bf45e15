// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score table as a game ends, as a name is typed, and as the store
// keeps it between runs.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "menus/high_scores.h"
#include "platform/common/settings_file.h"
#include "platform/headless/scratch_folder.h"
#include "tests/menus/menu_game.h"
#include "world/settings.h"

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

const HighScoreNames kNames{"A1", "B1", "C1", "D1", "E1", "F1", "G1"};
const HighScoreScores kScores{5000, 4000, 3000, 2000, 1000, 500, 100};

void StoreTable(const fs::path& folder, const HighScoreNames& names,
                const HighScoreScores& scores) {
  SettingsFile file(folder);
  ASSERT_TRUE(WriteHighScoreTable(file, names, scores));
}

std::pair<HighScoreNames, HighScoreScores> StoredTable(const fs::path& folder) {
  SettingsFile file(folder);
  std::pair<HighScoreNames, HighScoreScores> table;
  EXPECT_TRUE(ReadHighScoreTable(file, table.first, table.second));
  return table;
}

std::string FileText(const fs::path& folder) {
  std::ifstream in(folder / SettingsFile::kFileName, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A game from the main menu, aborted with the given score.
void EndGameWithScore(MenuGame& game, int32_t score) {
  game.Press("Return");
  ASSERT_EQ(game.State().screenState, kPlaying);
  game.State().score = score;
  game.Press("Escape");
  ASSERT_EQ(game.State().screenState, kHighScores);
}

// The name glyphs of a table row, left to right.
std::vector<std::string> RowGlyphs(MenuGame& game, int row) {
  std::map<double, std::string> by_x;
  for (const HighScoreGlyph* glyph : game.Alive<HighScoreGlyph>()) {
    if (glyph->Y == 50 * row + 100 && glyph->X < 500) by_x[glyph->X] = glyph->Image->Name;
  }
  std::vector<std::string> glyphs;
  for (const auto& [x, name] : by_x) glyphs.push_back(name);
  return glyphs;
}

TEST(HighScores, NewRecordGoesToItsPlaceAndIsStoredAtOnce) {
  struct Case {
    int32_t score;
    int row;  // -1: not in the table
  };
  for (const Case c : {Case{6000, 0}, Case{2500, 3}, Case{3000, -1}, Case{0, -1}}) {
    SCOPED_TRACE(c.score);
    ScratchFolder config;
    StoreTable(config.Path(), kNames, kScores);
    MenuGame game(config.Path());
    EndGameWithScore(game, c.score);
    game.Step();

    HighScoreNames names = kNames;
    HighScoreScores scores = kScores;
    InsertScore(names, scores, c.score);
    EXPECT_EQ(game.State().hiscoreScores, scores);
    EXPECT_EQ(StoredTable(config.Path()), std::make_pair(names, scores));
    EXPECT_EQ(game.State().nameEntryOpen, c.row >= 0 ? 1 : 0);
    ASSERT_EQ(game.Alive<NameCursor>().size(), 1u);
    EXPECT_EQ(game.Alive<NameCursor>()[0]->Visible, c.row >= 0)
        << "a cursor only where a name goes";
    if (c.row >= 0) {
      EXPECT_EQ(game.State().editRow, c.row);
      EXPECT_EQ(game.Alive<NameCursor>()[0]->Y, 50 * c.row + 100);
      EXPECT_EQ(game.Alive<NameCursor>()[0]->X, 20);
    }
    EXPECT_EQ(game.Shown(), (std::multiset<std::string>{"save_1", "cancel_0", "scores"}));
    EXPECT_EQ(game.Alive<HighScoreGlyph>().size(), 7u * 15 + 7u * 7);
  }
}

TEST(HighScores, NameTakesFifteenGlyphsAndSurvivesARestart) {
  ScratchFolder config;
  StoreTable(config.Path(), kNames, kScores);
  {
    MenuGame game(config.Path());
    EndGameWithScore(game, 2500);
    game.Type("Zephyrant2025abcdef");
    const testing::Json vars = game.Dump()["vars"];
    EXPECT_EQ(vars["glyph_count"].Int(), 15);
    EXPECT_EQ(vars["typed_name"].String(), "Z1e0p0h0y0r0a0n0t020002050a0b0");
    EXPECT_EQ(vars["edit_row"].Int(), 3);
    EXPECT_EQ(game.Alive<NameCursor>()[0]->X, 30 * 15 + 20);
    EXPECT_EQ(RowGlyphs(game, 3).front(), "Z1");
    EXPECT_EQ(RowGlyphs(game, 3).back(), "b0");

    game.Press("BackSpace", 2);
    EXPECT_EQ(game.State().glyphCount, 13);
    EXPECT_EQ(RowGlyphs(game, 3)[13], "sc");
    game.Press("BackSpace", 14);
    EXPECT_EQ(game.State().glyphCount, 0);
    EXPECT_EQ(game.State().typedName, "");
    EXPECT_EQ(game.State().pendingCode, "sc");
    EXPECT_EQ(game.State().screenState, kHighScores);

    // Keys between two frames: only the first counts. Other characters type nothing.
    game.Step({"char V", "char x"});
    game.Type("! -");
    game.Type("ega");
    EXPECT_EQ(game.State().typedName, "V1e0g0a0");
    game.Point(200, 440);
    game.Sounds();
    game.Click();
    EXPECT_EQ(Count(game.Sounds(), "click"), 1);
    game.Step();
    EXPECT_EQ(game.State().screenState, kMainMenu);
    EXPECT_TRUE(game.Alive<NameCursor>().empty());
    EXPECT_TRUE(game.Alive<HighScoreGlyph>().empty());
  }
  MenuGame next_run(config.Path());
  EXPECT_EQ(next_run.State().hiscoreNames[3], "V1e0g0a0");
  EXPECT_EQ(next_run.State().hiscoreScores[3], 2500);
  next_run.Press("Down", 2);
  next_run.Press("Return");
  EXPECT_EQ(RowGlyphs(next_run, 3),
            (std::vector<std::string>{"V1", "e0", "g0", "a0", "sc", "sc", "sc", "sc", "sc", "sc",
                                      "sc", "sc", "sc", "sc", "sc"}));
}

TEST(HighScores, WithoutANewRecordNothingCanBeTypedOrSaved) {
  ScratchFolder config;
  StoreTable(config.Path(), kNames, kScores);
  MenuGame game(config.Path());
  // From the main menu: the score is 0 and the table as it is.
  game.Press("Down", 2);
  game.Press("Return");
  ASSERT_EQ(game.State().screenState, kHighScores);
  const std::string stored = FileText(config.Path());
  game.Type("Mallory");
  EXPECT_EQ(game.State().typedName, "");
  EXPECT_EQ(game.State().glyphCount, 0);
  game.Press("Return");
  EXPECT_EQ(FileText(config.Path()), stored) << "save writes nothing";
  EXPECT_EQ(StoredTable(config.Path()), std::make_pair(kNames, kScores));
  game.Step();
  EXPECT_EQ(game.State().screenState, kMainMenu);

  // A game tied with row 3 leaves every entry as it was too.
  EndGameWithScore(game, 3000);
  game.Type("x");
  game.Press("Return");
  EXPECT_EQ(StoredTable(config.Path()), std::make_pair(kNames, kScores));
}

TEST(HighScores, EscapeOrCancelLeavesTheNewScoreWithoutAName) {
  ScratchFolder config;
  StoreTable(config.Path(), kNames, kScores);
  MenuGame game(config.Path());
  EndGameWithScore(game, 6000);
  game.Type("Eve");
  game.Press("Down");
  game.Press("Return");
  game.Step();
  EXPECT_EQ(game.Shown(), (std::multiset<std::string>{"logo", "help_0", "new_game1", "options",
                                                      "scores", "exit"}));
  const auto [names, scores] = StoredTable(config.Path());
  EXPECT_EQ(names[0], "");
  EXPECT_EQ(scores[0], 6000);
  EXPECT_EQ(names[1], "A1");
}

TEST(HighScores, TableWithNoEntryGetsOne) {
  ScratchFolder config;
  MenuGame game(config.Path());
  StoreTable(config.Path(), HighScoreNames{}, HighScoreScores{});
  game.Press("Down", 2);
  game.Press("Return");
  EXPECT_EQ(game.State().hiscoreNames[0], kFirstRunName);
  EXPECT_EQ(game.State().hiscoreScores[0], 700000);
  EXPECT_EQ(game.State().editRow, 1);
  EXPECT_EQ(StoredTable(config.Path()).second[0], 700000);
}

TEST(HighScores, DamagedStoreLoadsWhatItCanAndDrawsBadNamesWithDots) {
  ScratchFolder config;
  std::ofstream(config.Path() / SettingsFile::kFileName, std::ios::binary)
      << "[Software\\Zephyrant]\n"
      << "nm1 = string \"A1zz!!q\"\nscores1 = string \"lots\"\n"
      << "nm2 = string \"" << std::string(3000, 'W') << "\"\nscores2 = integer 123456789\n"
      << "sound = integer -40\nmusic = integer 99999999999\ndifficulty = integer 7\n"
      << "\x01\x02\xff junk\n";
  MenuGame game(config.Path());
  EXPECT_EQ(game.State().soundVolume, 0);
  EXPECT_EQ(game.State().musicVolume, 100);
  EXPECT_EQ(game.State().difficulty, kMaxDifficulty);
  EXPECT_EQ(game.State().hiscoreScores[0], kFirstRunScore) << "unreadable: its first-run value";
  game.Press("Down", 2);
  game.Press("Return");
  const std::vector<std::string> row0 = RowGlyphs(game, 0);
  EXPECT_EQ(std::vector<std::string>(row0.begin(), row0.begin() + 5),
            (std::vector<std::string>{"A1", "sc", "sc", "sc", "sc"}));
  EXPECT_EQ(RowGlyphs(game, 1), std::vector<std::string>(15, "sc"));
  std::vector<std::string> digits;
  for (const HighScoreGlyph* glyph : game.Alive<HighScoreGlyph>()) {
    if (glyph->Y == 150 && glyph->X >= 500) digits.push_back(glyph->Image->Name);
  }
  EXPECT_EQ(digits, (std::vector<std::string>{"10", "20", "30", "40", "50", "60", "70"}));
}

TEST(HighScores, ScoreWhoseNameIsDamagedKeepsItsRow) {
  ScratchFolder config;
  std::ofstream(config.Path() / SettingsFile::kFileName, std::ios::binary)
      << "[Software\\Zephyrant]\n"
      << "nm1 = string \"A1\"\nscores1 = integer 5000\n"
      << "nm2 = string \"B1\\q\"\nscores2 = integer 4000\n"
      << "nm3 = string \"\"\nscores3 = integer 3000\n";
  MenuGame game(config.Path());
  game.Press("Down", 2);
  game.Press("Return");
  ASSERT_EQ(game.State().screenState, kHighScores);
  EXPECT_EQ(game.State().hiscoreScores[1], 4000);
  EXPECT_EQ(RowGlyphs(game, 1), std::vector<std::string>(15, "sc"));
  EXPECT_EQ(game.State().hiscoreScores[2], 0) << "a name stored empty frees its row";
  EXPECT_EQ(StoredTable(config.Path()).second[1], 4000);
}

TEST(HighScores, TwoCopiesPlayingAtOnceKeepBothNewScoresAndTheirNames) {
  ScratchFolder config;
  StoreTable(config.Path(), kNames, kScores);
  MenuGame first(config.Path());
  MenuGame second(config.Path());
  EndGameWithScore(first, 2500);
  // The second opens the table as the first stored it: the first's row has
  // no name yet, so it counts as free, and the second's score goes in above.
  EndGameWithScore(second, 4500);
  first.Type("Ann");
  first.Press("Return");
  second.Type("Bo");
  second.Press("Return");
  EXPECT_EQ(StoredTable(config.Path()),
            std::make_pair(HighScoreNames{"A1", "B1o0", "B1", "C1", "A1n0n0", "", "D1"},
                           HighScoreScores{5000, 4500, 4000, 3000, 2500, 0, 2000}));
}

TEST(HighScores, FailedSaveLeavesTheFileAsItWasAndTheGameGoingOn) {
  ScratchFolder config;
  StoreTable(config.Path(), kNames, kScores);
  // A folder where saves take their turn: no save can be made.
  fs::remove(config.Path() / SettingsFile::kLockName);
  fs::create_directory(config.Path() / SettingsFile::kLockName);
  MenuGame game(config.Path());
  const std::string stored = FileText(config.Path());
  EndGameWithScore(game, 6000);
  game.Type("Zed");
  game.Press("Return");
  game.Step();
  EXPECT_EQ(game.State().screenState, kMainMenu);
  EXPECT_EQ(game.State().hiscoreNames[0], "Z1e0d0") << "kept for this run";
  EXPECT_EQ(FileText(config.Path()), stored);
}

TEST(GameFlow, AbortedGameLandsOnTheTableAndBackOnTheMenu) {
  ScratchFolder config;
  MenuGame game(config.Path());
  game.Press("Return");
  game.Step();
  EXPECT_TRUE(game.Alive<MenuPointer>().empty());
  EXPECT_TRUE(game.Alive<MenuDecoration>().empty());
  EXPECT_TRUE(game.Alive<MenuItem>().empty());

  game.State().score = 9000;
  game.Press("Escape");
  EXPECT_EQ(game.State().bossHits, 500);
  EXPECT_EQ(game.Alive<MenuPointer>().size(), 1u);
  EXPECT_EQ(game.Alive<MenuDecoration>().size(), 7u);
  ASSERT_EQ(game.Alive<NameCursor>().size(), 1u);
  EXPECT_TRUE(game.Alive<NameCursor>()[0]->Visible);
  game.Type("Ace");
  game.Press("Return");
  game.Step();
  EXPECT_EQ(game.State().screenState, kMainMenu);
  EXPECT_EQ(game.State().menuSelection, 2);

  MenuGame next_run(config.Path());
  EXPECT_EQ(next_run.State().hiscoreNames[0], "A1c0e0");
  EXPECT_EQ(next_run.State().hiscoreScores[0], 9000);
}

TEST(GameFlow, EscapeAtPressAnyKeyOpensTheTableOnce) {
  ScratchFolder config;
  StoreTable(config.Path(), kNames, kScores);
  MenuGame game(config.Path());
  game.Press("Return");
  game.Steps(30);
  game.State().score = 2500;
  game.State().livesIndex = 0;
  game.State().heroDamage = 10;
  game.Steps(80);
  ASSERT_EQ(game.State().gameOverPhase, 1);

  // Escape both ends the prompt and aborts the game; the game-over banner
  // then has nothing more to open.
  game.Press("Escape");
  game.Steps(100);
  HighScoreNames names = kNames;
  HighScoreScores scores = kScores;
  InsertScore(names, scores, 2500);
  const auto table_shown_once = [&] {
    EXPECT_EQ(game.State().screenState, kHighScores);
    EXPECT_EQ(game.Alive<HighScoreGlyph>().size(), 7u * 15 + 7u * 7);
    EXPECT_EQ(game.Alive<MenuPointer>().size(), 1u);
    EXPECT_EQ(game.Alive<NameCursor>().size(), 1u);
    EXPECT_EQ(game.Shown(), (std::multiset<std::string>{"save_1", "cancel_0", "scores"}));
    EXPECT_EQ(StoredTable(config.Path()), std::make_pair(names, scores));
  };
  table_shown_once();

  // Opening it again while it is up changes nothing either.
  game.Window().HiScores();
  game.Step();
  table_shown_once();
}

}  // namespace
}  // namespace zephyrant
