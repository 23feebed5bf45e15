// SPDX-License-Identifier: GPL-3.0-or-later
// Recording a scripted run with zephyrant-sim and playing it back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include "framework/platform.h"
#include "platform/common/replay_file.h"
#include "platform/common/tape.h"
#include "platform/headless/scratch_folder.h"
#include "tests/runner/sim_program.h"

namespace zephyrant {
namespace {

// The tape as frames: the entries before each frame, and the frame.
struct TapeFrame {
  std::vector<TapeEntry> before;
  TapeEntry frame;
};

std::vector<TapeFrame> Frames(const Replay& replay) {
  TapeReader reader(replay.tape, "tape");
  std::vector<TapeFrame> frames;
  std::vector<TapeEntry> before;
  for (TapeEntry e; reader.Next(e);) {
    if (!e.IsFrame()) {
      before.push_back(e);
      continue;
    }
    TapeEntry one = e;
    one.count = 1;
    for (uint32_t i = 0; i < e.count; ++i)
      frames.push_back(TapeFrame{std::exchange(before, {}), one});
  }
  return frames;
}

void SetFrames(Replay& replay, const std::vector<TapeFrame>& frames) {
  TapeWriter writer;
  for (const TapeFrame& f : frames) {
    for (const TapeEntry& e : f.before) writer.Add(e);
    writer.Add(f.frame);
  }
  replay.frame_count = writer.Frames();
  replay.tape = writer.Take();
}

TapeEntry KeyState(Key key, bool held) {
  TapeEntry e;
  e.op = TapeOp::kKeyState;
  e.key = key;
  e.flag = held;
  return e;
}

// A game from the menu, whose choice the gamepad moves first: a level
// started, the ship firing, steered by the keys, the mouse and the gamepad's
// stick; the game paused by the window losing focus, by the pause key, by
// the window minimised and resumed with the gamepad's Start, and by the
// gamepad unplugged; and one late frame.
constexpr const char* kScript =
    "1 pad press Down\n"
    "2 pad press Up\n"
    "3 set screen_state 5\n"
    "3 call NewGame\n"
    "3 set level_number 3\n"
    "5 key down Space\n"
    "70 mouse move 300 200\n"
    "90 lag 4\n"
    "100 pad -32768 0 2\n"
    "160 pad 0 0 0\n"
    "200 focus out\n"
    "230 focus in\n"
    "235 key down p\n"
    "236 key up p\n"
    "300 minimise\n"
    "320 pad press Pause\n"
    "400 pad 20000 0 0\n"
    "420 pad unplug\n"
    "440 key down p\n"
    "441 key up p\n"
    "600 key down Left\n"
    "650 key up Left\n"
    "700 key down Right\n"
    "800 key up Right\n";

class Replays : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(In("script"), kScript);
    const SimOutcome o =
        RunSim("--seed 5 --frames 1100 --script " + In("script") + " --dump-every 50 --dump " +
               In("script.jsonl") + " --record " + In("game.zrp"));
    ASSERT_EQ(o.exit_code, 0) << o.output;
  }
  std::string In(const char* name) const { return (folder_.Path() / name).string(); }
  ScratchFolder folder_;
};

TEST_F(Replays, AReplayGivesTheScriptsDumpsAndVerifies) {
  const SimOutcome o =
      RunSim("--replay " + In("game.zrp") + " --verify --dump-every 50 --dump " + In("r.jsonl"));
  ASSERT_EQ(o.exit_code, 0) << o.output;
  EXPECT_EQ(o.output, "");
  EXPECT_EQ(ReadFile(In("r.jsonl")), ReadFile(In("script.jsonl")));

  const Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  EXPECT_EQ(replay.seed, 5u);
  EXPECT_EQ(replay.frame_count, 1100u);
  const std::vector<TapeFrame> frames = Frames(replay);
  ASSERT_EQ(frames.size(), 1100u);
  EXPECT_EQ(frames[89].frame.lag, 4);
  // Out of focus and paused, the runner's frames run no game frame.
  EXPECT_EQ(frames[209].frame.op, TapeOp::kIdleFrames);
  EXPECT_EQ(frames[259].frame.op, TapeOp::kFrames);
  // A held key is written once, when it goes down.
  EXPECT_EQ(std::count_if(frames.begin(), frames.end(),
                          [](const TapeFrame& f) {
                            return std::any_of(
                                f.before.begin(), f.before.end(), [](const TapeEntry& e) {
                                  return e.op == TapeOp::kKeyState && e.key == Key::kSpace;
                                });
                          }),
            1);
  ASSERT_EQ(replay.checkpoints.size(), 4u);
  EXPECT_EQ(replay.checkpoints[3].frame, 1024);
  EXPECT_EQ(replay.final_level, 3);
  EXPECT_GT(replay.final_score, 0);
}

TEST_F(Replays, TheStateHashLeavesTheDesktopOut) {
  const SimOutcome o = RunSim("--replay " + In("game.zrp") + " --verify --desktop 1024x768");
  EXPECT_EQ(o.exit_code, 0) << o.output;
}

TEST_F(Replays, FramesStopsAReplayEarly) {
  const SimOutcome o =
      RunSim("--replay " + In("game.zrp") + " --verify --frames 300 --dump " + In("300.json"));
  ASSERT_EQ(o.exit_code, 0) << o.output;
  const SimOutcome script =
      RunSim("--seed 5 --frames 300 --script " + In("script") + " --dump " + In("script300.json"));
  ASSERT_EQ(script.exit_code, 0) << script.output;
  EXPECT_EQ(ReadFile(In("300.json")), ReadFile(In("script300.json")));
}

TEST_F(Replays, OneChangedInputIsCaughtAtTheFirstHashAfterIt) {
  Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  // The ship turns right ten frames late: the key reads as up until then.
  std::vector<TapeFrame> frames = Frames(replay);
  std::vector<TapeEntry>& at = frames[699].before;
  const auto right = std::find_if(at.begin(), at.end(), [](const TapeEntry& e) {
    return e.op == TapeOp::kKeyState && e.key == Key::kRight && e.flag;
  });
  ASSERT_NE(right, at.end());
  at.erase(right);
  frames[709].before.push_back(KeyState(Key::kRight, true));
  SetFrames(replay, frames);
  WriteReplayFile(In("late.zrp"), replay);
  const SimOutcome o = RunSim("--replay " + In("late.zrp") + " --verify");
  EXPECT_EQ(o.exit_code, 3) << o.output;
  EXPECT_NE(o.output.find("frame 768: the state hash is "), std::string::npos) << o.output;
  EXPECT_NE(o.output.find(", the recording has " + ReplayHashText(replay.checkpoints[2].hash)),
            std::string::npos)
      << o.output;
  EXPECT_EQ(std::count(o.output.begin(), o.output.end(), '\n'), 1);
}

TEST_F(Replays, AChangeAfterTheLastHashIsCaughtAtTheEnd) {
  Replay replay = ReadReplayFile(In("game.zrp"), GameVersion());
  std::vector<TapeFrame> frames = Frames(replay);
  frames[1049].before.push_back(KeyState(Key::kLeft, true));
  SetFrames(replay, frames);
  WriteReplayFile(In("moved.zrp"), replay);
  const SimOutcome o = RunSim("--replay " + In("moved.zrp") + " --verify");
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

  const SimOutcome replayed = RunSim("--replay " + In("game.zrp") + " --hashes " + In("h.txt"));
  ASSERT_EQ(replayed.exit_code, 0) << replayed.output;
  EXPECT_EQ(ReadFile(In("h.txt")), expected);
  const SimOutcome scripted =
      RunSim("--seed 5 --frames 1100 --script " + In("script") + " --hashes - 2>/dev/null");
  EXPECT_EQ(scripted.output, expected);

  const SimOutcome even = RunSim("--replay " + In("game.zrp") + " --frames 512 --hashes -");
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
  TapeEntry set;
  set.op = TapeOp::kSet;
  set.name = "level_number";
  set.value = std::string("many");
  std::vector<TapeFrame> frames = Frames(wild);
  frames[2].before.push_back(set);
  SetFrames(wild, frames);
  WriteReplayFile(In("wild.zrp"), wild);

  const auto refusal = [this](const char* name) {
    const SimOutcome o = RunSim("--replay " + In(name) + " --verify");
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
