// SPDX-License-Identifier: GPL-3.0-or-later
// Recording a scripted run with zephyrant-sim and playing it back.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "framework/platform.h"
#include "platform/common/replay_file.h"
#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

struct Outcome {
  int exit_code = -1;
  std::string output;  // standard output and error together
};

Outcome RunSim(const std::string& arguments) {
  const std::string command = std::string(ZEPHYRANT_SIM_BINARY) + " " + arguments + " 2>&1";
  Outcome outcome;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.output.append(buffer, n);
  const int status = pclose(pipe);
  outcome.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A game from the menu: a level started, the ship steered and firing, the
// mouse moved, the game paused by the window losing focus and resumed, and
// one late frame.
constexpr const char* kScript =
    "1 set screen_state 5\n"
    "1 call NewGame\n"
    "1 set level_number 3\n"
    "5 key down Space\n"
    "70 mouse move 300 200\n"
    "90 lag 4\n"
    "120 focus out\n"
    "130 focus in\n"
    "135 key down p\n"
    "136 key up p\n"
    "600 key down Left\n"
    "650 key up Left\n"
    "700 key down Right\n"
    "800 key up Right\n";

class Replays : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(In("script"), kScript);
    const Outcome o =
        RunSim("--seed 5 --frames 1100 --script " + In("script") + " --dump-every 50 --dump " +
               In("script.jsonl") + " --record " + In("game.zrp"));
    ASSERT_EQ(o.exit_code, 0) << o.output;
  }
  std::string In(const char* name) const { return (folder_.Path() / name).string(); }
  ScratchFolder folder_;
};

TEST_F(Replays, AReplayGivesTheScriptsDumpsAndVerifies) {
  const Outcome o =
      RunSim("--replay " + In("game.zrp") + " --verify --dump-every 50 --dump " + In("r.jsonl"));
  ASSERT_EQ(o.exit_code, 0) << o.output;
  EXPECT_EQ(o.output, "");
  EXPECT_EQ(ReadFile(In("r.jsonl")), ReadFile(In("script.jsonl")));

  const Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  EXPECT_EQ(replay.seed, 5u);
  EXPECT_EQ(replay.frames.size(), 1100u);
  EXPECT_EQ(replay.frames[89].lag_count, 4);
  ASSERT_EQ(replay.checkpoints.size(), 4u);
  EXPECT_EQ(replay.checkpoints[3].frame, 1024);
  EXPECT_EQ(replay.final_level, 3);
  EXPECT_GT(replay.final_score, 0);
}

TEST_F(Replays, FramesStopsAReplayEarly) {
  const Outcome o =
      RunSim("--replay " + In("game.zrp") + " --verify --frames 300 --dump " + In("300.json"));
  ASSERT_EQ(o.exit_code, 0) << o.output;
  const Outcome script =
      RunSim("--seed 5 --frames 300 --script " + In("script") + " --dump " + In("script300.json"));
  ASSERT_EQ(script.exit_code, 0) << script.output;
  EXPECT_EQ(ReadFile(In("300.json")), ReadFile(In("script300.json")));
}

TEST_F(Replays, OneChangedInputIsCaughtAtTheFirstHashAfterIt) {
  Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  // The ship turns right ten frames late.
  ASSERT_EQ(replay.frames[699].events.size(), 1u);
  std::swap(replay.frames[699].events, replay.frames[709].events);
  WriteReplayFile(In("late.zrp"), replay);
  const Outcome o = RunSim("--replay " + In("late.zrp") + " --verify");
  EXPECT_EQ(o.exit_code, 3) << o.output;
  EXPECT_NE(o.output.find("frame 768: the state hash is "), std::string::npos) << o.output;
  EXPECT_NE(o.output.find(", the recording has " + ReplayHashText(replay.checkpoints[2].hash)),
            std::string::npos)
      << o.output;
  EXPECT_EQ(std::count(o.output.begin(), o.output.end(), '\n'), 1);
}

TEST_F(Replays, AChangeAfterTheLastHashIsCaughtAtTheEnd) {
  Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  ReplayEvent left;
  left.kind = ReplayEvent::Kind::kKeyDown;
  left.key = static_cast<uint8_t>(Key::kLeft);
  replay.frames[1049].events.push_back(left);
  WriteReplayFile(In("moved.zrp"), replay);
  const Outcome o = RunSim("--replay " + In("moved.zrp") + " --verify");
  EXPECT_EQ(o.exit_code, 3) << o.output;
  EXPECT_NE(o.output.find("frame 1100: the state hash is "), std::string::npos) << o.output;
}

// The hashes a run prints are those its replay keeps, whether it is played
// from the script or from the replay, and the last frame is listed once.
TEST_F(Replays, HashesAreTheRecordingsOwnWithTheLevel) {
  const Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  std::string expected;
  for (const ReplayCheckpoint& kept : replay.checkpoints) {
    expected +=
        "frame " + std::to_string(kept.frame) + " level 3 hash " + ReplayHashText(kept.hash) + "\n";
  }
  expected += "frame 1100 level 3 hash " + ReplayHashText(replay.end_hash) + "\n";

  const Outcome replayed = RunSim("--replay " + In("game.zrp") + " --hashes " + In("h.txt"));
  ASSERT_EQ(replayed.exit_code, 0) << replayed.output;
  EXPECT_EQ(ReadFile(In("h.txt")), expected);
  const Outcome scripted =
      RunSim("--seed 5 --frames 1100 --script " + In("script") + " --hashes - 2>/dev/null");
  EXPECT_EQ(scripted.output, expected);

  const Outcome even = RunSim("--replay " + In("game.zrp") + " --frames 512 --hashes -");
  EXPECT_EQ(even.output, expected.substr(0, expected.find("frame 768")));
}

TEST_F(Replays, BadFilesAreRefusedInOneLine) {
  const std::string bytes = ReadFile(In("game.zrp"));
  WriteFile(In("cut.zrp"), bytes.substr(0, bytes.size() / 2));
  WriteFile(In("foreign.zrp"), "#!/bin/sh\necho hello\n");
  std::string damaged = bytes;
  damaged[damaged.size() / 2] ^= 1;
  WriteFile(In("damaged.zrp"), damaged);
  Replay other = ReadReplayFile(In("game.zrp"), GameVersion());
  other.game_version = "0.0.1";
  WriteReplayFile(In("other.zrp"), other);
  // A variable no script could set.
  Replay wild = ReadReplayFile(In("game.zrp"), GameVersion());
  ReplayEvent set;
  set.kind = ReplayEvent::Kind::kSet;
  set.name = "level_number";
  set.value_type = ReplayEvent::ValueType::kText;
  set.text_value = "many";
  wild.frames[2].events.push_back(set);
  WriteReplayFile(In("wild.zrp"), wild);

  const auto refusal = [this](const char* name) {
    const Outcome o = RunSim("--replay " + In(name) + " --verify");
    EXPECT_EQ(o.exit_code, 2) << o.output;
    EXPECT_EQ(std::count(o.output.begin(), o.output.end(), '\n'), 1) << o.output;
    EXPECT_EQ(o.output.rfind("zephyrant-sim: " + In(name) + ": ", 0), 0u) << o.output;
    return o.output;
  };
  EXPECT_NE(refusal("cut.zrp").find("truncated"), std::string::npos);
  EXPECT_NE(refusal("foreign.zrp").find("not a Zephyrant replay"), std::string::npos);
  EXPECT_NE(refusal("damaged.zrp").find("damaged"), std::string::npos);
  EXPECT_NE(
      refusal("other.zrp")
          .find("recorded by Zephyrant 0.0.1, this is Zephyrant " + std::string(GameVersion())),
      std::string::npos);
  EXPECT_NE(refusal("wild.zrp").find("frame 3: a variable set that no script could set"),
            std::string::npos);
  EXPECT_NE(refusal("missing.zrp").find("cannot open"), std::string::npos);
}

}  // namespace
}  // namespace zephyrant
