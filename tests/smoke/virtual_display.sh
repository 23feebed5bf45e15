# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that run the game on a virtual X display; their work
# folder is $work. At exit the game they started ($game_pid), the server and
# the work folder go; fail counts what went wrong.

xvfb_pid=""
game_pid=""
failures=0

cleanup() {
  if [ -n "$game_pid" ]; then kill -KILL "$game_pid" 2>/dev/null; fi
  stop_virtual_display
  if [ -n "${work:-}" ]; then rm -rf "$work"; fi
}
trap cleanup EXIT

# need_tools TOOL...: skips the whole test (exit status 77) when one is missing.
need_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "skipped: $tool is not installed"
      exit 77
    fi
  done
}

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# start_virtual_display WORK SCREEN [XVFB OPTION]...: starts Xvfb with one
# screen of SCREEN (such as 1280x1024x24) on a free display, its log in
# WORK/xvfb.log. Sets xvfb_pid and virtual_display (such as ":3"); says why
# and returns 1 when the server is not up within 10 s.
start_virtual_display() {
  local work=$1 screen=$2
  shift 2
  # -displayfd makes the server pick a free display and name it once ready.
  # -noreset keeps it up between games: by default an X server starts itself
  # afresh when its last client leaves, and a game starting in that moment
  # finds no display.
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset "$@" 3>"$work/display" \
    2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start"
    cat "$work/xvfb.log"
    return 1
  fi
  virtual_display=":$(tr -d '[:space:]' <"$work/display")"
}

# stop_virtual_display: ends the server start_virtual_display started.
stop_virtual_display() {
  if [ -n "${xvfb_pid:-}" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  fi
}
