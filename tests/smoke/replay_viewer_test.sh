#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Watches replays with the real game on a virtual X display:
#   1. a run recorded by the runner, with menus before its game: the game
#      shows (a picture that is not black), the replay ends by itself with
#      exit status 0 in about the time its game took, and the player's
#      settings file keeps its bytes and time, and nothing is written to the
#      player's folders (no replay of the replay);
#   2. the same with a state hash that does not match: one line naming the
#      frame, and it plays on to the end;
#   3. a damaged file: one line, exit status 1, before any display is opened;
#   4. F12 keeps a screenshot, and Escape stops a long replay early.
#
#   replay_viewer_test.sh GAME SIM REPLAY_EDIT
# Exit status 77 (skipped) when Xvfb, xdotool or ImageMagick is missing.

set -u
game=$1
sim=$2
edit=$3

# shellcheck source=tests/smoke/virtual_display.sh
. "$(dirname "$0")/virtual_display.sh"
need_tools Xvfb xdotool import convert
work=$(mktemp -d)

unset ZEPHYRANT_DATA

# A throw-away home with a settings file of the player's in it.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
settings="$XDG_CONFIG_HOME/zephyrant/settings.ini"
mkdir -p "$(dirname "$settings")"
printf '[Software\\Zephyrant]\nfull = integer 1\ndifficulty = integer 2\n' >"$settings"
touch -d '2020-01-02 03:04:05' "$settings"
settings_before=$(md5sum <"$settings")$(stat -c %y "$settings")

echo "== recording: 300 frames of menus, then a game"
cat >"$work/script.txt" <<'SCRIPT'
100 key down Down
102 key up Down
160 key down Up
162 key up Up
300 key down Return
302 key up Return
310 key down Space
330 key down Left
360 key up Left
SCRIPT
"$sim" --script "$work/script.txt" --frames 400 --record "$work/run.zrp" ||
  fail "the runner could not record"
# A replay the game keeps starts watching at its game's NewGame.
"$edit" "$work/run.zrp" "$work/game.zrp" 300 || fail "could not set the starting frame"
"$edit" "$work/run.zrp" "$work/spoiled.zrp" 300 spoil || fail "could not spoil a hash"

start_virtual_display "$work" 1280x1024x24 -br || exit 1
export DISPLAY=$virtual_display
export SDL_AUDIODRIVER=dummy

# watch FILE [OPTION]...: starts watching in the background.
watch() {
  "$game" --replay "$@" >"$work/stdout" 2>"$work/stderr" &
  game_pid=$!
  started_ms=$(now_ms)
}

# Prints the id of the replay's window, waiting up to 20 s.
find_window() {
  timeout 20 xdotool search --sync --onlyvisible --name "^Zephyrant replay: $1\$" 2>/dev/null |
    head -n 1
}

# Waits up to the given seconds for the game to end and checks its status.
expect_exit() {
  local seconds=$1 want=$2
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game_pid" 2>/dev/null; then
    fail "the replay was still playing after ${seconds} s"
    kill -KILL "$game_pid" 2>/dev/null
  fi
  wait "$game_pid"
  local status=$?
  game_pid=""
  ended_ms=$(now_ms)
  if [ "$status" -ne "$want" ]; then
    fail "exit status $status, expected $want; stderr: $(cat "$work/stderr")"
  fi
}

echo "== watching it to its end"
watch "$work/game.zrp" --window
id=$(find_window game.zrp)
if [ -z "$id" ]; then
  fail "no window of the replay appeared: $(cat "$work/stderr")"
else
  peak=0
  for _ in $(seq 50); do
    peak=$(import -silent -window "$id" png:- 2>/dev/null |
      convert png:- -format '%[fx:int(255*maxima)]' info: 2>/dev/null)
    [ "${peak:-0}" -gt 0 ] && break
    sleep 0.1
  done
  [ "${peak:-0}" -gt 0 ] || fail "the replay's window stayed black"
fi
# 100 frames of the game at 31 ms; the 300 of the menus pass at once.
expect_exit 20 0
took=$((ended_ms - started_ms))
echo "watched in $took ms"
[ "$took" -ge 3000 ] || fail "the game's 100 frames took only $took ms"
[ -s "$work/stderr" ] && fail "the replay complained: $(cat "$work/stderr")"
[ "$(md5sum <"$settings")$(stat -c %y "$settings")" = "$settings_before" ] ||
  fail "watching changed the player's settings file"
written=$(find "$HOME" -type f ! -path "$settings")
[ -z "$written" ] || fail "watching wrote into the player's folders: $written"

echo "== a replay that plays differently says so once and plays on"
watch "$work/spoiled.zrp" --window
expect_exit 20 0
lines=$(wc -l <"$work/stderr")
[ "$lines" -eq 1 ] && grep -q "^zephyrant: .*spoiled.zrp: the replay left its recording at frame 256 " \
  "$work/stderr" || fail "not one line naming frame 256: $(cat "$work/stderr")"

echo "== a damaged file is refused before any window opens"
cp "$work/game.zrp" "$work/damaged.zrp"
printf 'x' | dd of="$work/damaged.zrp" bs=1 seek=40 conv=notrunc status=none
env -u DISPLAY "$game" --replay "$work/damaged.zrp" >"$work/stdout" 2>"$work/stderr"
status=$?
[ "$status" -eq 1 ] || fail "a damaged file: exit status $status, expected 1"
[ "$(wc -l <"$work/stderr")" -eq 1 ] && grep -q "^zephyrant: $work/damaged.zrp: " "$work/stderr" ||
  fail "a damaged file: not one line naming it: $(cat "$work/stderr")"

echo "== F12 keeps a screenshot, Escape stops it"
watch "$work/run.zrp" --window
id=$(find_window run.zrp)
if [ -z "$id" ]; then
  fail "no window of the replay appeared: $(cat "$work/stderr")"
else
  sleep 1
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool key --window "$id" F12
  sleep 0.5
  xdotool key --window "$id" Escape
  expect_exit 5 0
  echo "stopped after $((ended_ms - started_ms)) ms of 12 s"
  shots=$(find "$XDG_DATA_HOME/zephyrant/screenshots" -name '*.png' 2>/dev/null | wc -l)
  [ "$shots" -eq 1 ] || fail "F12 kept $shots screenshots, expected 1"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all replay viewer checks passed"
