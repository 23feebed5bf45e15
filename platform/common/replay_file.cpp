// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/replay_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "framework/platform.h"

namespace zephyrant {

namespace {

constexpr std::string_view kMagic = "ZEPHRPLY";
constexpr uint16_t kFormatVersion = 1;
constexpr size_t kMaxVersionText = 64;
constexpr uint8_t kMouseButtons = 3;

// ---- writing ----

class Writer {
 public:
  void Byte(uint8_t b) { out_ += static_cast<char>(b); }
  void Fixed(uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) Byte(static_cast<uint8_t>(value >> (8 * i)));
  }
  void Unsigned(uint32_t value) {
    while (value >= 0x80) {
      Byte(static_cast<uint8_t>(value | 0x80));
      value >>= 7;
    }
    Byte(static_cast<uint8_t>(value));
  }
  void Signed(int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    Unsigned((u << 1) ^ (value < 0 ? 0xffffffffu : 0u));
  }
  void Text(std::string_view text) {
    Unsigned(static_cast<uint32_t>(text.size()));
    out_ += text;
  }
  std::string& Bytes() { return out_; }

 private:
  std::string out_;
};

void WriteEvent(Writer& w, const ReplayEvent& e) {
  using Kind = ReplayEvent::Kind;
  w.Byte(static_cast<uint8_t>(e.kind));
  switch (e.kind) {
    case Kind::kKeyDown:
      w.Byte(e.key);
      w.Byte(static_cast<uint8_t>(e.character));
      break;
    case Kind::kKeyUp:
      w.Byte(e.key);
      break;
    case Kind::kChar:
      w.Byte(static_cast<uint8_t>(e.character));
      break;
    case Kind::kMouseMove:
      w.Signed(e.x);
      w.Signed(e.y);
      break;
    case Kind::kMouseDown:
    case Kind::kMouseUp:
      w.Byte(e.button);
      break;
    case Kind::kPad:
      w.Byte(e.present ? 1 : 0);
      w.Signed(e.x);
      w.Signed(e.y);
      w.Unsigned(e.buttons);
      break;
    case Kind::kSet:
      w.Text(e.name);
      w.Byte(static_cast<uint8_t>(e.value_type));
      if (e.value_type == ReplayEvent::ValueType::kInt) w.Signed(e.int_value);
      if (e.value_type == ReplayEvent::ValueType::kDouble) {
        uint64_t bits = 0;
        std::memcpy(&bits, &e.double_value, sizeof bits);
        w.Fixed(bits, 8);
      }
      if (e.value_type == ReplayEvent::ValueType::kText) w.Text(e.text_value);
      break;
    case Kind::kCall:
      w.Text(e.name);
      break;
    case Kind::kFocusOut:
    case Kind::kFocusIn:
    case Kind::kMinimise:
    case Kind::kPadUnplug:
    case Kind::kCount:
      break;
  }
}

bool Quiet(const ReplayFrame& frame) {
  return frame.lag_count == 1 && frame.events.empty();
}

// ---- reading ----

class Reader {
 public:
  Reader(std::string_view bytes, std::string_view source) : bytes_(bytes), source_(source) {}

  [[noreturn]] void Fail(const std::string& problem) const {
    throw ReplayError(std::string(source_) + ": " + problem);
  }
  void Need(size_t n, const char* what) const {
    if (bytes_.size() - at_ < n) Fail(std::string("truncated: the file ends inside ") + what);
  }
  uint8_t Byte(const char* what) {
    Need(1, what);
    return static_cast<uint8_t>(bytes_[at_++]);
  }
  uint64_t Fixed(int bytes, const char* what) {
    Need(static_cast<size_t>(bytes), what);
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      value |= static_cast<uint64_t>(static_cast<uint8_t>(bytes_[at_++])) << (8 * i);
    }
    return value;
  }
  uint32_t Unsigned(const char* what) {
    uint64_t value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      const uint8_t b = Byte(what);
      value |= static_cast<uint64_t>(b & 0x7f) << shift;
      if ((b & 0x80) == 0) {
        if (value > 0xffffffffu) break;
        return static_cast<uint32_t>(value);
      }
    }
    Fail(std::string("damaged: ") + what + " is not a number");
  }
  uint32_t Bounded(uint32_t most, const char* what) {
    const uint32_t value = Unsigned(what);
    if (value > most) {
      Fail(std::string("damaged: ") + what + " " + std::to_string(value) + " is over " +
           std::to_string(most));
    }
    return value;
  }
  int32_t Signed(const char* what) {
    const uint32_t u = Unsigned(what);
    return static_cast<int32_t>((u >> 1) ^ (0u - (u & 1u)));
  }
  std::string Text(size_t most, const char* what) {
    const uint32_t size = Bounded(static_cast<uint32_t>(most), what);
    Need(size, what);
    std::string text(bytes_.substr(at_, size));
    at_ += size;
    return text;
  }
  void Skip(size_t n, const char* what) {
    Need(n, what);
    at_ += n;
  }
  size_t At() const { return at_; }
  size_t Left() const { return bytes_.size() - at_; }

 private:
  std::string_view bytes_;
  std::string_view source_;
  size_t at_ = 0;
};

ReplayEvent ReadEvent(Reader& r) {
  using Kind = ReplayEvent::Kind;
  ReplayEvent e;
  const uint8_t kind = r.Byte("an event");
  if (kind >= static_cast<uint8_t>(Kind::kCount)) {
    r.Fail("damaged: unknown event kind " + std::to_string(kind));
  }
  e.kind = static_cast<Kind>(kind);
  const auto key = [&r]() {
    const uint8_t k = r.Byte("a key event");
    if (k >= static_cast<uint8_t>(Key::kCount)) r.Fail("damaged: unknown key " + std::to_string(k));
    return k;
  };
  switch (e.kind) {
    case Kind::kKeyDown:
      e.key = key();
      e.character = static_cast<char>(r.Byte("a key event"));
      break;
    case Kind::kKeyUp:
      e.key = key();
      break;
    case Kind::kChar:
      e.character = static_cast<char>(r.Byte("a typed character"));
      break;
    case Kind::kMouseMove:
      e.x = r.Signed("a mouse move");
      e.y = r.Signed("a mouse move");
      break;
    case Kind::kMouseDown:
    case Kind::kMouseUp:
      e.button = r.Byte("a mouse button");
      if (e.button >= kMouseButtons) {
        r.Fail("damaged: unknown mouse button " + std::to_string(e.button));
      }
      break;
    case Kind::kPad:
      e.present = r.Byte("a gamepad state") != 0;
      e.x = r.Signed("a gamepad state");
      e.y = r.Signed("a gamepad state");
      e.buttons = r.Unsigned("a gamepad state");
      break;
    case Kind::kSet: {
      e.name = r.Text(kMaxReplayText, "a variable's name");
      const uint8_t type = r.Byte("a variable's value");
      if (type > static_cast<uint8_t>(ReplayEvent::ValueType::kText)) {
        r.Fail("damaged: unknown value type " + std::to_string(type));
      }
      e.value_type = static_cast<ReplayEvent::ValueType>(type);
      if (e.value_type == ReplayEvent::ValueType::kInt)
        e.int_value = r.Signed("a variable's value");
      if (e.value_type == ReplayEvent::ValueType::kDouble) {
        const uint64_t bits = r.Fixed(8, "a variable's value");
        std::memcpy(&e.double_value, &bits, sizeof bits);
      }
      if (e.value_type == ReplayEvent::ValueType::kText) {
        e.text_value = r.Text(kMaxReplayText, "a variable's value");
      }
      break;
    }
    case Kind::kCall:
      e.name = r.Text(kMaxReplayText, "a call's name");
      break;
    case Kind::kFocusOut:
    case Kind::kFocusIn:
    case Kind::kMinimise:
    case Kind::kPadUnplug:
    case Kind::kCount:
      break;
  }
  return e;
}

std::string Hex(uint64_t value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kDigits[value & 0xf];
  return text;
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
  Writer w;
  w.Bytes() += kMagic;
  w.Fixed(kFormatVersion, 2);
  w.Text(replay.game_version);
  w.Unsigned(replay.seed);
  w.Signed(replay.difficulty);
  w.Signed(replay.speed);
  w.Unsigned(static_cast<uint32_t>(replay.frames.size()));
  for (size_t i = 0; i < replay.frames.size();) {
    if (Quiet(replay.frames[i])) {
      size_t run = 1;
      while (i + run < replay.frames.size() && Quiet(replay.frames[i + run])) ++run;
      w.Unsigned(static_cast<uint32_t>(run << 1));
      i += run;
      continue;
    }
    const ReplayFrame& frame = replay.frames[i];
    w.Unsigned(static_cast<uint32_t>(frame.events.size() << 1) | 1u);
    w.Signed(frame.lag_count);
    for (const ReplayEvent& e : frame.events) WriteEvent(w, e);
    ++i;
  }
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
  Reader r(bytes, source);
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
  Reader tail(bytes.substr(body.size()), source);
  if (tail.Fixed(8, "the file hash") != Fnv1a64(body)) {
    r.Fail("damaged or truncated: the file hash does not match its contents");
  }

  Replay replay;
  Reader b(body, source);
  b.Skip(kMagic.size() + 2, "the header");
  replay.game_version = b.Text(kMaxVersionText, "the game version");
  if (replay.game_version != expected_version) {
    b.Fail("recorded by Zephyrant " + replay.game_version + ", this is Zephyrant " +
           std::string(expected_version));
  }
  replay.seed = b.Unsigned("the seed");
  replay.difficulty = b.Signed("the difficulty");
  replay.speed = b.Signed("the speed");
  const uint32_t frame_count = b.Bounded(kMaxReplayFrames, "the frame count");
  // Every frame takes at least a bit of a byte, so a count no file of this
  // size could hold is refused before anything is allocated for it.
  replay.frames.reserve(std::min<size_t>(frame_count, b.Left()));
  while (replay.frames.size() < frame_count) {
    const uint32_t head = b.Unsigned("a frame");
    if ((head & 1u) == 0) {
      const uint32_t run = head >> 1;
      if (run == 0 || run > frame_count - replay.frames.size()) {
        b.Fail("damaged: a run of " + std::to_string(run) + " quiet frames");
      }
      replay.frames.resize(replay.frames.size() + run);
      continue;
    }
    const uint32_t events = head >> 1;
    if (events > kMaxReplayEventsPerFrame) {
      b.Fail("damaged: " + std::to_string(events) + " events in frame " +
             std::to_string(replay.frames.size() + 1));
    }
    ReplayFrame frame;
    frame.lag_count = b.Signed("a frame's lag");
    if (frame.lag_count < 1 || frame.lag_count > kMaxReplayLag) {
      b.Fail("damaged: a lag of " + std::to_string(frame.lag_count) + " frames");
    }
    frame.events.reserve(std::min<size_t>(events, b.Left()));
    for (uint32_t i = 0; i < events; ++i) frame.events.push_back(ReadEvent(b));
    replay.frames.push_back(std::move(frame));
  }
  const uint32_t checkpoints = b.Bounded(frame_count, "the hash count");
  replay.checkpoints.reserve(std::min<size_t>(checkpoints, b.Left() / 9));
  for (uint32_t i = 0; i < checkpoints; ++i) {
    ReplayCheckpoint c;
    c.frame = static_cast<int32_t>(b.Bounded(frame_count, "a hash's frame"));
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
  const std::string bytes = EncodeReplay(replay);
  std::string temp = path.string() + ".new-XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0)
    throw ReplayError(path.string() + ": cannot write the replay: " + std::strerror(errno));
  bool done = true;
  for (size_t at = 0; done && at < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
    if (n < 0 && errno == EINTR) continue;
    done = n > 0;
    if (done) at += static_cast<size_t>(n);
  }
  done = done && ::fchmod(fd, 0644) == 0;
  int error = errno;
  if (::close(fd) != 0 && done) {
    done = false;
    error = errno;
  }
  if (done && ::rename(temp.c_str(), path.c_str()) != 0) {
    done = false;
    error = errno;
  }
  if (!done) {
    ::unlink(temp.c_str());
    throw ReplayError(path.string() + ": cannot write the replay: " + std::strerror(error));
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
