#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real game where no display can be opened: DISPLAY unset or naming
# no server, and no Wayland. It must say so in one line and end at once with
# a failure, rather than run unseen on SDL's offscreen driver. Asked for by
# name through SDL_VIDEODRIVER, the offscreen driver still runs the game.
#
#   no_display_test.sh GAME

set -u
game=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# A throw-away home, so that the player's own settings are never touched.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
mkdir -p "$HOME"
unset WAYLAND_DISPLAY SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

# run_without_display CASE [DISPLAY]: the game must fail within 5 s.
run_without_display() {
  local name=$1 started status
  echo "== $name"
  started=$(now_ms)
  if [ $# -ge 2 ]; then
    DISPLAY=$2 timeout 20 "$game" >"$work/stdout" 2>"$work/stderr"
  else
    env -u DISPLAY timeout 20 "$game" >"$work/stdout" 2>"$work/stderr"
  fi
  status=$?
  local took=$(($(now_ms) - started))
  echo "ended with status $status after $took ms"
  if [ "$status" -eq 124 ]; then
    fail "$name: the game was still running after 20 s"
  elif [ "$status" -eq 0 ]; then
    fail "$name: exit status 0"
  elif [ "$took" -gt 5000 ]; then
    fail "$name: took $took ms to give up"
  fi
  local lines
  lines=$(grep -c "^zephyrant: cannot open a display: " "$work/stderr")
  if [ "$lines" -ne 1 ]; then
    fail "$name: expected one line \"zephyrant: cannot open a display: ...\", got: $(cat "$work/stderr")"
  fi
}

run_without_display "DISPLAY unset"
# A display number no server listens on.
run_without_display "DISPLAY naming no server" ":4099"

echo "== SDL_VIDEODRIVER=offscreen asks for the invisible driver"
SDL_VIDEODRIVER=offscreen env -u DISPLAY timeout 2 "$game" >"$work/stdout" 2>"$work/stderr"
status=$?
if [ "$status" -ne 124 ]; then
  fail "the game asked for the offscreen driver ended with status $status: $(cat "$work/stderr")"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all no-display checks passed"
