// SPDX-License-Identifier: GPL-3.0-or-later
// replay_edit IN OUT START [spoil]: writes IN again as OUT, to be watched from
// after frame START, as a replay of a run that began in the menus is; with
// "spoil", the first state hash it keeps is made wrong, as if the game had
// played differently there.

#include <cstdio>
#include <exception>
#include <string>

#include "platform/common/replay_file.h"

int main(int argc, char** argv) {
  using namespace zephyrant;
  if (argc < 4) {
    std::fputs("usage: replay_edit IN OUT START [spoil]\n", stderr);
    return 2;
  }
  try {
    Replay replay = ReadReplayFile(argv[1], GameVersion());
    replay.start_frame = static_cast<uint32_t>(std::stoul(argv[3]));
    if (argc > 4 && std::string(argv[4]) == "spoil" && !replay.checkpoints.empty()) {
      replay.checkpoints.front().hash ^= 1;
    }
    WriteReplayFile(argv[2], replay);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "replay_edit: %s\n", error.what());
    return 1;
  }
  return 0;
}
