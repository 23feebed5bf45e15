// SPDX-License-Identifier: GPL-3.0-or-later
// The pause: a game in play stands still while paused, resumes exactly where
// it stopped, and pauses of itself when the player turns away; the menus and
// the table keep their keys.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/menus/menu_game.h"

namespace zephyrant {
namespace {

// Far enough into a game that the level banner is dropping and the level
// timer is about to run.
void StartGame(MenuGame& game, int frames = 30) {
  game.Press("Return");
  ASSERT_EQ(game.State().screenState, kPlaying);
  game.Steps(frames);
}

std::vector<std::string> Texts(MenuGame& game) {
  std::vector<std::string> texts;
  for (const TextRecord& text : game.Window().Texts()) texts.push_back(text.text);
  return texts;
}

bool Shows(MenuGame& game, const std::string& text) {
  const std::vector<std::string> texts = Texts(game);
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The dumps of the next frames, each with its own frame's sounds.
std::vector<std::string> DumpsOf(MenuGame& game, int frames) {
  std::vector<std::string> dumps;
  for (int i = 0; i < frames; ++i) {
    game.Step();
    dumps.push_back(game.DumpText());
  }
  return dumps;
}

void ExpectSameFrames(const std::vector<std::string>& paused,
                      const std::vector<std::string>& straight) {
  ASSERT_EQ(paused.size(), straight.size());
  for (size_t i = 0; i < paused.size(); ++i) {
    ASSERT_TRUE(paused[i] == straight[i]) << "frame " << i << " after the pause:\n"
                                          << paused[i] << "\ninstead of\n"
                                          << straight[i];
  }
}

TEST(Pause, APausedGameStandsStillWithItsSignUp) {
  MenuGame game;
  StartGame(game);
  const int presents = game.Machine().display.PresentCount();
  game.Press("p");
  ASSERT_TRUE(game.Window().Paused());
  EXPECT_TRUE(Shows(game, "PAUSED"));
  EXPECT_TRUE(Shows(game, "P, Pause or Start resumes - Escape ends the game"));
  EXPECT_TRUE(Shows(game, "100%")) << "the game's own texts stay";
  EXPECT_EQ(game.Machine().display.PresentCount(), presents + 1) << "one picture, the sign's";
  EXPECT_TRUE(game.Machine().audio.Paused());
  EXPECT_FALSE(game.Machine().display.MouseCaptured());
  EXPECT_TRUE(game.Machine().display.PointerVisible());

  game.DumpText();  // the sounds of the game so far
  const std::string still = game.DumpText();
  const int level_due = game.Window().TimerLevel().MsUntilDue();
  game.Steps(1000);  // half a minute
  EXPECT_TRUE(game.DumpText() == still) << "something moved, sounded or changed";
  EXPECT_EQ(game.Window().TimerLevel().MsUntilDue(), level_due);
  EXPECT_EQ(game.Machine().display.PresentCount(), presents + 1) << "nothing to repaint";

  game.Press("Pause");
  EXPECT_FALSE(game.Window().Paused());
  EXPECT_FALSE(game.Machine().audio.Paused());
  EXPECT_FALSE(Shows(game, "PAUSED"));
  EXPECT_TRUE(game.Machine().display.MouseCaptured());
  EXPECT_FALSE(game.Machine().display.PointerVisible());
}

// The pause is cut out of play: whatever the player does with the mouse
// meanwhile, the frames after it are those the game would have had anyway,
// level timers, sounds and all.
TEST(Pause, ResumingGoesOnAsIfThereHadBeenNoPause) {
  MenuGame straight;
  StartGame(straight);
  straight.DumpText();
  const std::vector<std::string> expected = DumpsOf(straight, 200);

  MenuGame paused;
  StartGame(paused);
  paused.Step({"key down p"});
  paused.Step({"key up p", "mouse move 100 100", "mouse down left"});
  paused.Steps(150);
  paused.Step({"mouse move 600 400", "mouse up left", "mouse down right", "mouse up right"});
  paused.Step({"key down Space", "key up Space", "char x"});
  paused.Steps(150);
  paused.DumpText();
  paused.Step({"key down Pause"});
  std::vector<std::string> after{paused.DumpText()};
  for (const std::string& dump : DumpsOf(paused, 199)) after.push_back(dump);
  ExpectSameFrames(after, expected);
}

TEST(Pause, EscapeOnAPausedGameEndsItAsEscapeInPlayDoes) {
  MenuGame straight;
  StartGame(straight, 80);
  straight.DumpText();
  straight.Press("Escape");
  std::vector<std::string> expected{straight.DumpText()};
  for (const std::string& dump : DumpsOf(straight, 99)) expected.push_back(dump);

  MenuGame paused;
  StartGame(paused, 80);
  paused.Press("p");
  paused.Steps(50);
  paused.DumpText();
  paused.Press("Escape");
  EXPECT_FALSE(paused.Window().Paused());
  EXPECT_FALSE(paused.Machine().audio.Paused());
  EXPECT_EQ(paused.State().screenState, kHighScores);
  std::vector<std::string> after{paused.DumpText()};
  for (const std::string& dump : DumpsOf(paused, 99)) after.push_back(dump);
  ExpectSameFrames(after, expected);
}

TEST(Pause, OtherKeysWaitWhilePaused) {
  MenuGame game;
  StartGame(game);
  game.Press("p");
  game.State().gameOverPhase = 1;  // the prompt that any key ends
  game.Press("Return");
  game.Press("x");
  EXPECT_TRUE(game.Window().Paused());
  EXPECT_EQ(game.State().gameOverPhase, 1);
}

TEST(Pause, OnlyAGameInPlayPausesOnItsKeys) {
  MenuGame game;
  game.Press("p");
  game.Press("Pause");
  EXPECT_FALSE(game.Window().Paused()) << "main menu";

  // At the game-over prompt every key is "any key", P as well.
  StartGame(game);
  game.State().gameOverPhase = 1;
  game.Press("p");
  EXPECT_FALSE(game.Window().Paused());
  EXPECT_EQ(game.State().gameOverPhase, 2);
}

TEST(Pause, PTypesItsGlyphOnTheTable) {
  MenuGame game;
  StartGame(game);
  game.State().score = 100000;
  game.Press("Escape");
  ASSERT_EQ(game.State().screenState, kHighScores);
  ASSERT_EQ(game.State().nameEntryOpen, 1);
  // As the window system gives it: the key, then its character.
  game.Step({"key down p", "char p", "key up p"});
  EXPECT_FALSE(game.Window().Paused());
  game.Step();
  EXPECT_EQ(game.State().glyphCount, 1);
}

TEST(Pause, TurningAwayFromAGamePausesItUntilThePlayerResumes) {
  for (const std::string away : {"focus out", "minimise", "pad unplug"}) {
    SCOPED_TRACE(away);
    MenuGame game;
    StartGame(game);
    game.Step({away});
    EXPECT_TRUE(game.Window().Paused());
    EXPECT_TRUE(Shows(game, "PAUSED"));
    game.Steps(20);
    game.Step({"focus in"});
    game.Steps(20);  // the runner fails on any frame run while paused
    EXPECT_TRUE(game.Window().Paused()) << "the focus coming back resumes nothing";
    game.Press("p");
    EXPECT_FALSE(game.Window().Paused());
    game.Steps(5);  // ... and on any frame missing now
  }
}

TEST(Pause, ThePromptsGlowStandsStillWhilePaused) {
  MenuGame game;
  StartGame(game);
  game.State().gameOverPhase = 1;
  game.Steps(3);
  const int32_t level = game.State().textPulseLevel;
  game.Step({"focus out"});
  EXPECT_TRUE(Shows(game, "Press any key"));
  game.Steps(10);
  EXPECT_EQ(game.State().textPulseLevel, level);
}

TEST(Pause, TheMenusCarryOnAsBeforeWhenThePlayerTurnsAway) {
  MenuGame game;
  game.Step({"focus out"});
  game.Step({"minimise"});
  game.Step({"pad unplug"});
  EXPECT_FALSE(game.Window().Paused());
  EXPECT_FALSE(game.Machine().audio.Paused());
  game.Step({"focus in"});
  game.Press("Down");
  EXPECT_EQ(game.State().menuSelection, 3);
}

}  // namespace
}  // namespace zephyrant
