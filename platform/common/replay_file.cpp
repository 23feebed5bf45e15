// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/replay_file.h"

#include <algorithm>
#include <fstream>

#include "platform/common/replace_file.h"
#include "platform/common/replay_bytes.h"
#include "platform/common/tape.h"

namespace zephyrant {

namespace {

constexpr std::string_view kMagic = "ZEPHRPLY";
constexpr uint16_t kFormatVersion = 2;
constexpr size_t kMaxVersionText = 64;

std::string Hex(uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kDigits[value & 0xf];
  return text;
}

void WriteSettings(ReplayWriter& w, const ReplaySettings& s) {
  w.Signed(s.difficulty);
  w.Signed(s.speed);
  w.Signed(s.sound);
  w.Signed(s.music);
  w.Signed(s.full_screen);
  for (int row = 0; row < kReplayTableRows; ++row) {
    w.Text(s.names[static_cast<size_t>(row)]);
    w.Signed(s.scores[static_cast<size_t>(row)]);
  }
}

ReplaySettings ReadSettings(ReplayReader& r) {
  ReplaySettings s;
  s.difficulty = r.SignedIn(0, kReplayMaxDifficulty, "the difficulty");
  s.speed = r.SignedIn(0, kReplayMaxSpeed, "the speed");
  s.sound = r.SignedIn(0, kReplayMaxVolume, "the sound volume");
  s.music = r.SignedIn(0, kReplayMaxVolume, "the music volume");
  s.full_screen = r.SignedIn(0, 1, "the full-screen setting");
  for (int row = 0; row < kReplayTableRows; ++row) {
    s.names[static_cast<size_t>(row)] = r.Text(kReplayMaxName, "a high-score name");
    s.scores[static_cast<size_t>(row)] = r.Signed("a high score");
  }
  return s;
}

// Walks the whole tape once, so that playing it meets nothing it cannot play;
// the frames it holds.
uint32_t CheckTape(std::string_view tape, std::string_view source) {
  TapeReader reader(tape, source);
  TapeEntry entry;
  uint64_t frames = 0;
  while (reader.Next(entry)) {
    if (!entry.IsFrame()) continue;
    frames += entry.count;
    if (frames > kMaxReplayFrames) {
      throw ReplayError(std::string(source) + ": damaged: the tape holds more than " +
                        std::to_string(kMaxReplayFrames) + " frames");
    }
  }
  return static_cast<uint32_t>(frames);
}

}  // namespace

uint64_t Fnv1a64(std::string_view bytes, uint64_t hash) {
  for (const char c : bytes) {
    hash ^= static_cast<uint8_t>(c);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

std::string EncodeReplay(const Replay& replay) {
  ReplayWriter w;
  w.Bytes() += kMagic;
  w.Fixed(kFormatVersion, 2);
  w.Text(replay.game_version);
  w.Unsigned(replay.seed);
  WriteSettings(w, replay.settings);
  w.Unsigned(replay.start_frame);
  w.Unsigned(replay.frame_count);
  w.Text(replay.tape);
  w.Unsigned(static_cast<uint32_t>(replay.checkpoints.size()));
  for (const ReplayCheckpoint& c : replay.checkpoints) {
    w.Unsigned(static_cast<uint32_t>(c.frame));
    w.Fixed(c.hash, 8);
  }
  w.Signed(replay.final_score);
  w.Signed(replay.final_level);
  w.Fixed(replay.end_hash, 8);
  w.Fixed(Fnv1a64(w.Bytes()), 8);
  return std::move(w.Bytes());
}

Replay DecodeReplay(std::string_view bytes, std::string_view expected_version,
                    std::string_view source) {
  ReplayReader r(bytes, source);
  if (bytes.size() < kMagic.size() || bytes.substr(0, kMagic.size()) != kMagic) {
    r.Fail("not a Zephyrant replay");
  }
  if (bytes.size() > kMaxReplayBytes) r.Fail("too large for a replay");
  r.Skip(kMagic.size(), "the format tag");
  const uint64_t format = r.Fixed(2, "the format version");
  if (format != kFormatVersion) {
    r.Fail("replay format " + std::to_string(format) + ", this game reads format " +
           std::to_string(kFormatVersion));
  }
  // The trailing hash covers every byte before it: a damaged file is refused
  // before any of its contents is believed.
  if (bytes.size() < r.At() + 8) r.Fail("truncated: the file ends inside its header");
  const std::string_view body = bytes.substr(0, bytes.size() - 8);
  ReplayReader tail(bytes.substr(body.size()), source);
  if (tail.Fixed(8, "the file hash") != Fnv1a64(body)) {
    r.Fail("damaged or truncated: the file hash does not match its contents");
  }

  Replay replay;
  ReplayReader b(body, source);
  b.Skip(kMagic.size() + 2, "the header");
  replay.game_version = b.Text(kMaxVersionText, "the game version");
  if (replay.game_version != expected_version) {
    b.Fail("recorded by Zephyrant " + replay.game_version + ", this is Zephyrant " +
           std::string(expected_version));
  }
  replay.seed = b.Unsigned("the seed");
  replay.settings = ReadSettings(b);
  replay.start_frame = b.Bounded(kMaxReplayFrames, "the starting frame");
  replay.frame_count = b.Bounded(kMaxReplayFrames, "the frame count");
  if (replay.start_frame > replay.frame_count) {
    b.Fail("damaged: the game starts after frame " + std::to_string(replay.start_frame) + " of " +
           std::to_string(replay.frame_count));
  }
  replay.tape = b.Text(kMaxReplayBytes, "the tape");
  const uint32_t frames = CheckTape(replay.tape, source);
  if (frames != replay.frame_count) {
    b.Fail("damaged: the tape holds " + std::to_string(frames) + " frames, the header says " +
           std::to_string(replay.frame_count));
  }
  const uint32_t checkpoints = b.Bounded(replay.frame_count, "the hash count");
  replay.checkpoints.reserve(std::min<size_t>(checkpoints, b.Left() / 9));
  for (uint32_t i = 0; i < checkpoints; ++i) {
    ReplayCheckpoint c;
    c.frame = static_cast<int32_t>(b.Bounded(replay.frame_count, "a hash's frame"));
    c.hash = b.Fixed(8, "a frame hash");
    replay.checkpoints.push_back(c);
  }
  replay.final_score = b.Signed("the final score");
  replay.final_level = b.Signed("the final level");
  replay.end_hash = b.Fixed(8, "the end hash");
  if (b.Left() != 0) b.Fail("damaged: " + std::to_string(b.Left()) + " bytes after the end");
  return replay;
}

void WriteReplayFile(const std::filesystem::path& path, const Replay& replay) {
  const std::string problem =
      ReplaceFile(path, path.string() + ".new-XXXXXX", EncodeReplay(replay), 0644, false);
  if (!problem.empty()) {
    throw ReplayError(path.string() + ": cannot write the replay: " + problem);
  }
}

Replay ReadReplayFile(const std::filesystem::path& path, std::string_view expected_version) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ReplayError(path.string() + ": cannot open the replay");
  std::string bytes;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    bytes.append(chunk, static_cast<size_t>(in.gcount()));
    if (bytes.size() > kMaxReplayBytes) {
      throw ReplayError(path.string() + ": too large for a replay");
    }
  }
  if (in.bad()) throw ReplayError(path.string() + ": cannot read the replay");
  return DecodeReplay(bytes, expected_version, path.string());
}

std::string_view GameVersion() {
  return ZEPHYRANT_VERSION;
}

std::string ReplayHashText(uint64_t hash) {
  return Hex(hash);
}

}  // namespace zephyrant
