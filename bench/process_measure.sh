#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process figures of the real game on a virtual X display:
#   - time from launch to the first frame that is not all black,
#   - CPU seconds per second while the main menu runs, while a game is played
#     (level 1, the ship left alone) and while that game is paused,
#   - peak resident memory.
#
#   process_measure.sh GAME PROBE [SECONDS]
# PROBE is the first_frame_probe beside the benchmarks; SECONDS is how long
# each of the three is sampled (default 10). The keys go in with xdotool.

set -u
game=$1
probe=$2
seconds=${3:-10}

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "needs $tool (xvfb, xdotool)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
game_pid=""
cleanup() {
  if [ -n "$game_pid" ]; then kill -TERM "$game_pid" 2>/dev/null; wait "$game_pid" 2>/dev/null; fi
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1

now_ms() { echo $(($(date +%s%N) / 1000000)); }
ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

mkdir -p "$work/config"
DISPLAY=$display "$probe" 10000 >"$work/seen" &
probe_pid=$!
start=$(now_ms)
DISPLAY=$display XDG_CONFIG_HOME="$work/config" "$game" >"$work/out" 2>&1 &
game_pid=$!
if wait "$probe_pid"; then
  echo "first non-black frame: $(($(cat "$work/seen") - start)) ms after launch"
else
  echo "first non-black frame: none within 10 s"
fi

# CPU-seconds per second of the game over the next SECONDS, as "WHAT CPU: ...".
sample_cpu() {
  local before after
  before=$(cpu_ticks "$game_pid")
  sleep "$seconds"
  after=$(cpu_ticks "$game_pid")
  awk -v what="$1" -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "%s CPU: %.3f CPU-seconds per second over %d s\n", what, t / hz / s, s }'
}

sleep 3  # let the menu settle
sample_cpu menu

# Return on the highlighted "new game" starts a game, P pauses it.
window=$(DISPLAY=$display timeout 10 xdotool search --sync --onlyvisible --name '^Zephyrant$' |
  head -n 1)
if [ -z "$window" ]; then
  echo "play and paused CPU: no game window found" >&2
else
  DISPLAY=$display xdotool windowfocus --sync "$window" 2>/dev/null
  DISPLAY=$display xdotool key Return
  sleep 2
  sample_cpu play
  DISPLAY=$display xdotool key p
  sleep 1
  sample_cpu paused
fi
grep -E 'VmHWM' "/proc/$game_pid/status" | awk '{ printf "peak resident memory: %.1f MB\n", $2 / 1024 }'
