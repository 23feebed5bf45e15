// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game variables a replay's tape sets, held to what a runner script may
// set: a replay cannot do to the game what its script could not.

#include <string_view>

#include "platform/common/replay_file.h"

namespace zephyrant {

// Raises a ReplayError naming `source` and the frame at the first variable
// set that no script line could make.
void CheckReplaySets(const Replay& replay, std::string_view source);

}  // namespace zephyrant
