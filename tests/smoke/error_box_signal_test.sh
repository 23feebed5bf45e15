#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's error box under SIGTERM and SIGINT, on a virtual X display: the
# game starts from a copy with an empty asset folder, shows its error box, and
# a signal must end it within two seconds, box and all.
#
#   error_box_signal_test.sh GAME CLOSE_WINDOW
# where `CLOSE_WINDOW --find TITLE` tells whether a window of that title is up.
# Exit status 77 (skipped) when Xvfb is missing or the X server cannot show
# the box at all.

set -u
game=$1
closer=$2

if ! command -v Xvfb >/dev/null 2>&1; then
  echo "skipped: Xvfb is not installed"
  exit 77
fi

work=$(mktemp -d)
# shellcheck source=tests/smoke/virtual_display.sh
. "$(dirname "$0")/virtual_display.sh"

# The box asks the server for a medium-weight 12-point font. A server with no
# font files has only its built-in "fixed", so the names the box looks for
# are made aliases of it.
mkdir -p "$work/fonts"
echo 0 >"$work/fonts/fonts.dir"
cat >"$work/fonts/fonts.alias" <<'ALIASES'
-misc-fixed-medium-r-normal--0-120-75-75-p-0-iso8859-1 fixed
-misc-fixed-medium-r-normal--13-120-75-75-c-70-iso10646-1 fixed
ALIASES

start_virtual_display "$work" 1024x768x24 -fp "built-ins,$work/fonts" || exit 1
export DISPLAY=$virtual_display

export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
export SDL_AUDIODRIVER=dummy
# No data anywhere the game looks, so that it stops with an error box.
export XDG_DATA_DIRS="$work/nothing"
unset ZEPHYRANT_DATA
mkdir -p "$HOME" "$work/bare/data"
cp "$game" "$work/bare/zephyrant"

box_up() { "$closer" --find Zephyrant; }

# signal_ends_the_box SIGNAL
signal_ends_the_box() {
  local signal=$1
  echo "== SIG$signal while the error box is up"
  # With job control on, the game does not start with SIGINT ignored, as it
  # would in the background of a script.
  set -m
  "$work/bare/zephyrant" >"$work/stdout" 2>"$work/stderr" &
  game_pid=$!
  set +m
  for _ in $(seq 200); do
    box_up && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! box_up; then
    echo "skipped: the X server shows no error box: $(cat "$work/stderr")"
    exit 77
  fi
  kill -"$signal" "$game_pid"
  for _ in $(seq 20); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game_pid" 2>/dev/null; then
    fail "SIG$signal: the game was still running 2 s later"
    kill -KILL "$game_pid"
  fi
  wait "$game_pid" 2>/dev/null
  game_pid=""
  for _ in $(seq 20); do
    box_up || break
    sleep 0.1
  done
  if box_up; then fail "SIG$signal: the error box was still up 2 s later"; fi
}

signal_ends_the_box TERM
signal_ends_the_box INT

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all error-box checks passed"
