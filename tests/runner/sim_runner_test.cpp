// SPDX-License-Identifier: GPL-3.0-or-later
// What the runner lets a script do to the game, and what it refuses.

#include "tools/sim/sim_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <variant>

#include "tests/runner/json_reader.h"

namespace zephyrant {
namespace {

using testing::Json;

struct Outcome {
  std::string text;  // the dump after the last frame
  Json dump;
  std::vector<std::string> notes;
};

Outcome RunScript(const std::string& text, int frames) {
  SimOptions options;
  options.asset_folder = ZEPHYRANT_SOURCE_ASSETS;
  SimRunner runner(options);
  const Script script = Script::Parse(text);
  Outcome run;
  for (int frame = 1; frame <= frames; ++frame) {
    runner.RunFrame(script.EventsAt(frame));
    for (std::string& note : runner.TakeNotes()) run.notes.push_back(std::move(note));
  }
  run.text = runner.Dump();
  run.dump = testing::JsonReader::Read(run.text);
  return run;
}

size_t Count(const Json& dump, const std::string& class_name) {
  const auto& sprites = dump["sprites"].Items();
  return static_cast<size_t>(std::count_if(sprites.begin(), sprites.end(), [&](const Json& s) {
    return s["class"].String() == class_name;
  }));
}

bool Noted(const Outcome& run, const std::string& text) {
  return std::any_of(run.notes.begin(), run.notes.end(),
                     [&](const std::string& n) { return n.find(text) != std::string::npos; });
}

constexpr size_t kTableGlyphs = 7 * 15 + 7 * 7;

TEST(SimRunnerCalls, NewGameOnlyWhenNoGameIsUnderWay) {
  const Outcome once = RunScript("1 set screen_state 5\n1 call NewGame\n", 20);
  const Outcome twice = RunScript("1 set screen_state 5\n1 call NewGame\n10 call NewGame\n", 20);
  EXPECT_EQ(Count(twice.dump, "Ship"), 1u);
  EXPECT_EQ(once.text, twice.text);
  EXPECT_TRUE(Noted(twice, "frame 10: script line 3: call NewGame ignored"));
  EXPECT_TRUE(once.notes.empty());

  // The menu sets the playing state before it starts a game; a call on the
  // menu itself would leave a game running behind it.
  const Outcome from_menu = RunScript("2 call NewGame\n", 30);
  EXPECT_EQ(from_menu.dump["vars"]["level_phase"].Int(), 0);
  EXPECT_TRUE(Noted(from_menu, "call NewGame ignored"));

  // Once the game is over and the table has gone, the next game may start.
  const Outcome again = RunScript(
      "1 set screen_state 5\n1 call NewGame\n20 key down Escape\n21 key up Escape\n"
      "30 key down Escape\n31 key up Escape\n40 set screen_state 5\n40 call NewGame\n",
      50);
  EXPECT_EQ(Count(again.dump, "Ship"), 1u);
  EXPECT_TRUE(again.notes.empty());
}

TEST(SimRunnerCalls, HiScoresOnlyFromTheMainMenuOrPlay) {
  const Outcome menu = RunScript("2 call HiScores\n", 10);
  EXPECT_EQ(menu.dump["vars"]["screen_state"].Int(), kHighScores);
  EXPECT_EQ(Count(menu.dump, "HighScoreGlyph"), kTableGlyphs);

  // Neither while the table is opening nor once it is open.
  const Outcome twice = RunScript("2 call HiScores\n2 call HiScores\n5 call HiScores\n", 10);
  EXPECT_EQ(menu.text, twice.text);
  EXPECT_EQ(twice.notes.size(), 2u);
  EXPECT_TRUE(Noted(twice, "frame 2: script line 2: call HiScores ignored"));

  const Outcome options = RunScript("2 set screen_state 4\n5 call HiScores\n", 10);
  EXPECT_EQ(options.dump["vars"]["screen_state"].Int(), kOptions);
  EXPECT_EQ(Count(options.dump, "HighScoreGlyph"), 0u);
  EXPECT_TRUE(Noted(options, "call HiScores ignored"));

  const Outcome play = RunScript("1 set screen_state 5\n1 call NewGame\n20 call HiScores\n", 30);
  EXPECT_EQ(play.dump["vars"]["screen_state"].Int(), kHighScores);
  EXPECT_EQ(Count(play.dump, "Ship"), 0u);
}

TEST(SimRunner, EventsAfterTheGameHasQuitAreIgnored) {
  // Escape on the main menu ends the program; what follows must not reach it.
  const Outcome quit = RunScript(
      "3 key down Escape\n3 set screen_state 11\n4 call HiScores\n5 set screen_state 5\n"
      "5 call NewGame\n",
      8);
  EXPECT_EQ(quit.dump["vars"]["screen_state"].Int(), kMainMenu);
  EXPECT_EQ(Count(quit.dump, "HighScoreGlyph"), 0u);
  EXPECT_EQ(Count(quit.dump, "Ship"), 0u);
  ASSERT_EQ(quit.notes.size(), 1u);
  EXPECT_EQ(quit.notes[0], "frame 3: the game has quit; the script's later events are ignored");
}

// Whatever number the game holds in a dump, a script can set it back, so
// that any state a dump shows can be rebuilt.
TEST(SimRunner, EveryValueTheGameHoldsCanBeSet) {
  const char* scenes[] = {
      "",
      "1 set screen_state 5\n1 call NewGame\n1 set level_number 14\n2 key down Space\n"
      "2 mouse move 300 200\n",
      "1 set screen_state 5\n1 call NewGame\n1 set score 5000\n100 key down Escape\n",
  };
  for (const char* scene : scenes) {
    const Json vars = RunScript(scene, 120).dump["vars"];
    GameState names;
    for (const VarRef& var : Vars(names)) {
      if (!std::holds_alternative<int32_t*>(var.pointer) &&
          !std::holds_alternative<double*>(var.pointer)) {
        continue;
      }
      std::ostringstream line;
      line.precision(17);
      line << "1 set " << var.name << ' ' << vars[var.name].Number() << '\n';
      EXPECT_NO_THROW(Script::Parse(line.str())) << line.str();
    }
  }
}

}  // namespace
}  // namespace zephyrant
