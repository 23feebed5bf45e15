// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/tape.h"

#include <cstring>
#include <utility>

#include "platform/common/replay_bytes.h"

namespace zephyrant {

namespace {

constexpr uint8_t kMouseButtons = 3;
constexpr uint8_t kMouseLeft = 1;
constexpr uint8_t kMouseRight = 2;
constexpr uint8_t kMouseMiddle = 4;
constexpr int32_t kAxisLowest = -32768;
constexpr int32_t kAxisHighest = 32767;

enum class ValueType : uint8_t { kInt, kDouble, kText };

void WriteEntry(ReplayWriter& w, const TapeEntry& e) {
  w.Byte(static_cast<uint8_t>(e.op));
  switch (e.op) {
    case TapeOp::kFrames:
    case TapeOp::kIdleFrames:
      w.Unsigned(e.count);
      break;
    case TapeOp::kLagFrame:
      w.Unsigned(static_cast<uint32_t>(e.lag));
      break;
    case TapeOp::kKeyDown:
      w.Byte(static_cast<uint8_t>(e.key));
      break;
    case TapeOp::kKeyPress:
      w.Byte(static_cast<uint8_t>(e.character));
      break;
    case TapeOp::kMouseDown:
    case TapeOp::kMouseUp:
      w.Byte(e.button);
      break;
    case TapeOp::kActive:
    case TapeOp::kForeground:
    case TapeOp::kBrowser:
      w.Byte(e.flag ? 1 : 0);
      break;
    case TapeOp::kCall:
      w.Byte(static_cast<uint8_t>(e.call));
      break;
    case TapeOp::kSet:
      w.Text(e.name);
      w.Byte(static_cast<uint8_t>(e.value.index()));
      if (const auto* i = std::get_if<int32_t>(&e.value)) w.Signed(*i);
      if (const auto* d = std::get_if<double>(&e.value)) {
        uint64_t bits = 0;
        std::memcpy(&bits, d, sizeof bits);
        w.Fixed(bits, 8);
      }
      if (const auto* s = std::get_if<std::string>(&e.value)) w.Text(*s);
      break;
    case TapeOp::kKeyState:
      w.Byte(static_cast<uint8_t>(e.key));
      w.Byte(e.flag ? 1 : 0);
      break;
    case TapeOp::kMouse:
      w.Signed(e.mouse.dx);
      w.Signed(e.mouse.dy);
      w.Byte(static_cast<uint8_t>((e.mouse.left ? kMouseLeft : 0) |
                                  (e.mouse.right ? kMouseRight : 0) |
                                  (e.mouse.middle ? kMouseMiddle : 0)));
      break;
    case TapeOp::kJoystick:
      w.Byte(e.joystick.present ? 1 : 0);
      w.Signed(e.joystick.x);
      w.Signed(e.joystick.y);
      w.Unsigned(e.joystick.buttons);
      break;
    case TapeOp::kPointer:
      w.Signed(e.pointer.x);
      w.Signed(e.pointer.y);
      break;
    case TapeOp::kMinimised:
    case TapeOp::kGamepadLost:
    case TapeOp::kLevelTimer:
    case TapeOp::kBossTimer:
    case TapeOp::kCount:
      break;
  }
}

}  // namespace

void ReadModel::Apply(const TapeEntry& e) {
  switch (e.op) {
    case TapeOp::kForeground:
      foreground = e.flag;
      break;
    case TapeOp::kKeyState: {
      const uint64_t bit = uint64_t{1} << static_cast<int>(e.key);
      keys = e.flag ? keys | bit : keys & ~bit;
      break;
    }
    case TapeOp::kMouse:
      mouse = e.mouse;
      break;
    case TapeOp::kJoystick:
      joystick = e.joystick;
      break;
    case TapeOp::kPointer:
      pointer = e.pointer;
      break;
    case TapeOp::kBrowser:
      browser = e.flag;
      break;
    default:
      break;
  }
}

void TapeWriter::Add(const TapeEntry& entry) {
  TapeOp op = entry.op;
  if (op == TapeOp::kLagFrame && entry.lag == 1) op = TapeOp::kFrames;
  if (op == TapeOp::kFrames || op == TapeOp::kIdleFrames) {
    const uint32_t count = op == entry.op ? entry.count : 1;
    frames_ += count;
    if (run_at_ != std::string::npos && run_op_ == op) {
      bytes_.resize(run_at_);
      run_count_ += count;
    } else {
      run_at_ = bytes_.size();
      run_op_ = op;
      run_count_ = count;
    }
    ReplayWriter w;
    TapeEntry run;
    run.op = op;
    run.count = run_count_;
    WriteEntry(w, run);
    bytes_ += w.Bytes();
    return;
  }
  if (op == TapeOp::kLagFrame) ++frames_;
  run_at_ = std::string::npos;
  ReplayWriter w;
  WriteEntry(w, entry);
  bytes_ += w.Bytes();
}

std::string TapeWriter::Take() {
  run_at_ = std::string::npos;
  frames_ = 0;
  return std::exchange(bytes_, {});
}

bool TapeReader::Next(TapeEntry& e) {
  if (at_ == bytes_.size()) return false;
  ReplayReader r(bytes_.substr(at_), source_);
  const auto key = [&r]() {
    const uint8_t k = r.Byte("a key on the tape");
    if (k >= static_cast<uint8_t>(Key::kCount)) {
      r.Fail("damaged: unknown key " + std::to_string(k));
    }
    return static_cast<Key>(k);
  };
  const auto flag = [&r](const char* what) {
    const uint8_t b = r.Byte(what);
    if (b > 1) r.Fail(std::string("damaged: ") + what + " is neither yes nor no");
    return b == 1;
  };
  const uint8_t op = r.Byte("an entry");
  if (op >= static_cast<uint8_t>(TapeOp::kCount)) {
    r.Fail("damaged: unknown entry " + std::to_string(op));
  }
  e.op = static_cast<TapeOp>(op);
  switch (e.op) {
    case TapeOp::kFrames:
    case TapeOp::kIdleFrames:
      e.count = r.Bounded(kMaxReplayFrames, "a run of frames");
      if (e.count == 0) r.Fail("damaged: a run of no frames");
      break;
    case TapeOp::kLagFrame:
      e.lag = static_cast<int32_t>(r.Bounded(kMaxReplayLag, "a frame's lag"));
      if (e.lag < 1) r.Fail("damaged: a frame of no lag");
      e.count = 1;
      break;
    case TapeOp::kKeyDown:
      e.key = key();
      break;
    case TapeOp::kKeyPress:
      e.character = static_cast<char>(r.Byte("a typed character"));
      break;
    case TapeOp::kMouseDown:
    case TapeOp::kMouseUp:
      e.button = r.Byte("a mouse button");
      if (e.button >= kMouseButtons) {
        r.Fail("damaged: unknown mouse button " + std::to_string(e.button));
      }
      break;
    case TapeOp::kActive:
      e.flag = flag("the application's activity");
      break;
    case TapeOp::kForeground:
      e.flag = flag("the foreground");
      break;
    case TapeOp::kBrowser:
      e.flag = flag("the browser's answer");
      break;
    case TapeOp::kCall: {
      const uint8_t call = r.Byte("a call");
      if (call >= static_cast<uint8_t>(TapeCall::kCount)) {
        r.Fail("damaged: unknown call " + std::to_string(call));
      }
      e.call = static_cast<TapeCall>(call);
      break;
    }
    case TapeOp::kSet: {
      e.name = r.Text(kMaxReplayText, "a variable's name");
      const uint8_t type = r.Byte("a variable's value");
      if (type == static_cast<uint8_t>(ValueType::kInt)) {
        e.value = r.Signed("a variable's value");
      } else if (type == static_cast<uint8_t>(ValueType::kDouble)) {
        const uint64_t bits = r.Fixed(8, "a variable's value");
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        e.value = d;
      } else if (type == static_cast<uint8_t>(ValueType::kText)) {
        e.value = r.Text(kMaxReplayText, "a variable's value");
      } else {
        r.Fail("damaged: unknown value type " + std::to_string(type));
      }
      break;
    }
    case TapeOp::kKeyState:
      e.key = key();
      e.flag = flag("a key's state");
      break;
    case TapeOp::kMouse: {
      e.mouse.dx = r.Signed("a mouse sample");
      e.mouse.dy = r.Signed("a mouse sample");
      const uint8_t buttons = r.Byte("a mouse sample");
      if (buttons > (kMouseLeft | kMouseRight | kMouseMiddle)) {
        r.Fail("damaged: unknown mouse buttons " + std::to_string(buttons));
      }
      e.mouse.left = (buttons & kMouseLeft) != 0;
      e.mouse.right = (buttons & kMouseRight) != 0;
      e.mouse.middle = (buttons & kMouseMiddle) != 0;
      break;
    }
    case TapeOp::kJoystick:
      e.joystick.present = flag("a gamepad sample");
      e.joystick.x = r.SignedIn(kAxisLowest, kAxisHighest, "a gamepad axis");
      e.joystick.y = r.SignedIn(kAxisLowest, kAxisHighest, "a gamepad axis");
      e.joystick.buttons = r.Unsigned("a gamepad sample");
      break;
    case TapeOp::kPointer:
      e.pointer.x = r.Signed("a pointer position");
      e.pointer.y = r.Signed("a pointer position");
      break;
    case TapeOp::kMinimised:
    case TapeOp::kGamepadLost:
    case TapeOp::kLevelTimer:
    case TapeOp::kBossTimer:
    case TapeOp::kCount:
      break;
  }
  at_ += r.At();
  return true;
}

}  // namespace zephyrant
