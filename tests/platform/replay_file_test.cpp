// SPDX-License-Identifier: GPL-3.0-or-later
// Replays on disk: what is written reads back the same, and what is not a
// replay of this game is refused with one line saying why.

#include "platform/common/replay_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/common/tape.h"
#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

constexpr std::string_view kVersion = "1.2.3";

TapeEntry Entry(TapeOp op) {
  TapeEntry e;
  e.op = op;
  return e;
}

// A tape with every kind of entry, quiet stretches, idle passes and late frames.
std::string SampleTape() {
  TapeWriter w;
  TapeEntry set_int = Entry(TapeOp::kSet);
  set_int.name = "level_number";
  set_int.value = int32_t{21};
  TapeEntry set_double = Entry(TapeOp::kSet);
  set_double.name = "cursor_x";
  set_double.value = 0.1;
  TapeEntry set_text = Entry(TapeOp::kSet);
  set_text.name = "name";
  set_text.value = std::string("a b");
  TapeEntry call = Entry(TapeOp::kCall);
  call.call = TapeCall::kToggleFullScreen;
  for (const TapeEntry& e : {set_int, set_double, set_text, call}) w.Add(e);
  for (int i = 0; i < 300; ++i) w.Add(Entry(TapeOp::kFrames));
  TapeEntry down = Entry(TapeOp::kKeyDown);
  down.key = Key::kSpace;
  TapeEntry typed = Entry(TapeOp::kKeyPress);
  typed.character = '\xe9';
  TapeEntry press = Entry(TapeOp::kMouseDown);
  press.button = 2;
  TapeEntry held = Entry(TapeOp::kKeyState);
  held.key = Key::kZ;
  held.flag = true;
  TapeEntry mouse = Entry(TapeOp::kMouse);
  mouse.mouse = MouseSample{-12, 4000, true, false, true};
  TapeEntry pad = Entry(TapeOp::kJoystick);
  pad.joystick = JoystickSample{true, -32768, 32767, 0x80000001u};
  TapeEntry pointer = Entry(TapeOp::kPointer);
  pointer.pointer = Point{-5, 700};
  TapeEntry away = Entry(TapeOp::kActive);
  TapeEntry background = Entry(TapeOp::kForeground);
  for (const TapeEntry& e :
       {down, typed, press, held, mouse, pad, pointer, away, background, Entry(TapeOp::kMinimised),
        Entry(TapeOp::kGamepadLost), Entry(TapeOp::kLevelTimer), Entry(TapeOp::kBossTimer)}) {
    w.Add(e);
  }
  for (int i = 0; i < 200; ++i) w.Add(Entry(TapeOp::kIdleFrames));
  TapeEntry late = Entry(TapeOp::kLagFrame);
  late.lag = 3;
  w.Add(late);
  for (int i = 0; i < 198; ++i) w.Add(Entry(TapeOp::kFrames));
  w.Add(Entry(TapeOp::kMouseUp));
  return w.Take();
}

Replay Sample() {
  Replay r;
  r.game_version = std::string(kVersion);
  r.seed = 0xdeadbeef;
  r.settings.difficulty = 2;
  r.settings.speed = 1000;
  r.settings.sound = 130;
  r.settings.music = 0;
  r.settings.full_screen = 1;
  r.settings.names = {"A1u0t0o0r0", "", "sc", "x", "y", "z", std::string(30, 'q')};
  r.settings.scores = {5840, 0, -1, 3, 4, 5, 2147483647};
  r.start_frame = 300;
  r.tape = SampleTape();
  r.frame_count = 699;
  r.checkpoints = {{256, 0x0123456789abcdefull}, {512, 42}};
  r.final_score = 123456;
  r.final_level = 35;
  r.end_hash = 0xfedcba9876543210ull;
  return r;
}

// The file's own hash made right again after a change to its contents.
std::string Resealed(std::string bytes) {
  bytes.resize(bytes.size() - 8);
  uint64_t hash = Fnv1a64(bytes);
  for (int i = 0; i < 8; ++i, hash >>= 8) bytes += static_cast<char>(hash & 0xff);
  return bytes;
}

std::string Refusal(std::string_view bytes, std::string_view version = kVersion) {
  try {
    DecodeReplay(bytes, version, "r.zrp");
  } catch (const ReplayError& e) {
    return e.what();
  }
  return "";
}

TEST(ReplayFile, ReadsBackWhatWasWritten) {
  const Replay replay = Sample();
  EXPECT_EQ(DecodeReplay(EncodeReplay(replay), kVersion, "r.zrp"), replay);
  Replay empty;
  empty.game_version = std::string(kVersion);
  EXPECT_EQ(DecodeReplay(EncodeReplay(empty), kVersion, "r.zrp"), empty);
}

TEST(ReplayFile, TheTapeReadsBackEntryForEntry) {
  const std::string tape = SampleTape();
  TapeReader reader(tape, "t");
  TapeEntry e;
  std::vector<TapeOp> ops;
  uint32_t frames = 0;
  while (reader.Next(e)) {
    ops.push_back(e.op);
    if (e.IsFrame()) frames += e.count;
    if (e.op == TapeOp::kMouse) {
      EXPECT_TRUE(e.mouse.middle && !e.mouse.right && e.mouse.dy == 4000);
    }
    if (e.op == TapeOp::kJoystick) {
      EXPECT_EQ(e.joystick.buttons, 0x80000001u);
    }
    if (e.op == TapeOp::kSet && e.name == "cursor_x") {
      EXPECT_EQ(e.value, TapeValue(0.1));
    }
  }
  EXPECT_EQ(frames, 699u);
  // Runs of alike frames are one entry each; the late frame stands alone.
  EXPECT_EQ(std::count(ops.begin(), ops.end(), TapeOp::kFrames), 2);
  EXPECT_EQ(std::count(ops.begin(), ops.end(), TapeOp::kIdleFrames), 1);
  EXPECT_EQ(std::count(ops.begin(), ops.end(), TapeOp::kLagFrame), 1);
  EXPECT_EQ(ops.back(), TapeOp::kMouseUp);
}

TEST(ReplayFile, QuietFramesTakeAlmostNoRoom) {
  TapeWriter w;
  for (int i = 0; i < 100'000; ++i) w.Add(Entry(TapeOp::kFrames));
  EXPECT_EQ(w.Frames(), 100'000u);
  EXPECT_LE(w.Bytes().size(), 4u);
}

TEST(ReplayFile, AnythingButAReplayIsRefused) {
  EXPECT_EQ(Refusal(""), "r.zrp: not a Zephyrant replay");
  EXPECT_EQ(Refusal("\x89PNG\r\n\x1a\n...."), "r.zrp: not a Zephyrant replay");
  std::string future = EncodeReplay(Sample());
  future[8] = 9;
  EXPECT_EQ(Refusal(future), "r.zrp: replay format 9, this game reads format 2");
}

TEST(ReplayFile, AnotherVersionIsRefusedNamingBoth) {
  EXPECT_EQ(Refusal(EncodeReplay(Sample()), "1.3.0"),
            "r.zrp: recorded by Zephyrant 1.2.3, this is Zephyrant 1.3.0");
}

TEST(ReplayFile, EveryCutOrFlippedByteIsRefusedInOneLine) {
  const std::string bytes = EncodeReplay(Sample());
  for (size_t size = 0; size < bytes.size(); ++size) {
    const std::string problem = Refusal(bytes.substr(0, size));
    EXPECT_FALSE(problem.empty()) << "cut to " << size;
    EXPECT_EQ(problem.find('\n'), std::string::npos);
  }
  for (size_t at = 0; at < bytes.size(); ++at) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
    EXPECT_FALSE(Refusal(damaged).empty()) << "byte " << at;
  }
}

// Files whose own hash is right but whose contents lie: every count and
// length is held to its limit before anything is made for it.
TEST(ReplayFile, LyingCountsAreRefusedBeforeAnythingIsAllocated) {
  Replay replay;
  replay.game_version = std::string(kVersion);
  replay.tape = std::string(1, static_cast<char>(TapeOp::kKeyDown)) + '\x07';
  const std::string bytes = EncodeReplay(replay);
  // magic, format, version text, seed, five settings, seven rows of an empty
  // name and a score: then the starting frame, the frame count and the tape.
  const size_t start_at = 8 + 2 + 1 + kVersion.size() + 1 + 5 + 7 * 2;
  ASSERT_EQ(bytes[start_at + 2], 2);  // the tape's length

  std::string many_frames = bytes;
  many_frames.replace(start_at + 1, 1, "\xff\xff\xff\xff\x0f");  // 2^32 - 1
  EXPECT_EQ(Refusal(Resealed(many_frames)),
            "r.zrp: damaged: the frame count 4294967295 is over 1000000");

  std::string long_tape = bytes;
  long_tape.replace(start_at + 2, 1, "\xff\xff\xff\xff\x07");
  EXPECT_EQ(Refusal(Resealed(long_tape)), "r.zrp: damaged: the tape 2147483647 is over 67108864");

  std::string late_start = bytes;
  late_start[start_at] = 1;
  EXPECT_EQ(Refusal(Resealed(late_start)), "r.zrp: damaged: the game starts after frame 1 of 0");

  std::string bad_op = bytes;
  bad_op[start_at + 3] = 99;
  EXPECT_EQ(Refusal(Resealed(bad_op)), "r.zrp: damaged: unknown entry 99");

  std::string bad_key = bytes;
  bad_key[start_at + 4] = static_cast<char>(Key::kCount);
  EXPECT_EQ(Refusal(Resealed(bad_key)),
            "r.zrp: damaged: unknown key " + std::to_string(static_cast<int>(Key::kCount)));

  // Frames the header does not count, and runs past any limit.
  Replay uncounted = replay;
  uncounted.tape = std::string(1, static_cast<char>(TapeOp::kFrames)) + '\x05';
  EXPECT_EQ(Refusal(EncodeReplay(uncounted)),
            "r.zrp: damaged: the tape holds 5 frames, the header says 0");
  Replay endless = replay;
  endless.tape.clear();
  for (int i = 0; i < 2; ++i) endless.tape += std::string(1, '\0') + "\xc0\x84\x3d";  // 10^6
  EXPECT_EQ(Refusal(EncodeReplay(endless)),
            "r.zrp: damaged: the tape holds more than 1000000 frames");
}

TEST(ReplayFile, SettingsOutsideTheGamesRangesAreRefused) {
  const auto with = [](auto change) {
    Replay r = Sample();
    change(r.settings);
    return Refusal(EncodeReplay(r));
  };
  EXPECT_EQ(with([](ReplaySettings& s) { s.difficulty = 3; }),
            "r.zrp: damaged: the difficulty 3 is not from 0 to 2");
  EXPECT_EQ(with([](ReplaySettings& s) { s.speed = -1; }),
            "r.zrp: damaged: the speed -1 is not from 0 to 1000");
  EXPECT_EQ(with([](ReplaySettings& s) { s.music = 131; }),
            "r.zrp: damaged: the music volume 131 is not from 0 to 130");
  EXPECT_EQ(with([](ReplaySettings& s) { s.full_screen = 2; }),
            "r.zrp: damaged: the full-screen setting 2 is not from 0 to 1");
  EXPECT_EQ(with([](ReplaySettings& s) { s.names[3] = std::string(31, 'n'); }),
            "r.zrp: damaged: a high-score name 31 is over 30");
}

class ReplayFolder : public ::testing::Test {
 protected:
  ScratchFolder folder_;
};

TEST_F(ReplayFolder, WritingReplacesTheFileWholeAndLeavesNothingBeside) {
  const std::filesystem::path path = folder_.Path() / "game.zrp";
  std::ofstream(path) << "an older replay";
  WriteReplayFile(path, Sample());
  EXPECT_EQ(ReadReplayFile(path, kVersion), Sample());
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST_F(ReplayFolder, AFileThatCannotBeWrittenOrReadSaysSo) {
  const std::filesystem::path missing = folder_.Path() / "no such folder" / "game.zrp";
  EXPECT_THROW(WriteReplayFile(missing, Sample()), ReplayError);
  try {
    ReadReplayFile(missing, kVersion);
    FAIL() << "a missing file was read";
  } catch (const ReplayError& e) {
    EXPECT_EQ(std::string(e.what()), missing.string() + ": cannot open the replay");
  }
}

}  // namespace
}  // namespace zephyrant
