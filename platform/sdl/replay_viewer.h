// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "platform/common/command_line.h"
#include "platform/common/tape.h"
#include "world/game_state.h"

namespace zephyrant {

// Shows the replay the command line names in the game's window, at the speed
// it was played, with its sounds and music; the menus and earlier games of
// the run it was recorded in are passed over unseen and unheard. Escape or
// closing the window stops it; F12 keeps a screenshot. The player's
// settings, high scores and replays are neither read nor written. The exit
// status: 0 once it has played or was stopped, 1 for a file it refused or a
// game that could not start.
//
// A replay whose runner script set game variables (started straight at a
// level, say) is refused, unless `sets` says how to put them into the game:
// the whole-process measurement watches such a replay with the runner's own
// setter.
using ReplaySetter = std::function<void(GameState& state, const TapeEntry& entry)>;
int WatchReplay(const CommandLine& line, int argc, char** argv, const ReplaySetter& sets = {});

}  // namespace zephyrant
