#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real game on a virtual X display, as a player would start it:
#   1. first run, no settings: a borderless window over the whole screen that
#      shows a picture and quits when the window is closed, exit status 0;
#   2. saved setting "full" = 1: an 800 x 600 window in the middle of the
#      screen that ends at once on SIGTERM, exit status 0;
#   3. --fullscreen over the saved window, and --window on a first run: the
#      screen and the window each asks for, and the setting left as it was;
#      the second without a sound device, said once on standard error;
#   4. no data anywhere: an error box, a message naming every place looked
#      at, exit status 1, and no settings written;
#   5. --data naming a folder that lacks most of the data: an error naming
#      the missing file of that folder.
# Passes 1 to 3 also check that quitting leaves the settings file as it was.
#
#   smoke_test.sh GAME CLOSE_WINDOW
# where CLOSE_WINDOW TITLE asks the windows of that title to close.
# Exit status 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.
# With ZEPHYRANT_SMOKE_SHOTS set to a folder, the first picture of each
# run is kept there.

set -u
game=$1
closer=$2

# shellcheck source=tests/smoke/virtual_display.sh
. "$(dirname "$0")/virtual_display.sh"
need_tools Xvfb xdotool import convert
work=$(mktemp -d)

# The game plays the build's data beside it.
unset ZEPHYRANT_DATA

start_xvfb() {
  # -br: a black root window, so that only the game can put a picture up.
  start_virtual_display "$work" 1280x1024x24 -br || exit 1
  export DISPLAY=$virtual_display
}

# A throw-away home, so that the player's own settings are never touched.
new_home() {
  HOME=$(mktemp -d "$work/home.XXXXXX")
  export HOME
  export XDG_CONFIG_HOME="$HOME/.config"
}

settings_path() { echo "$XDG_CONFIG_HOME/zephyrant/settings.ini"; }

settings_fingerprint() {
  if [ -f "$(settings_path)" ]; then md5sum <"$(settings_path)"; else echo "none"; fi
}

# start_game GAME [OPTION]...; audio_driver, when set, names SDL's sound driver.
start_game() {
  local binary=$1
  shift
  SDL_AUDIODRIVER=${audio_driver:-dummy} "$binary" "$@" >"$work/stdout" 2>"$work/stderr" &
  game_pid=$!
  started_ms=$(now_ms)
}

# Prints the id of the visible window named Zephyrant, waiting up to 20 s.
find_window() {
  timeout 20 xdotool search --sync --onlyvisible --name '^Zephyrant$' 2>/dev/null | head -n 1
}

# Waits up to 5 s for the window to reach the expected place and size.
expect_geometry() {
  local id=$1 want=$2 got=""
  for _ in $(seq 50); do
    local X="" Y="" WIDTH="" HEIGHT="" WINDOW="" SCREEN=""
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
    got="${WIDTH}x${HEIGHT}+${X}+${Y}"
    [ "$got" = "$want" ] && return 0
    sleep 0.1
  done
  fail "window geometry is $got, expected $want"
}

# Waits up to 10 s for something other than black in the window.
expect_picture() {
  local id=$1 shot=$2 peak=0
  for _ in $(seq 100); do
    peak=$(import -silent -window "$id" png:- 2>/dev/null |
      convert png:- -format '%[fx:int(255*maxima)]' info: 2>/dev/null)
    if [ "${peak:-0}" -gt 0 ]; then
      echo "first picture after $(($(now_ms) - started_ms)) ms"
      if [ -n "${ZEPHYRANT_SMOKE_SHOTS:-}" ]; then
        import -silent -window root "$ZEPHYRANT_SMOKE_SHOTS/$shot.png" 2>/dev/null
      fi
      return 0
    fi
    sleep 0.1
  done
  fail "the screen stayed black"
}

# show_window WANT SHOT: waits for the game's window, for it to stand at WANT
# (such as 800x600+240+212) and for its first picture, kept as SHOT. Sets id;
# returns 1, counting a failure, when no window appeared.
show_window() {
  id=$(find_window)
  if [ -z "$id" ]; then
    fail "no window named Zephyrant appeared"
    return 1
  fi
  expect_geometry "$id" "$1"
  expect_picture "$id" "$2"
}

# Waits up to the given seconds for the game to end and checks its status.
expect_exit() {
  local seconds=$1 want=$2
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game_pid" 2>/dev/null; then
    fail "the game was still running after ${seconds} s"
    kill -KILL "$game_pid" 2>/dev/null
  fi
  wait "$game_pid"
  local status=$?
  game_pid=""
  if [ "$status" -ne "$want" ]; then
    fail "exit status $status, expected $want"
    echo "stderr of the game:"
    cat "$work/stderr"
  fi
}

start_xvfb

echo "== first run: the whole screen, closed through the window"
new_home
start_game "$game"
if show_window "1280x1024+0+0" first-run; then
  before=$(settings_fingerprint)
  "$closer" Zephyrant || fail "could not send the close request"
  expect_exit 5 0
  [ "$(settings_fingerprint)" = "$before" ] || fail "closing the window changed the settings"
fi

echo "== saved window mode: 800 x 600 in the middle, ended by SIGTERM"
new_home
mkdir -p "$(dirname "$(settings_path)")"
printf '[Software\\Zephyrant]\nfull = integer 1\n' >"$(settings_path)"
start_game "$game"
if show_window "800x600+240+212" window-mode; then
  before=$(settings_fingerprint)
  kill -TERM "$game_pid"
  expect_exit 5 0
  [ "$(settings_fingerprint)" = "$before" ] || fail "SIGTERM changed the settings"
fi

echo "== --fullscreen over a saved window, for this run only"
new_home
mkdir -p "$(dirname "$(settings_path)")"
printf '[Software\\Zephyrant]\nfull = integer 1\n' >"$(settings_path)"
before=$(settings_fingerprint)
start_game "$game" --fullscreen
id=$(find_window)
if [ -z "$id" ]; then
  fail "no window named Zephyrant appeared"
else
  expect_geometry "$id" "1280x1024+0+0"
  kill -TERM "$game_pid"
  expect_exit 5 0
  [ "$(settings_fingerprint)" = "$before" ] || fail "--fullscreen changed the settings"
fi

echo "== --window on a first run, for this run only, without a sound device"
new_home
audio_driver=no-such-driver start_game "$game" --window
if show_window "800x600+240+212" no-sound; then
  kill -TERM "$game_pid"
  expect_exit 5 0
  grep -q "^full = integer 1" "$(settings_path)" && fail "--window was saved as the setting"
  [ "$(grep -c "^zephyrant: no sound device (.*); playing silent$" "$work/stderr")" -eq 1 ] ||
    fail "no single line about playing silent: $(cat "$work/stderr")"
fi

# close_error_box: closes the error box, which carries the game's name.
close_error_box() {
  for _ in $(seq 200); do
    "$closer" Zephyrant && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
}

echo "== no data: an error naming every place looked at, the settings left alone"
new_home
bare="$work/bare"
mkdir -p "$bare/data"
cp "$game" "$bare/zephyrant"
XDG_DATA_DIRS="$work/nothing" start_game "$bare/zephyrant"
close_error_box
expect_exit 10 1
grep -q "^zephyrant: cannot find the game's data" "$work/stderr" ||
  fail "the error does not say the data is missing: $(cat "$work/stderr")"
for place in "$work/nothing/zephyrant" "$bare/data"; do
  grep -q "^  $place\$" "$work/stderr" || fail "the error does not name $place: $(cat "$work/stderr")"
done
if [ -n "$(find "$HOME" -type f)" ]; then
  fail "files were written to the player's home: $(find "$HOME" -type f)"
fi

echo "== --data naming a folder with the font alone: the missing file named"
new_home
mkdir -p "$bare/thin/fonts"
cp "$(dirname "$game")/data/fonts/LiberationSans-Regular.ttf" "$bare/thin/fonts/"
start_game "$bare/zephyrant" --data "$bare/thin"
close_error_box
expect_exit 10 1
grep -q "^zephyrant: $bare/thin/" "$work/stderr" ||
  fail "the error does not name a file of the data folder: $(cat "$work/stderr")"

echo "== a small desktop without a sound device: the whole screen, and a game that plays"
stop_virtual_display
rm -f "$work/display"
start_virtual_display "$work" 640x480x24 -br || exit 1
export DISPLAY=$virtual_display
new_home
audio_driver=no-such-driver start_game "$game"
if show_window "640x480+0+0" small-desktop; then
  # Return on the highlighted "new game": the pictures of play are first
  # shown now, long after start-up.
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key Return
  sleep 2
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended once play began: $(cat "$work/stderr")"
  # A picture that could not be shown would have put up an error box.
  if grep -v "no sound device" "$work/stderr" | grep -q "^zephyrant:"; then
    fail "trouble once play began: $(cat "$work/stderr")"
  fi
  kill -TERM "$game_pid"
  expect_exit 5 0
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all smoke checks passed"
