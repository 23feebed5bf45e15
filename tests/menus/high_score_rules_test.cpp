// SPDX-License-Identifier: GPL-3.0-or-later
// The table's rules apart from the screen: where a new score goes, and the
// glyphs names and scores are drawn with.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "menus/help_page.h"
#include "menus/high_scores.h"
#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

struct Table {
  HighScoreNames names{"A1", "B1", "C1", "D1", "E1", "F1", "G1"};
  HighScoreScores scores{5000, 4000, 3000, 2000, 1000, 500, 100};
};

TEST(InsertScore, GoesWhereItBeatsARowAndPushesTheRestDown) {
  Table top;
  EXPECT_EQ(InsertScore(top.names, top.scores, 6000), 0);
  EXPECT_EQ(top.scores, (HighScoreScores{6000, 5000, 4000, 3000, 2000, 1000, 500}));
  EXPECT_EQ(top.names, (HighScoreNames{"", "A1", "B1", "C1", "D1", "E1", "F1"}));

  Table middle;
  EXPECT_EQ(InsertScore(middle.names, middle.scores, 2500), 3) << "between rows 3 and 4";
  EXPECT_EQ(middle.scores, (HighScoreScores{5000, 4000, 3000, 2500, 2000, 1000, 500}));

  Table last;
  EXPECT_EQ(InsertScore(last.names, last.scores, 200), 6);
  EXPECT_EQ(last.names[6], "");
  EXPECT_EQ(last.scores[6], 200);
}

TEST(InsertScore, TiesZeroAndLowScoresChangeNothing) {
  for (const int32_t score : {3000, 5000, 100, 50, 0, -20}) {
    Table table;
    const Table before;
    EXPECT_EQ(InsertScore(table.names, table.scores, score), -1) << score;
    EXPECT_EQ(table.scores, before.scores) << score;
    EXPECT_EQ(table.names, before.names) << score;
  }
}

TEST(InsertScore, GoesInOnceEvenIntoATableOutOfOrder) {
  HighScoreNames names{"A1", "B1", "C1", "D1", "E1", "F1", "G1"};
  HighScoreScores scores{100, 10, 60, 20, 5, 4, 3};
  EXPECT_EQ(InsertScore(names, scores, 50), 1);
  EXPECT_EQ(std::count(scores.begin(), scores.end(), 50), 1);
  EXPECT_EQ(names[3], "C1") << "the entry above the second gap keeps its name";
}

TEST(Glyphs, TypedCharactersAndStoredPieces) {
  EXPECT_EQ(GlyphCodeFor('q'), "q0");
  EXPECT_EQ(GlyphCodeFor('Q'), "Q1");
  EXPECT_EQ(GlyphCodeFor('7'), "70");
  for (const char other : {' ', '!', '\r', '\x1b', '\b', '\0', '\xC3'}) {
    EXPECT_EQ(GlyphCodeFor(other), "") << static_cast<int>(other);
  }
  for (const char* code : {"a0", "Z1", "90", "sc"}) EXPECT_TRUE(IsGlyphCode(code)) << code;
  for (const char* code : {"a1", "Z0", "91", "cr", "s", "a0a", ""}) {
    EXPECT_FALSE(IsGlyphCode(code)) << code;
  }
  // A damaged name shows a dot for every piece that is not a glyph.
  const std::string name = "A1cr!!u0q";
  const char* expected[] = {"A1", "sc", "sc", "u0", "sc", "sc"};
  for (int cell = 0; cell < 6; ++cell) EXPECT_EQ(NameGlyph(name, cell), expected[cell]) << cell;
  EXPECT_EQ(NameGlyph(std::string(5000, 'x'), 14), "sc");
}

TEST(Glyphs, ScoresStandRightAlignedInSevenPlaces) {
  using Places = std::array<std::string, 7>;
  EXPECT_EQ(ScoreGlyphs(5840), (Places{"sc", "sc", "sc", "50", "80", "40", "00"}));
  EXPECT_EQ(ScoreGlyphs(0), (Places{"sc", "sc", "sc", "sc", "sc", "sc", "00"}));
  EXPECT_EQ(ScoreGlyphs(12345678), (Places{"10", "20", "30", "40", "50", "60", "70"}))
      << "an eighth digit is cut off";
}

TEST(HelpPage, OpensAsAFileUrlBesideTheAssets) {
  EXPECT_EQ(FileUrl("/opt/my game/docs/help.html"), "file:///opt/my%20game/docs/help.html");
  EXPECT_EQ(FileUrl("/a/b&c;d\"e/%.html"), "file:///a/b%26c%3Bd%22e/%25.html");

  ScratchFolder folder;
  std::filesystem::create_directories(folder.Path() / "game" / "assets");
  std::filesystem::create_directories(folder.Path() / "game" / "docs");
  std::ofstream(folder.Path() / "game" / "docs" / "help.html") << "<html></html>";
  EXPECT_EQ(HelpPageUrl((folder.Path() / "game" / "assets").string() + "/"),
            FileUrl(folder.Path() / "game" / "docs" / "help.html"));
  // The installed game keeps the page in its data folder, and that copy wins.
  std::ofstream(folder.Path() / "game" / "assets" / "help.html") << "<html></html>";
  EXPECT_EQ(HelpPageUrl((folder.Path() / "game" / "assets").string()),
            FileUrl(folder.Path() / "game" / "assets" / "help.html"));
  // Nowhere else is looked at: the game holds no path of the tree it was
  // built from.
  EXPECT_EQ(HelpPageUrl((folder.Path() / "elsewhere" / "assets").string()), "");
}

}  // namespace
}  // namespace zephyrant
