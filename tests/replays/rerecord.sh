#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Records everything under tests/replays anew from its scripts: the golden
# replays (golden/*.zrp) and the state hashes of the level runs
# (level_hashes.txt). For a change of play that is meant, or of the replay
# format or the state hash; see docs/replays-in-tests.md first.
#
#   tests/replays/rerecord.sh BUILD_DIR
set -eu
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
cmake --build "$1" --target zephyrant-sim
sim=$(cd "$1" && pwd)/tools/sim/zephyrant-sim

"$here/golden/golden_replays.sh" "$sim" "$here/golden" --record
"$here/levels/level_runs.sh" "$sim" "$here/level_hashes.txt" --update
# What was just recorded must play back as recorded.
"$here/golden/golden_replays.sh" "$sim" "$here/golden"
"$here/levels/level_runs.sh" "$sim" "$here/level_hashes.txt"
