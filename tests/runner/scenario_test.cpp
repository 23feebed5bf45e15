// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window on the headless platform, frame by frame.

#include <gtest/gtest.h>

#include "platform/common/png_writer.h"
#include "platform/headless/scratch_folder.h"
#include "tests/runner/json_reader.h"
#include "tools/sim/sim_runner.h"
#include "world/settings.h"

namespace zephyrant {
namespace {

using testing::Json;

SimOptions Options(uint32_t seed = 1) {
  SimOptions options;
  options.seed = seed;
  options.asset_folder = ZEPHYRANT_SOURCE_ASSETS;
  return options;
}

void RunFrames(SimRunner& runner, const Script& script, int frames) {
  for (int i = 0; i < frames; ++i) runner.RunFrame(script.EventsAt(runner.Frame() + 1));
}

Json DumpAfter(int frames, const std::string& script_text = "", uint32_t seed = 1) {
  SimRunner runner(Options(seed));
  RunFrames(runner, Script::Parse(script_text), frames);
  return testing::JsonReader::Read(runner.Dump());
}

std::vector<Json> SpritesOf(const Json& dump, const std::string& class_name) {
  std::vector<Json> found;
  for (const Json& s : dump["sprites"].Items()) {
    if (s["class"].String() == class_name) found.push_back(s);
  }
  return found;
}

const Json& Clouds(const Json& dump) {
  for (const Json& s : dump["sprites"].Items()) {
    if (s["class"].String() == "CloudLayer") return s;
  }
  throw std::runtime_error("no cloud layer");
}

double PointerFramePos(const Json& dump) {
  return SpritesOf(dump, "MenuPointer").at(0)["frame_pos"].Number();
}

TEST(Scenario, FirstFrameShowsTheMainMenu) {
  const Json dump = DumpAfter(1);
  EXPECT_EQ(dump["frame"].Int(), 1);
  EXPECT_EQ(dump["vars"]["screen_state"].Int(), kMainMenu);
  EXPECT_EQ(dump["vars"]["menu_selection"].Int(), 2);

  const auto stars = SpritesOf(dump, "StarField");
  const auto clouds = SpritesOf(dump, "CloudLayer");
  ASSERT_EQ(stars.size(), 1u);
  ASSERT_EQ(clouds.size(), 1u);
  EXPECT_EQ(stars[0]["z"].Int(), -7);
  EXPECT_EQ(clouds[0]["z"].Int(), -5);
  EXPECT_EQ(stars[0]["list"].String(), "Background");
  EXPECT_EQ(clouds[0]["image"].String(), "clouds");
  EXPECT_TRUE(stars[0]["frame_pos"].IsNull());

  const auto menu = SpritesOf(dump, "MenuItem");
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[0]["image"].String(), "logo");
  EXPECT_EQ(menu[0]["list"].String(), "Menu");
  EXPECT_DOUBLE_EQ(menu[0]["x"].Number(), 800 / 3.0 - 268 / 2.0);
  EXPECT_EQ(menu[0]["y"].Number(), 20);
  // Every item on its row; `new_game` already shows in its highlighted form.
  const std::pair<const char*, double> rows[] = {
      {"help_0", 92}, {"new_game1", 134}, {"options", 176}, {"scores", 218}, {"exit", 260}};
  for (const auto& [image, y] : rows) {
    const Json* item = nullptr;
    for (const Json& m : menu) {
      if (m["image"].String() == image) item = &m;
    }
    ASSERT_NE(item, nullptr) << image;
    EXPECT_EQ((*item)["y"].Number(), y) << image;
    if (std::string(image) != "new_game1") {
      EXPECT_EQ((*item)["x"].Number(), menu[0]["x"].Number()) << image;
    }
  }

  const auto pointer = SpritesOf(dump, "MenuPointer");
  ASSERT_EQ(pointer.size(), 1u);
  EXPECT_EQ(pointer[0]["x"].Number(), 400);
  EXPECT_EQ(pointer[0]["y"].Number(), 300);
  const auto decorations = SpritesOf(dump, "MenuDecoration");
  ASSERT_EQ(decorations.size(), 7u);
  for (const Json& d : decorations) EXPECT_EQ(d["list"].String(), "Menu_Img");
}

TEST(Scenario, MusicStartsOnceAtTheSettingsVolume) {
  SimRunner runner(Options());
  runner.RunFrame();
  const Json first = testing::JsonReader::Read(runner.Dump());
  bool music = false;
  for (const Json& s : first["sounds"].Items()) {
    if (s["name"].String() != "music1") continue;
    music = true;
    EXPECT_EQ(s["list"].String(), "Music");
    EXPECT_EQ(s["volume"].Int(), 100 * 80 - 10000);
    EXPECT_EQ(s["pan"].Int(), 0);
  }
  EXPECT_TRUE(music);
  // A dump reports only what started since the one before.
  runner.RunFrame();
  EXPECT_TRUE(testing::JsonReader::Read(runner.Dump())["sounds"].Items().empty());
}

TEST(Scenario, SavedSettingsComeFromTheConfigFolder) {
  ScratchFolder folder;
  {
    SettingsFile settings(folder.Path());
    ASSERT_TRUE(settings.OpenKey(kSettingsKey, true));
    settings.WriteInteger("music", 50);
    ASSERT_TRUE(settings.CloseKey());
  }
  SimOptions options = Options();
  options.config_dir = folder.Path();
  SimRunner runner(options);
  runner.RunFrame();
  const Json dump = testing::JsonReader::Read(runner.Dump());
  EXPECT_EQ(dump["vars"]["music_volume"].Int(), 50);
  EXPECT_EQ(dump["sounds"].Items().at(0)["volume"].Int(), 50 * 80 - 10000);
}

TEST(Scenario, CloudsDriftTheSameWhateverTheLag) {
  const Json steady = DumpAfter(10);
  EXPECT_NEAR(Clouds(steady)["y"].Number(), 3.8, 1e-9);
  const Json lagging = DumpAfter(10, "2 lag 3\n5 lag 3\n");
  EXPECT_NEAR(Clouds(lagging)["y"].Number(), 3.8, 1e-9);
  // The pointer's animation does feel the lag: 14 steps of 0.5 over 3 patterns.
  EXPECT_DOUBLE_EQ(PointerFramePos(steady), 2.0);
  EXPECT_DOUBLE_EQ(PointerFramePos(lagging), 1.0);
}

TEST(Scenario, LosingFocusFreezesTheGameAndRegainingItResumesWithoutLag) {
  const Json paused = DumpAfter(10, "3 focus out\n8 focus in\n");
  const Json five_frames = DumpAfter(5);
  EXPECT_EQ(paused["frame"].Int(), 10);
  EXPECT_NEAR(Clouds(paused)["y"].Number(), 5 * 0.38, 1e-9);
  EXPECT_EQ(PointerFramePos(paused), PointerFramePos(five_frames));
}

TEST(Scenario, HelpScreenDrawsItsTexts) {
  const Json dump = DumpAfter(1, "1 set screen_state 11\n");
  bool found = false;
  for (const Json& t : dump["texts"].Items()) {
    if (t["text"].String() != "Mouse Controls") continue;
    found = true;
    EXPECT_EQ(t["x"].Int(), 50);
    EXPECT_EQ(t["y"].Int(), 50);
    EXPECT_EQ(t["size"].Int(), 16);
    EXPECT_EQ(t["color"].Items().at(0).Int(), 255);
  }
  EXPECT_TRUE(found);
  EXPECT_TRUE(DumpAfter(1)["texts"].Items().empty());
}

TEST(Scenario, ScriptedInputReachesTheGame) {
  SimRunner runner(Options());
  const Script script = Script::Parse(
      "1 mouse move 410 300\n"
      "1 mouse move 420 305\n"
      "1 key down LShift\n"
      "1 mouse down left\n"
      "2 key up LShift\n"
      "2 mouse up left\n");
  RunFrames(runner, script, 1);
  InputDevices& input = runner.Window().Input();
  EXPECT_EQ(input.MouseDx(), 20);
  EXPECT_EQ(input.MouseDy(), 5);
  EXPECT_TRUE(input.Has(InputState::InputButton4));
  EXPECT_TRUE(input.Has(InputState::InputButton1));
  EXPECT_EQ(runner.Window().State().mouseButton, 1);
  RunFrames(runner, script, 1);
  EXPECT_EQ(input.MouseDx(), 0);
  EXPECT_FALSE(input.Has(InputState::InputButton4));
  EXPECT_FALSE(input.Has(InputState::InputButton1));
  EXPECT_EQ(runner.Window().State().mouseButton, 0);
}

TEST(Scenario, SameSeedAndScriptGiveTheSameFrames) {
  const char* script = "2 mouse move 300 200\n4 lag 2\n6 key down Down\n";
  SimRunner a(Options(5));
  SimRunner b(Options(5));
  RunFrames(a, Script::Parse(script), 8);
  RunFrames(b, Script::Parse(script), 8);
  EXPECT_EQ(a.Dump(), b.Dump());
  EXPECT_EQ(EncodePng(a.Window().DrawingSurface()), EncodePng(b.Window().DrawingSurface()));
}

TEST(Scenario, TheSeedPlacesTheDecorations) {
  const auto one = SpritesOf(DumpAfter(1, "", 1), "MenuDecoration");
  const auto two = SpritesOf(DumpAfter(1, "", 2), "MenuDecoration");
  int moved = 0;
  for (size_t i = 0; i < one.size(); ++i) {
    if (one[i]["x"].Number() != two[i]["x"].Number() ||
        one[i]["y"].Number() != two[i]["y"].Number()) {
      ++moved;
    }
  }
  EXPECT_GT(moved, 0);
}

// Nothing is shared between games: two of them stepped in turn each end up
// exactly where a game run alone does.
TEST(Scenario, TwoGamesInOneProcessDoNotInterfere) {
  const Script script =
      Script::Parse("3 mouse move 500 100\n5 mouse down left\n6 focus out\n7 focus in\n");
  SimRunner a(Options(1));
  SimRunner b(Options(2));
  for (int frame = 1; frame <= 10; ++frame) {
    a.RunFrame(script.EventsAt(frame));
    b.RunFrame(frame % 2 == 0 ? script.EventsAt(frame) : std::span<const ScriptEvent>());
  }
  SimRunner alone_a(Options(1));
  SimRunner alone_b(Options(2));
  RunFrames(alone_a, script, 10);
  for (int frame = 1; frame <= 10; ++frame) {
    alone_b.RunFrame(frame % 2 == 0 ? script.EventsAt(frame) : std::span<const ScriptEvent>());
  }
  EXPECT_EQ(a.Dump(), alone_a.Dump());
  EXPECT_EQ(b.Dump(), alone_b.Dump());
  EXPECT_NE(a.Dump(), b.Dump());
}

}  // namespace
}  // namespace zephyrant
