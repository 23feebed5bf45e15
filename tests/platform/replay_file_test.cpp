// SPDX-License-Identifier: GPL-3.0-or-later
// Replays on disk: what is written reads back the same, and what is not a
// replay of this game is refused with one line saying why.

#include "platform/common/replay_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

using Kind = ReplayEvent::Kind;

constexpr std::string_view kVersion = "1.2.3";

ReplayEvent Event(Kind kind) {
  ReplayEvent e;
  e.kind = kind;
  return e;
}

// A replay with every kind of event, quiet stretches and late frames.
Replay Sample() {
  Replay r;
  r.game_version = std::string(kVersion);
  r.seed = 0xdeadbeef;
  r.difficulty = 2;
  r.speed = -40;
  r.frames.resize(700);
  ReplayEvent down = Event(Kind::kKeyDown);
  down.key = 7;
  down.character = ' ';
  ReplayEvent up = Event(Kind::kKeyUp);
  up.key = 7;
  ReplayEvent typed = Event(Kind::kChar);
  typed.character = '\xe9';
  ReplayEvent move = Event(Kind::kMouseMove);
  move.x = -12;
  move.y = 4000;
  ReplayEvent press = Event(Kind::kMouseDown);
  press.button = 2;
  ReplayEvent pad = Event(Kind::kPad);
  pad.present = true;
  pad.x = -32768;
  pad.y = 32767;
  pad.buttons = 0x80000001u;
  ReplayEvent set_int = Event(Kind::kSet);
  set_int.name = "level_number";
  set_int.int_value = 21;
  ReplayEvent set_double = Event(Kind::kSet);
  set_double.name = "cursor_x";
  set_double.value_type = ReplayEvent::ValueType::kDouble;
  set_double.double_value = 0.1;
  ReplayEvent set_text = Event(Kind::kSet);
  set_text.name = "name";
  set_text.value_type = ReplayEvent::ValueType::kText;
  set_text.text_value = "a b";
  ReplayEvent call = Event(Kind::kCall);
  call.name = "NewGame";
  r.frames[0].events = {set_int, set_double, set_text, call};
  r.frames[4].events = {down, typed, move, press, pad};
  r.frames[5].events = {up, Event(Kind::kFocusOut), Event(Kind::kFocusIn), Event(Kind::kMinimise),
                        Event(Kind::kPadUnplug)};
  r.frames[6].lag_count = 3;
  r.frames[699].events = {Event(Kind::kMouseUp)};
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

TEST(ReplayFile, QuietFramesTakeAlmostNoRoom) {
  Replay replay;
  replay.game_version = std::string(kVersion);
  replay.frames.resize(100'000);
  EXPECT_LT(EncodeReplay(replay).size(), 64u);
}

TEST(ReplayFile, AnythingButAReplayIsRefused) {
  EXPECT_EQ(Refusal(""), "r.zrp: not a Zephyrant replay");
  EXPECT_EQ(Refusal("\x89PNG\r\n\x1a\n...."), "r.zrp: not a Zephyrant replay");
  std::string future = EncodeReplay(Sample());
  future[8] = 9;
  EXPECT_EQ(Refusal(future), "r.zrp: replay format 9, this game reads format 1");
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
  replay.frames.resize(1);
  replay.frames[0].events = {Event(Kind::kCall)};
  const std::string bytes = EncodeReplay(replay);
  // magic, format, version text, seed, difficulty, speed: then the frame count.
  const size_t count_at = 8 + 2 + 1 + kVersion.size() + 3;
  ASSERT_EQ(bytes[count_at], 1);

  std::string many_frames = bytes;
  many_frames.replace(count_at, 1, "\xff\xff\xff\xff\x0f");  // 2^32 - 1
  EXPECT_EQ(Refusal(Resealed(many_frames)),
            "r.zrp: damaged: the frame count 4294967295 is over 1000000");

  std::string many_events = bytes;
  many_events.replace(count_at + 1, 1, "\xff\xff\x03");  // 32767 events
  EXPECT_EQ(Refusal(Resealed(many_events)), "r.zrp: damaged: 32767 events in frame 1");

  std::string long_name = bytes;
  // frame head, lag, event kind, then the call's name length.
  long_name.replace(count_at + 4, 1, "\xff\xff\xff\xff\x07");
  EXPECT_EQ(Refusal(Resealed(long_name)), "r.zrp: damaged: a call's name 2147483647 is over 256");

  std::string long_run = bytes;
  long_run.replace(count_at + 1, 3, std::string(1, 4));  // two quiet frames of one
  EXPECT_EQ(Refusal(Resealed(long_run)), "r.zrp: damaged: a run of 2 quiet frames");

  std::string bad_kind = bytes;
  bad_kind[count_at + 3] = 99;
  EXPECT_EQ(Refusal(Resealed(bad_kind)), "r.zrp: damaged: unknown event kind 99");
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
