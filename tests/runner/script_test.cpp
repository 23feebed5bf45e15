// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/script.h"

#include <gtest/gtest.h>

#include "tools/sim/script_limits.h"

namespace zephyrant {
namespace {

using Kind = ScriptEvent::Kind;

TEST(Script, ReadsEveryEventKind) {
  const Script script = Script::Parse(
      "# a comment line\n"
      "\n"
      "1 key down Up   # trailing comment\n"
      "1 key up LShift\n"
      "2 char z\n"
      "2 char Space\n"
      "3 mouse move 410 -5\n"
      "3 mouse down right\n"
      "3 mouse up middle\r\n"
      "4 lag 3\n"
      "5 focus out\n"
      "6 focus in\n"
      "7 set screen_state 11\n"
      "7 set hero_x 12.5\n"
      "8 minimise\n"
      "8 pad unplug\n"
      "9 pad -32768 32767 4294967295\n"
      "9 pad press Return\n");
  const std::vector<ScriptEvent>& e = script.Events();
  ASSERT_EQ(e.size(), 16u);
  EXPECT_EQ(e[0].kind, Kind::kKeyDown);
  EXPECT_EQ(e[0].key, Key::kUp);
  EXPECT_EQ(e[0].line, 3);
  EXPECT_EQ(e[1].kind, Kind::kKeyUp);
  EXPECT_EQ(e[1].key, Key::kShift);
  EXPECT_EQ(e[2].character, 'z');
  EXPECT_EQ(e[3].character, ' ');
  EXPECT_EQ(e[4].kind, Kind::kMouseMove);
  EXPECT_EQ(e[4].pointer, (Point{410, -5}));
  EXPECT_EQ(e[5].kind, Kind::kMouseDown);
  EXPECT_EQ(e[5].button, MouseButton::kRight);
  EXPECT_EQ(e[6].button, MouseButton::kMiddle);
  EXPECT_EQ(e[7].lag_count, 3);
  EXPECT_EQ(e[8].kind, Kind::kFocusOut);
  EXPECT_EQ(e[9].kind, Kind::kFocusIn);
  EXPECT_EQ(e[10].var, "screen_state");
  EXPECT_EQ(std::get<int32_t>(e[10].value), 11);
  EXPECT_EQ(std::get<double>(e[11].value), 12.5);
  EXPECT_EQ(e[12].kind, Kind::kMinimise);
  EXPECT_EQ(e[13].kind, Kind::kPadUnplug);
  EXPECT_EQ(e[14].kind, Kind::kPad);
  EXPECT_EQ(e[14].pointer, (Point{-32768, 32767}));
  EXPECT_EQ(e[14].buttons, 4294967295u);
  EXPECT_EQ(e[15].kind, Kind::kPadPress);
  EXPECT_EQ(e[15].key, Key::kReturn);
}

TEST(Script, KeyNames) {
  EXPECT_EQ(KeyByName("RShift"), Key::kShift);
  EXPECT_EQ(KeyByName("KP_8"), Key::kKeypad8);
  EXPECT_EQ(KeyByName("q"), LetterKey('q'));
  EXPECT_EQ(KeyByName("Q"), LetterKey('q'));
  EXPECT_EQ(KeyByName("0"), Key::k0);
  EXPECT_EQ(KeyByName("9"), Key::k9);
  EXPECT_EQ(KeyByName("Tab"), std::nullopt);
  EXPECT_EQ(KeyByName("!"), std::nullopt);
}

TEST(Script, OnlyBackSpaceTypesACharacterWhenPressed) {
  const Script script = Script::Parse("1 key down BackSpace\n1 key down a\n");
  EXPECT_EQ(script.Events()[0].character, '\b');
  EXPECT_EQ(script.Events()[1].character, 0);
}

TEST(Script, EventsComeByFrameThenInTheScriptsOrder) {
  const Script script = Script::Parse(
      "5 key down a\n"
      "2 key down b\n"
      "5 key down c\n"
      "2 key down d\n");
  const auto frame2 = script.EventsAt(2);
  const auto frame5 = script.EventsAt(5);
  ASSERT_EQ(frame2.size(), 2u);
  ASSERT_EQ(frame5.size(), 2u);
  EXPECT_EQ(frame2[0].key, LetterKey('b'));
  EXPECT_EQ(frame2[1].key, LetterKey('d'));
  EXPECT_EQ(frame5[0].key, LetterKey('a'));
  EXPECT_EQ(frame5[1].key, LetterKey('c'));
  EXPECT_TRUE(script.EventsAt(3).empty());
  EXPECT_TRUE(script.EventsAt(6).empty());
}

TEST(Script, ABadLineIsReportedWithItsNumberAndText) {
  const char* bad_lines[] = {
      "0 key down Up",
      "x key down Up",
      "3",
      "3 key down Tab",
      "3 key press Up",
      "3 key down",
      "3 char ab",
      "3 mouse move 1",
      "3 mouse move 1 y",
      "3 mouse down thumb",
      "3 lag 0",
      "3 focus sideways",
      "3 minimise now",
      "3 pad",
      "3 pad plug",
      "3 set no_such_var 1",
      "3 set score lots",
      "3 set score 1.5",
      "3 set hiscore_scores 1",
      "3 set hero_x",
      "3 jump",
  };
  for (const char* bad : bad_lines) {
    const std::string text = std::string("1 key down Up\n# fine\n") + bad + "\n4 key up Up\n";
    try {
      Script::Parse(text);
      ADD_FAILURE() << "accepted: " << bad;
    } catch (const ScriptError& e) {
      EXPECT_EQ(e.Line(), 3) << bad;
      EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
    }
  }
}

// The number the error names is the line's, and its text is quoted.
void ExpectRefusedAtLine3(const std::string& bad) {
  const std::string text = "1 key down Up\n# fine\n" + bad + "\n4 key up Up\n";
  try {
    Script::Parse(text);
    ADD_FAILURE() << "accepted: " << bad;
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Line(), 3) << bad;
    EXPECT_NE(std::string(e.what()).find(bad.substr(0, 20)), std::string::npos) << e.what();
  }
}

// Values past these would overflow the game's or the runner's arithmetic.
TEST(Script, ValuesStayWithinWhatTheGameCanTake) {
  const char* out_of_range[] = {
      "5 lag 69273667",
      "5 lag 2147483647",
      "5 mouse move -2147483648 300",
      "5 mouse move 2147483647 300",
      "5 mouse move 6401 0",
      "5 mouse move 0 -4801",
      "5 pad 32768 0 0",
      "5 pad 0 -32769 0",
      "5 pad 0 0 -1",
      "5 set score 2147483647",
      "5 set score -1",
      "5 set score 1000000000",
      "5 set boss_hits 2147483647",
      "5 set menu_selection 2147483647",
      "5 set menu_selection 0",
      "5 set lives_index 100000000",
      "5 set text_pulse_step 2147483647",
      "5 set sound_volume 131",
      "5 set difficulty 3",
      "5 set screen_state 13",
      "5 set edit_row 7",
      "5 set hero_x nan",
      "5 set hero_x inf",
      "5 set hero_x 1e300",
      "5 set hero_damage -0.5",
      "5 set formation_speed -1e9",
  };
  for (const char* bad : out_of_range) ExpectRefusedAtLine3(bad);

  const Script edges = Script::Parse(
      "5 lag 69273666\n"
      "5 mouse move -6400 4800\n"
      "5 set score 999999999\n"
      "5 set lives_index -1\n"
      "5 set hero_x -6400\n"
      "5 set hero_damage 10\n"
      "5 set level_number 36\n");
  const std::vector<ScriptEvent>& e = edges.Events();
  ASSERT_EQ(e.size(), 7u);
  EXPECT_EQ(e[0].lag_count, kMaxLag);
  EXPECT_EQ(e[1].pointer, (Point{-6400, 4800}));
  EXPECT_EQ(std::get<int32_t>(e[2].value), 999'999'999);
  EXPECT_EQ(std::get<int32_t>(e[3].value), -1);
  EXPECT_EQ(std::get<double>(e[4].value), -6400);
}

// A new number variable cannot be set until it is given its range.
TEST(Script, EveryNumberVariableHasARange) {
  GameState state;
  for (const VarRef& var : Vars(state)) {
    const bool number = std::holds_alternative<int32_t*>(var.pointer) ||
                        std::holds_alternative<double*>(var.pointer);
    if (!number) continue;
    const std::optional<VarRange> range = RangeOf(var.name);
    ASSERT_TRUE(range.has_value()) << var.name;
    EXPECT_LE(range->lowest, range->highest) << var.name;
    EXPECT_GE(range->lowest, INT32_MIN / 2) << var.name;
    EXPECT_LE(range->highest, INT32_MAX / 2) << var.name;
  }
}

TEST(Script, OverlongLinesAndScriptsAreRefused) {
  const std::string comment = "1 key down Up # " + std::string(kMaxScriptLine - 16, 'x');
  ASSERT_EQ(comment.size(), kMaxScriptLine);
  EXPECT_EQ(Script::Parse(comment + "\r\n").Events().size(), 1u);
  ExpectRefusedAtLine3(comment + "x");
  ExpectRefusedAtLine3(std::string(5 * kMaxScriptLine, '#'));

  std::string many;
  const std::string line = "# " + std::string(kMaxScriptLine - 3, '-') + "\n";
  while (many.size() <= kMaxScriptBytes) many += line;
  try {
    Script::Parse(many);
    ADD_FAILURE() << "accepted a script of " << many.size() << " bytes";
  } catch (const ScriptError& e) {
    EXPECT_EQ(e.Line(), static_cast<int>(kMaxScriptBytes / line.size()) + 1);
  }
}

TEST(Script, CallsOnlyTheMainWindowsOperations) {
  const Script script = Script::Parse("1 set screen_state 5\n1 call NewGame\n9 call HiScores\n");
  ASSERT_EQ(script.Events().size(), 3u);
  EXPECT_EQ(script.Events()[1].kind, ScriptEvent::Kind::kCall);
  EXPECT_EQ(script.Events()[1].var, "NewGame");
  EXPECT_EQ(script.Events()[2].var, "HiScores");
  try {
    Script::Parse("1 call start_level\n");
    FAIL();
  } catch (const ScriptError& e) {
    EXPECT_NE(std::string(e.what()).find("unknown call"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace zephyrant
