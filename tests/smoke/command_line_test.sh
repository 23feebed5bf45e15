#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's command line, where nothing else is at hand: no display, no
# sound, no data and no settings. --help and --version answer on standard
# output with status 0; a word the game does not know is named in one line
# on standard error with status 2. None of them writes a file.
#
#   command_line_test.sh GAME VERSION

set -u
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The binary alone in an empty folder, so that no data lies beside it.
mkdir -p "$work/bin"
cp "$1" "$work/bin/zephyrant"
game="$work/bin/zephyrant"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_DATA_DIRS="$work/nothing"
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY SDL_VIDEODRIVER ZEPHYRANT_DATA

# run WANT_STATUS ARGS...: runs the game with the arguments.
run() {
  local want=$1
  shift
  timeout 10 "$game" "$@" >"$work/stdout" 2>"$work/stderr"
  local status=$?
  if [ "$status" -ne "$want" ]; then
    fail "zephyrant $*: status $status, expected $want; stderr: $(cat "$work/stderr")"
  fi
}

echo "== --help"
run 0 --help
grep -q -- "--fullscreen" "$work/stdout" || fail "--help printed: $(cat "$work/stdout")"
[ -s "$work/stderr" ] && fail "--help wrote to standard error: $(cat "$work/stderr")"

echo "== --version"
run 0 --version
[ "$(cat "$work/stdout")" = "zephyrant $version" ] ||
  fail "--version printed '$(cat "$work/stdout")', expected 'zephyrant $version'"
run 0 --window --version

echo "== unknown option and stray words"
run 2 --foo
[ "$(cat "$work/stderr")" = "zephyrant: unknown option '--foo' (try --help)" ] ||
  fail "unknown option: $(cat "$work/stderr")"
[ -s "$work/stdout" ] && fail "an unknown option wrote to standard output"
run 2 --fullscreen now
[ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "not one line: $(cat "$work/stderr")"

if [ -n "$(find "$HOME" -type f)" ]; then
  fail "files were written to the player's home: $(find "$HOME" -type f)"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all command-line checks passed"
