// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/replay_events.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "tools/sim/script_limits.h"

namespace zephyrant {

namespace {

using Kind = ScriptEvent::Kind;
using RKind = ReplayEvent::Kind;

[[noreturn]] void Refuse(int frame, const std::string& problem) {
  throw ReplayError("frame " + std::to_string(frame) + ": " + problem);
}

std::string ValueText(const ReplayEvent& e) {
  switch (e.value_type) {
    case ReplayEvent::ValueType::kInt:
      return std::to_string(e.int_value);
    case ReplayEvent::ValueType::kDouble: {
      char text[32];
      const auto result = std::to_chars(text, text + sizeof text, e.double_value);
      return std::string(text, result.ptr);
    }
    case ReplayEvent::ValueType::kText:
      return e.text_value;
  }
  return "";
}

bool PlainText(const std::string& text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '#') return false;
  }
  return true;
}

// A variable set the way a script line sets it, so the replay is held to
// the same names, types and ranges as the script it was recorded from.
ScriptEvent SetEvent(const ReplayEvent& e, int frame) {
  const std::string value = ValueText(e);
  if (!PlainText(e.name) || !PlainText(value)) Refuse(frame, "a variable set to unreadable text");
  try {
    const Script line =
        Script::Parse(std::to_string(frame) + " set " + e.name + " " + value + "\n");
    if (line.Events().size() == 1) return line.Events().front();
  } catch (const ScriptError& error) {
    Refuse(frame, std::string("a variable set that no script could set: ") + error.what());
  }
  Refuse(frame, "a variable set that no script could set");
}

}  // namespace

ReplayEvent ToReplayEvent(const ScriptEvent& s) {
  ReplayEvent e;
  switch (s.kind) {
    case Kind::kKeyDown:
      e.kind = RKind::kKeyDown;
      e.key = static_cast<uint8_t>(s.key);
      e.character = s.character;
      break;
    case Kind::kKeyUp:
      e.kind = RKind::kKeyUp;
      e.key = static_cast<uint8_t>(s.key);
      break;
    case Kind::kChar:
      e.kind = RKind::kChar;
      e.character = s.character;
      break;
    case Kind::kMouseMove:
      e.kind = RKind::kMouseMove;
      e.x = s.pointer.x;
      e.y = s.pointer.y;
      break;
    case Kind::kMouseDown:
    case Kind::kMouseUp:
      e.kind = s.kind == Kind::kMouseDown ? RKind::kMouseDown : RKind::kMouseUp;
      e.button = static_cast<uint8_t>(s.button);
      break;
    case Kind::kFocusOut:
      e.kind = RKind::kFocusOut;
      break;
    case Kind::kFocusIn:
      e.kind = RKind::kFocusIn;
      break;
    case Kind::kMinimise:
      e.kind = RKind::kMinimise;
      break;
    case Kind::kPadUnplug:
      e.kind = RKind::kPadUnplug;
      break;
    case Kind::kSet:
      e.kind = RKind::kSet;
      e.name = s.var;
      if (const auto* i = std::get_if<int32_t>(&s.value)) {
        e.value_type = ReplayEvent::ValueType::kInt;
        e.int_value = *i;
      } else if (const auto* d = std::get_if<double>(&s.value)) {
        e.value_type = ReplayEvent::ValueType::kDouble;
        e.double_value = *d;
      } else {
        e.value_type = ReplayEvent::ValueType::kText;
        e.text_value = std::get<std::string>(s.value);
      }
      break;
    case Kind::kCall:
      e.kind = RKind::kCall;
      e.name = s.var;
      break;
    case Kind::kLag:  // kept as the frame's lag count, not as an event
      break;
  }
  return e;
}

ScriptEvent FromReplayEvent(const ReplayEvent& e, int frame) {
  ScriptEvent s;
  s.frame = frame;
  switch (e.kind) {
    case RKind::kKeyDown:
      s.kind = Kind::kKeyDown;
      s.key = static_cast<Key>(e.key);
      s.character = e.character;
      break;
    case RKind::kKeyUp:
      s.kind = Kind::kKeyUp;
      s.key = static_cast<Key>(e.key);
      break;
    case RKind::kChar:
      s.kind = Kind::kChar;
      s.character = e.character;
      break;
    case RKind::kMouseMove:
      if (std::abs(static_cast<int64_t>(e.x)) > kReachX ||
          std::abs(static_cast<int64_t>(e.y)) > kReachY) {
        Refuse(frame, "the pointer moved out of reach");
      }
      s.kind = Kind::kMouseMove;
      s.pointer = Point{e.x, e.y};
      break;
    case RKind::kMouseDown:
    case RKind::kMouseUp:
      s.kind = e.kind == RKind::kMouseDown ? Kind::kMouseDown : Kind::kMouseUp;
      s.button = static_cast<MouseButton>(e.button);
      break;
    case RKind::kFocusOut:
      s.kind = Kind::kFocusOut;
      break;
    case RKind::kFocusIn:
      s.kind = Kind::kFocusIn;
      break;
    case RKind::kMinimise:
      s.kind = Kind::kMinimise;
      break;
    case RKind::kPadUnplug:
      s.kind = Kind::kPadUnplug;
      break;
    case RKind::kSet:
      return SetEvent(e, frame);
    case RKind::kCall:
      if (e.name != "NewGame" && e.name != "HiScores" && e.name != "ToggleFullScreen") {
        Refuse(frame, "an unknown call");
      }
      s.kind = Kind::kCall;
      s.var = e.name;
      break;
    case RKind::kPad:
      Refuse(frame, "a gamepad, which the headless runner does not have");
    case RKind::kCount:
      Refuse(frame, "an unknown event");
  }
  return s;
}

Script ReplayScript(const Replay& replay) {
  std::vector<ScriptEvent> events;
  for (size_t i = 0; i < replay.frames.size(); ++i) {
    const int frame = static_cast<int>(i) + 1;
    const ReplayFrame& f = replay.frames[i];
    for (const ReplayEvent& e : f.events) events.push_back(FromReplayEvent(e, frame));
    if (f.lag_count != 1) {
      ScriptEvent lag;
      lag.frame = frame;
      lag.kind = Kind::kLag;
      lag.lag_count = f.lag_count;
      events.push_back(lag);
    }
  }
  return Script::FromEvents(std::move(events));
}

}  // namespace zephyrant
