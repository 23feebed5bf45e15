// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The runner's events as a replay stores them, and back.

#include <vector>

#include "platform/common/replay_file.h"
#include "tools/sim/script.h"

namespace zephyrant {

ReplayEvent ToReplayEvent(const ScriptEvent& event);
// The event for frame `frame`; raises a ReplayError naming `source` when a
// variable or an operation is one the runner does not know.
ScriptEvent FromReplayEvent(const ReplayEvent& event, int frame);

// The replay's frames as a script: each frame's events, then a lag event when
// the frame's clock moved more than one interval.
Script ReplayScript(const Replay& replay);

}  // namespace zephyrant
