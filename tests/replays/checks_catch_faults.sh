#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The replay checks themselves must fail, and say where, when play differs
# from what is kept: a changed hash, a run cut short, a script edited without
# its replay, a damaged replay.
#
#   checks_catch_faults.sh SIM
set -u
sim=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT INT TERM
failures=0

# expect NAME STATUS TEXT: the last check exited STATUS and said TEXT.
expect() {
  if [ "$status" -ne "$2" ] || ! grep -qF -- "$3" "$work/out"; then
    echo "$1: expected exit $2 and \"$3\", got exit $status:"
    cat "$work/out"
    failures=$((failures + 1))
  fi
}

# Level 3's run with one of its kept hashes changed.
grep '^level03 ' "$here/level_hashes.txt" > "$work/hashes"
actual=$(sed -n 's/^level03 frame 768 level \([0-9]*\) hash \(.*\)$/\1 \2/p' "$work/hashes")
sed -i 's/^\(level03 frame 768 level [0-9]* hash \).*/\10123456789abcdef/' "$work/hashes"
"$here/levels/level_runs.sh" "$sim" "$work/hashes" 3 > "$work/out" 2>&1
status=$?
expect "a changed hash" 1 \
  "level03 changed at frame 768: recorded 0123456789abcdef in level ${actual% *}, now ${actual#* } in level ${actual% *}"
expect "a changed hash's frame" 1 "--frames 768 --script - --screenshot level03.png"

# The same run with its last hash missing, and a level with none at all.
grep '^level03 ' "$here/level_hashes.txt" | sed '$d' > "$work/short"
"$here/levels/level_runs.sh" "$sim" "$work/short" 3 > "$work/out" 2>&1
status=$?
expect "a hash too many" 1 "level03: 7 hashes recorded, 8 now"
"$here/levels/level_runs.sh" "$sim" "$work/short" 4 > "$work/out" 2>&1
status=$?
expect "a run never recorded" 1 "level04: no hashes recorded for this run"

# A golden replay whose script was edited after it was recorded.
mkdir "$work/golden"
cp "$here/golden/level01.txt" "$here/golden/level01.zrp" "$work/golden/"
sed -i 's/^400 set hero_damage 0$/400 set hero_damage 4/' "$work/golden/level01.txt"
"$here/golden/golden_replays.sh" "$sim" "$work/golden" > "$work/out" 2>&1
status=$?
expect "a drifted script" 1 "level01: the replay no longer plays as its script does; their dumps first differ at frame 400"

# A golden replay cut short.
cp "$here/golden/level01.txt" "$work/golden/"
head -c 500 "$here/golden/level01.zrp" > "$work/golden/level01.zrp"
"$here/golden/golden_replays.sh" "$sim" "$work/golden" > "$work/out" 2>&1
status=$?
expect "a damaged replay" 1 "golden replays: level01 (level ?): zephyrant-sim: $work/golden/level01.zrp: "

[ "$failures" -eq 0 ] && echo "the replay checks catch every fault tried"
[ "$failures" -eq 0 ]
