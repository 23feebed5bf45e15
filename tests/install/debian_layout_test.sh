#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game a second time with Debian's folders for games (the binary
# in /usr/games, the data in /usr/share/games) in its own build folder,
# then checks its staged install like the default one, removing it with the
# uninstall target.
#
#   debian_layout_test.sh SOURCE_DIR BUILD_DIR APP_ID [COMPILER_LAUNCHER]
set -eu
src=$1
build=$2
app_id=$3
launcher=${4:-}

set -- -DCMAKE_BUILD_TYPE=Release -DZEPHYRANT_TESTS=OFF -DZEPHYRANT_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games
if [ -n "$launcher" ]; then
  set -- "$@" -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" -DCMAKE_C_COMPILER_LAUNCHER="$launcher"
fi
cmake -S "$src" -B "$build" "$@" >"$build.configure.log" 2>&1 || {
  cat "$build.configure.log"
  exit 1
}
cmake --build "$build" -j "${JOBS:-2}" --target zephyrant >"$build.build.log" 2>&1 || {
  tail -n 50 "$build.build.log"
  exit 1
}
exec "$(dirname "$0")/staged_install_test.sh" "$src" "$build" /usr games share/games share share/man \
  "$app_id" target
