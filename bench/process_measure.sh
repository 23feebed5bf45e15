#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process figures of the real game on a virtual X display, beside
# powermanga's taken the same way in the same run:
#   - time from launch to the first picture that is not all black,
#   - CPU seconds per second in the main menu, in level 1 with fire held,
#     in that game paused, and in the busiest scene (a replay of the bonus
#     grid level, sampled once its grid has come in),
#   - peak resident memory after play,
#   - the menu's CPU and peak memory again on a 3840 x 2160 display.
# Every figure is the median of MEASURE_RUNS runs (default 3); then one table
# lists both games, the ratio zephyrant/powermanga and the aim of each row.
#
#   process_measure.sh GAME PROBE SIM VIEWER [SECONDS]
# PROBE is the first_frame_probe beside the benchmarks, SIM the headless
# runner of the same build, which records the busy scene's replay, and
# VIEWER the replay_with_sets beside the benchmarks, which plays it in the
# game's window (the game itself refuses a replay that starts at a level).
# SECONDS is how long each figure is sampled (default 5). The keys go in
# with xdotool.
#
# Environment: MEASURE_RUNS (3), POWERMANGA=no skips powermanga,
# POWERMANGA_BIN (/usr/games/powermanga), POWERMANGA_ARGS (--fullscreen),
# MEASURE_4K=no skips the 3840 x 2160 pass, BUSY_LEVEL (20, the level of the
# grid).

set -u
game=$1
probe=$2
sim=$3
viewer=$4
seconds=${5:-5}
runs=${MEASURE_RUNS:-3}
powermanga=${POWERMANGA_BIN:-/usr/games/powermanga}
powermanga_args=${POWERMANGA_ARGS:---fullscreen}
busy_level=${BUSY_LEVEL:-20}

# shellcheck source=bench/measure_figures.sh
. "$(dirname "$0")/measure_figures.sh"

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "needs $tool (xvfb, xdotool)" >&2
    exit 1
  fi
done
with_powermanga=yes
if [ "${POWERMANGA:-yes}" = no ]; then
  with_powermanga=no
elif [ ! -x "$powermanga" ]; then
  echo "powermanga is not installed ($powermanga): measuring zephyrant alone" >&2
  with_powermanga=no
fi

work=$(mktemp -d)
figures=$work/figures
mkdir -p "$figures"
xvfb_pid=""
game_pid=""
display=""
stop_game() {
  if [ -n "$game_pid" ]; then
    kill -TERM "$game_pid" 2>/dev/null
    for _ in 1 2 3 4 5 6 7 8 9 10; do
      kill -0 "$game_pid" 2>/dev/null || break
      sleep 0.2
    done
    kill -KILL "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
  fi
  game_pid=""
}
stop_display() {
  stop_game
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  xvfb_pid=""
}
cleanup() {
  stop_display
  rm -rf "$work"
}
trap cleanup EXIT

# A fresh virtual display of SIZE (such as 1280x1024).
start_display() {
  stop_display
  local n=$((90 + RANDOM % 100))
  while [ -e "/tmp/.X$n-lock" ]; do n=$((90 + RANDOM % 100)); done
  display=:$n
  # -noreset: the server stays up between launches (see the smoke test's).
  Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  sleep 1
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Nanoseconds the process has run on a CPU so far, all its threads together.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { print ns + 0 }'
}

# Adds the CPU-seconds per second of the game over the next SECONDS to the
# figure NAME.
sample_cpu() {
  local before after
  before=$(cpu_ns "$game_pid")
  sleep "$seconds"
  after=$(cpu_ns "$game_pid")
  awk -v ns=$((after - before)) -v s="$seconds" 'BEGIN { printf "%.4f\n", ns / 1e9 / s }' \
    >>"$figures/$1"
}

# Adds the game's peak resident memory in MB to the figure NAME.
note_peak_memory() {
  awk '/^VmHWM/ { printf "%.1f\n", $2 / 1024 }' "/proc/$game_pid/status" >>"$figures/$1"
}

# Starts COMMAND... as the game under test with a fresh home, settings and
# data folder, and adds the seconds to its first picture to the figure NAME
# (nothing when none comes within 10 s).
launch() {
  local name=$1 start
  shift
  rm -rf "${work:?}/home"
  mkdir -p "$work/home/config" "$work/home/data"
  DISPLAY=$display "$probe" 10000 >"$work/seen" &
  local probe_pid=$!
  start=$(now_ms)
  DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/home/config \
    XDG_DATA_HOME=$work/home/data "$@" >"$work/out" 2>&1 &
  game_pid=$!
  if wait "$probe_pid"; then
    awk -v ms=$(($(cat "$work/seen") - start)) 'BEGIN { printf "%.3f\n", ms / 1000 }' \
      >>"$figures/$name"
  fi
}

# Gives the keyboard to the window whose name matches PATTERN; records its
# geometry in the file NAME for the heading. Fails when no window shows.
focus() {
  local window
  window=$(DISPLAY=$display timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1)
  if [ -z "$window" ]; then
    echo "no window named $1 on $display" >&2
    return 1
  fi
  DISPLAY=$display xdotool windowfocus --sync "$window" 2>/dev/null
  DISPLAY=$display xdotool getwindowgeometry "$window" |
    awk '/Geometry/ { print $2 }' >"$work/$2"
}

# Holds KEY down a moment, as a player's finger does: a press and release
# within one frame may go unseen by a game that reads the keyboard's state.
press() {
  DISPLAY=$display xdotool keydown "$1"
  sleep 0.15
  DISPLAY=$display xdotool keyup "$1"
}
hold() { DISPLAY=$display xdotool keydown "$1"; }
let_go() { DISPLAY=$display xdotool keyup "$1"; }

# The busy scene's replay: the game started from the menu as a player does,
# straight into level BUSY_LEVEL, fire held and the ship kept whole, long
# enough to sample from its 4th second on (the grid is in by frame 100).
busy_from=4
record_busy_tape() {
  local frames=$(((busy_from + seconds + 2) * 1000 / 31))
  awk -v level="$busy_level" -v frames="$frames" 'BEGIN {
    print "2 key down Return"
    print "3 key up Return"
    print "3 set level_number " level
    print "8 key down Space"
    for (f = 20; f < frames; f += 20) print f " set hero_damage 0"
  }' >"$work/busy.txt"
  "$sim" --frames "$frames" --script "$work/busy.txt" --record "$work/busy.zrp" >/dev/null
}

# Zephyrant at 1280 x 1024: launch, menu, level 1 with fire held, paused.
measure_zephyrant() {
  launch first "$game"
  sleep 3  # let the menu settle
  sample_cpu menu
  # Return on the highlighted "new game" starts a game, Space fires, P pauses.
  if focus '^Zephyrant$' window; then
    press Return
    sleep 2
    hold space
    sample_cpu play
    let_go space
    press p
    sleep 1
    sample_cpu paused
  fi
  note_peak_memory memory
  stop_game
}

measure_busy_scene() {
  launch busy_first "$viewer" --fullscreen --data "$(dirname "$game")/data" \
    --replay "$work/busy.zrp"
  sleep "$busy_from"
  sample_cpu busy
  stop_game
}

# Powermanga: its opening pictures take keys only after a moment; Return
# then leaves them for the menu, and Return again starts a game on its
# highlighted "play". Space fires.
measure_powermanga() {
  # shellcheck disable=SC2086  # its options, word by word
  launch pm_first "$powermanga" $powermanga_args
  sleep 2.5
  if focus '^Powermanga' pm_window; then
    press Return
    sleep 2
    sample_cpu pm_menu
    press Return
    sleep 2
    hold space
    sample_cpu pm_play
    let_go space
  fi
  note_peak_memory pm_memory
  stop_game
}

measure_menu_4k() {
  launch first_4k "$game"
  sleep 3
  sample_cpu menu_4k
  note_peak_memory memory_4k
  stop_game
  if [ "$with_powermanga" = yes ]; then
    # shellcheck disable=SC2086
    launch pm_first_4k "$powermanga" $powermanga_args
    sleep 2.5
    if focus '^Powermanga' pm_window_4k; then
      press Return
      sleep 2
      sample_cpu pm_menu_4k
    fi
    note_peak_memory pm_memory_4k
    stop_game
  fi
}

started=$(date +%s)
if ! record_busy_tape; then
  echo "the runner could not record the busy scene's replay" >&2
  exit 1
fi
start_display 1280x1024
for run in $(seq "$runs"); do
  echo "run $run of $runs at 1280 x 1024" >&2
  measure_zephyrant
  measure_busy_scene
  if [ "$with_powermanga" = yes ]; then measure_powermanga; fi
done
if [ "${MEASURE_4K:-yes}" != no ]; then
  start_display 3840x2160
  for run in $(seq "$runs"); do
    echo "run $run of $runs at 3840 x 2160" >&2
    measure_menu_4k
  done
fi
stop_display

ours() { median_of "$figures/$1"; }
theirs() { if [ "$with_powermanga" = yes ]; then median_of "$figures/$1"; else echo -; fi; }
geometry() { if [ -f "$work/$1" ]; then cat "$work/$1"; else echo "no window"; fi; }

echo
echo "Whole-process figures, median of $runs runs, ${seconds} s a sample, on Xvfb"
echo "zephyrant: first run's settings (full screen), window $(geometry window)"
if [ "$with_powermanga" = yes ]; then
  echo "powermanga: $powermanga $powermanga_args, window $(geometry pm_window)" \
    "(3840 x 2160: $(geometry pm_window_4k))"
else
  echo "powermanga: not measured"
fi
echo "busiest scene: level $busy_level's grid in a replay, from its ${busy_from}th second"
echo
figure_heading
echo "1280 x 1024"
figure_row "first picture after launch (s)" 3 "$(ours first)" "$(theirs pm_first)" 0.15 -
figure_row "main menu (CPU-s/s)" 3 "$(ours menu)" "$(theirs pm_menu)" 0.030 0.7
figure_row "level 1, fire held (CPU-s/s)" 3 "$(ours play)" "$(theirs pm_play)" - 0.7
figure_row "paused game (CPU-s/s)" 3 "$(ours paused)" - 0.005 -
figure_row "busiest scene (CPU-s/s)" 3 "$(ours busy)" - 0.045 -
figure_row "peak memory after play (MB)" 1 "$(ours memory)" "$(theirs pm_memory)" 30 -
if [ "${MEASURE_4K:-yes}" != no ]; then
  echo "3840 x 2160"
  figure_row "main menu (CPU-s/s)" 3 "$(ours menu_4k)" "$(theirs pm_menu_4k)" 0.060 -
  figure_row "peak memory in the menu (MB)" 1 "$(ours memory_4k)" "$(theirs pm_memory_4k)" 45 -
fi
echo
echo "each run, in the order taken:"
for figure in "$figures"/*; do
  printf '  %-14s %s\n' "$(basename "$figure")" "$(tr '\n' ' ' <"$figure")"
done
echo "measured in $(($(date +%s) - started)) s"
