// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The game variables a replay's tape sets, held to what a runner script may
// set: a replay cannot do to the game what its script could not.

#include <string_view>

#include <string>

#include "platform/common/replay_file.h"
#include "platform/common/tape.h"
#include "world/game_state.h"

namespace zephyrant {

// Raises a ReplayError naming `source` and the frame at the first variable
// set that no script line could make.
void CheckReplaySets(const Replay& replay, std::string_view source);

// Sets the game variable `name` as a script line or a replay's tape does; the
// value is already of the variable's type (checked when it was read).
void SetVar(GameState& state, const std::string& name, const TapeValue& value);

}  // namespace zephyrant
