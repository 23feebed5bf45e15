// SPDX-License-Identifier: GPL-3.0-or-later
// Every event a script can give survives a replay unchanged.

#include "tools/sim/replay_events.h"

#include <gtest/gtest.h>

namespace zephyrant {
namespace {

constexpr const char* kEveryEvent =
    "1 set screen_state 5\n"
    "1 set cursor_x 12.25\n"
    "1 call NewGame\n"
    "2 key down Space\n"
    "2 key up LShift\n"
    "2 char a\n"
    "3 mouse move -6400 4800\n"
    "3 mouse down right\n"
    "3 mouse up middle\n"
    "4 focus out\n"
    "4 focus in\n"
    "5 minimise\n"
    "5 pad unplug\n"
    "6 lag 69273666\n";

TEST(ReplayEvents, EveryScriptEventComesBackAsItWent) {
  const Script script = Script::Parse(kEveryEvent);
  Replay replay;
  replay.frames.resize(6);
  for (const ScriptEvent& e : script.Events()) {
    ReplayFrame& frame = replay.frames[static_cast<size_t>(e.frame - 1)];
    if (e.kind == ScriptEvent::Kind::kLag) {
      frame.lag_count = e.lag_count;
    } else {
      frame.events.push_back(ToReplayEvent(e));
    }
  }
  const Script back = ReplayScript(DecodeReplay(EncodeReplay(replay), "", "r.zrp"));
  ASSERT_EQ(back.Events().size(), script.Events().size());
  for (size_t i = 0; i < script.Events().size(); ++i) {
    const ScriptEvent& a = script.Events()[i];
    const ScriptEvent& b = back.Events()[i];
    SCOPED_TRACE("script line " + std::to_string(a.line));
    EXPECT_EQ(b.frame, a.frame);
    EXPECT_EQ(b.kind, a.kind);
    EXPECT_EQ(b.key, a.key);
    EXPECT_EQ(b.character, a.character);
    EXPECT_EQ(b.pointer.x, a.pointer.x);
    EXPECT_EQ(b.pointer.y, a.pointer.y);
    EXPECT_EQ(b.button, a.button);
    EXPECT_EQ(b.lag_count, a.lag_count);
    EXPECT_EQ(b.var, a.var);
    EXPECT_EQ(b.value, a.value);
  }
}

TEST(ReplayEvents, WhatNoScriptCouldGiveIsRefused) {
  const auto refusal = [](const ReplayEvent& e) {
    try {
      FromReplayEvent(e, 7);
    } catch (const ReplayError& error) {
      return std::string(error.what());
    }
    return std::string();
  };
  ReplayEvent far;
  far.kind = ReplayEvent::Kind::kMouseMove;
  far.x = INT32_MIN;
  EXPECT_EQ(refusal(far), "frame 7: the pointer moved out of reach");
  ReplayEvent call;
  call.kind = ReplayEvent::Kind::kCall;
  call.name = "Quit";
  EXPECT_EQ(refusal(call), "frame 7: an unknown call");
  ReplayEvent set;
  set.kind = ReplayEvent::Kind::kSet;
  set.name = "level_number\n1 set score";
  EXPECT_EQ(refusal(set), "frame 7: a variable set to unreadable text");
  set.name = "screen_state";
  set.int_value = 99;
  EXPECT_EQ(refusal(set).rfind("frame 7: a variable set that no script could set", 0), 0u);
}

}  // namespace
}  // namespace zephyrant
