// SPDX-License-Identifier: GPL-3.0-or-later
// The zephyrant-sim program as a script or a developer runs it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/headless/scratch_folder.h"
#include "tests/runner/json_reader.h"
#include "tests/runner/png_reader.h"
#include "tests/runner/sim_program.h"
#include "world/game_state.h"

namespace zephyrant {
namespace {

class SimProgram : public ::testing::Test {
 protected:
  std::string In(const char* name) const { return (folder_.Path() / name).string(); }
  ScratchFolder folder_;
};

TEST_F(SimProgram, SameSeedAndScriptGiveByteIdenticalOutput) {
  WriteFile(In("script"), "2 mouse move 100 100\n3 lag 4\n5 focus out\n6 focus in\n");
  const std::string common = "--seed 9 --frames 8 --script " + In("script");
  for (const char* run : {"1", "2"}) {
    const SimOutcome o =
        RunSim(common + " --dump " + In(run) + ".json --screenshot " + In(run) + ".png");
    ASSERT_EQ(o.exit_code, 0) << o.output;
  }
  EXPECT_EQ(ReadFile(In("1.json")), ReadFile(In("2.json")));
  EXPECT_EQ(ReadFile(In("1.png")), ReadFile(In("2.png")));
  EXPECT_EQ(testing::JsonReader::Read(ReadFile(In("1.json")))["frame"].Int(), 8);
}

TEST_F(SimProgram, ScreenshotIsTheWholeSurface) {
  ASSERT_EQ(RunSim("--frames 3 --screenshot " + In("shot.png")).exit_code, 0);
  const std::string bytes = ReadFile(In("shot.png"));
  const testing::RgbPicture picture =
      testing::ReadPng(std::vector<uint8_t>(bytes.begin(), bytes.end()));
  EXPECT_EQ(picture.width, 800);
  EXPECT_EQ(picture.height, 600);
  // The menu is drawn, not a blank surface.
  EXPECT_GT(std::count_if(picture.rgb.begin(), picture.rgb.end(), [](uint8_t c) { return c != 0; }),
            10000);
}

TEST_F(SimProgram, F12KeepsItsShotsInTheGivenFolder) {
  // The shot F12 takes before frame 4 is the picture of frame 3.
  WriteFile(In("script"), "4 key down F12\n5 key up F12\n");
  const std::filesystem::path shots = folder_.Path() / "shots" / "new";
  const SimOutcome o =
      RunSim("--frames 5 --script " + In("script") + " --screenshot-dir " + shots.string());
  ASSERT_EQ(o.exit_code, 0) << o.output;
  ASSERT_EQ(RunSim("--frames 3 --screenshot " + In("frame3.png")).exit_code, 0);
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(shots)) files.push_back(entry);
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].filename().string().rfind("zephyrant-", 0), 0u) << files[0];
  EXPECT_EQ(files[0].extension(), ".png");
  const std::string shot = ReadFile(files[0]);
  const std::string frame3 = ReadFile(In("frame3.png"));
  EXPECT_EQ(testing::ReadPng(std::vector<uint8_t>(shot.begin(), shot.end())).rgb,
            testing::ReadPng(std::vector<uint8_t>(frame3.begin(), frame3.end())).rgb);
}

TEST_F(SimProgram, DumpEveryWritesOneLinePerInterval) {
  const SimOutcome o = RunSim("--frames 7 --dump-every 3 --dump -");
  ASSERT_EQ(o.exit_code, 0) << o.output;
  std::istringstream lines(o.output);
  std::vector<int> frames;
  std::vector<size_t> sounds;
  for (std::string line; std::getline(lines, line);) {
    const testing::Json dump = testing::JsonReader::Read(line);
    frames.push_back(dump["frame"].Int());
    sounds.push_back(dump["sounds"].Items().size());
  }
  EXPECT_EQ(frames, (std::vector<int>{3, 6}));
  EXPECT_GT(sounds.at(0), 0u);  // the music, started before the first frame
  EXPECT_EQ(sounds.at(1), 0u);
}

TEST_F(SimProgram, ABadScriptLineStopsItWithTheLineNamed) {
  WriteFile(In("script"), "1 key down Up\n\n2 key down Hyper\n");
  const SimOutcome o = RunSim("--frames 3 --script " + In("script"));
  EXPECT_EQ(o.exit_code, 2);
  EXPECT_NE(o.output.find("line 3"), std::string::npos) << o.output;
  EXPECT_NE(o.output.find("2 key down Hyper"), std::string::npos) << o.output;
}

TEST_F(SimProgram, IgnoredEventsAreNotedAndTheRunGoesOn) {
  WriteFile(In("script"), "2 call HiScores\n3 call HiScores\n5 key down Escape\n");
  const SimOutcome table = RunSim("--frames 4 --script " + In("script"));
  EXPECT_EQ(table.exit_code, 0) << table.output;
  EXPECT_NE(table.output.find("zephyrant-sim: frame 3: script line 2: call HiScores ignored"),
            std::string::npos)
      << table.output;
  WriteFile(In("script"), "2 key down Escape\n");
  const SimOutcome quit = RunSim("--frames 4 --script " + In("script"));
  EXPECT_EQ(quit.exit_code, 0) << quit.output;
  EXPECT_NE(quit.output.find("zephyrant-sim: frame 2: the game has quit"), std::string::npos)
      << quit.output;
}

TEST_F(SimProgram, ABadOptionShowsUsage) {
  for (const char* bad :
       {"--frames", "--frames -1", "--desktop 800", "--seed x", "--warp 9", "--dump-every 2"}) {
    const SimOutcome o = RunSim(bad);
    EXPECT_EQ(o.exit_code, 2) << bad;
    EXPECT_NE(o.output.find("usage:"), std::string::npos) << bad;
  }
}

TEST_F(SimProgram, ScriptFromStandardInputAndSettingsInTheGivenFolder) {
  const std::filesystem::path config = folder_.Path() / "config";
  std::filesystem::create_directory(config);
  WriteFile(In("script"), "2 set screen_state 11\n");
  const SimOutcome o = RunSim("--frames 2 --desktop 1024x768 --config-dir " + config.string() +
                              " --dump - --script - < " + In("script"));
  ASSERT_EQ(o.exit_code, 0) << o.output;
  const testing::Json dump = testing::JsonReader::Read(o.output);
  EXPECT_EQ(dump["vars"]["screen_state"].Int(), kHelp);
  EXPECT_EQ(dump["vars"]["desktop_width"].Int(), 1024);
  EXPECT_FALSE(std::filesystem::is_empty(config));  // the first run saves its settings
}

}  // namespace
}  // namespace zephyrant
