// SPDX-License-Identifier: GPL-3.0-or-later
// The game's replay viewer for the whole-process measurement: plays a replay
// the runner recorded from a script that set game variables (the game
// started straight at a level, the ship kept whole) in the game's own
// window, frame loop and stretching, which the game itself refuses to do.
//
//   replay_with_sets [--fullscreen | --window] [--data DIR] --replay FILE

#include <cstdio>

#include "platform/common/command_line.h"
#include "platform/sdl/replay_viewer.h"
#include "tools/sim/replay_sets.h"

int main(int argc, char** argv) {
  using namespace zephyrant;
  const CommandLine line = ParseCommandLine(argc, argv);
  if (line.action != CommandLine::Action::kPlay || line.replay_file.empty()) {
    std::fputs("usage: replay_with_sets [--fullscreen | --window] [--data DIR] --replay FILE\n",
               stderr);
    return 2;
  }
  return WatchReplay(line, argc, argv, [](GameState& state, const TapeEntry& entry) {
    SetVar(state, entry.name, entry.value);
  });
}
