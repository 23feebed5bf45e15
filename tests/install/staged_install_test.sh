#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game from a configured build folder into a throw-away DESTDIR,
# as a packager would, and checks the installed tree:
#   1. every file in its place (binary, data folder, help page, desktop
#      entry, metainfo, six icons, manual page), and nothing else: no runner,
#      no tools, no icon folder among the data;
#   2. the desktop entry, the metainfo and the manual page pass their
#      validators, and the icons are PNG pictures of their folder's size;
#   3. the tree moved elsewhere as a whole still runs: the binary answers
#      --version with the metainfo's release, and on a virtual X display it
#      plays from another folder with the source and build trees hidden;
#   4. uninstalling leaves none of the game's files behind.
#
#   staged_install_test.sh SOURCE_DIR BUILD_DIR PREFIX BINDIR DATADIR DATAROOTDIR
#                          MANDIR APP_ID [UNINSTALL]
# The install folders are those the build folder was configured with
# (relative to PREFIX). UNINSTALL "target" removes the tree with the build
# folder's uninstall target; otherwise the removal script runs directly, so
# that a build folder in use by other tests is not rebuilt.
# Exit status 77 (skipped) when a validator is missing.

set -u
src=$1
build=$2
prefix=$3
bindir=$4
datadir=$5
datarootdir=$6
mandir=$7
app_id=$8
uninstall=${9:-script}

for tool in desktop-file-validate appstreamcli groff; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d /tmp/zephyrant-install.XXXXXX)
# shellcheck source=tests/smoke/virtual_display.sh
. "$src/tests/smoke/virtual_display.sh"

stage="$work/stage"
root="$stage$prefix"
data="$root/$datadir/zephyrant"

echo "== install into $stage$prefix"
if ! DESTDIR="$stage" cmake --install "$build" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
fi

echo "== the installed files"
expect_file() {
  [ -f "$root/$1" ] || fail "$1 is not installed"
}
[ -x "$root/$bindir/zephyrant" ] || fail "$bindir/zephyrant is not installed as a program"
expect_file "$datadir/zephyrant/help.html"
expect_file "$datadir/zephyrant/ship/Hero/00_hero.bmp"
expect_file "$datadir/zephyrant/main/Music/00_music1.wav"
[ -n "$(find "$data/fonts" -name '*.ttf' 2>/dev/null)" ] || fail "no font in the data folder"
expect_file "$datarootdir/applications/zephyrant.desktop"
expect_file "$datarootdir/metainfo/$app_id.metainfo.xml"
expect_file "$mandir/man6/zephyrant.6"
sides="16 32 48 64 128 256"
for side in $sides; do
  expect_file "$datarootdir/icons/hicolor/${side}x${side}/apps/zephyrant.png"
done
# Every picture and sound of the source tree, and not one file more.
(cd "$src/assets" && find . -type f ! -path './icons/*' | sort) >"$work/assets.want"
(cd "$data" && find . -type f ! -name help.html | sort) >"$work/assets.got"
diff "$work/assets.want" "$work/assets.got" >"$work/assets.diff" ||
  fail "the data folder differs from the source's assets: $(cat "$work/assets.diff")"
for tool in zephyrant-sim zephyrant-assetgen zephyrant-contact-sheet; do
  [ -z "$(find "$stage" -name "$tool")" ] || fail "$tool is installed"
done
[ ! -e "$data/icons" ] || fail "the icons are installed among the game's data"

echo "== validators"
desktop-file-validate "$root/$datarootdir/applications/zephyrant.desktop" ||
  fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Categories=Game;ArcadeGame;' "$root/$datarootdir/applications/zephyrant.desktop" ||
  fail "the desktop entry is not filed under Game;ArcadeGame;"
grep -qx 'Icon=zephyrant' "$root/$datarootdir/applications/zephyrant.desktop" ||
  fail "the desktop entry does not name the installed icon"
metainfo="$root/$datarootdir/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli rejects the metainfo: $(cat "$work/appstream.log")"
grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
grep -q '<launchable type="desktop-id">zephyrant.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"
grep -q '@[A-Z_]*@' "$metainfo" && fail "the metainfo has an unfilled placeholder"
manpage="$root/$mandir/man6/zephyrant.6"
groff -man -ww -z "$manpage" >"$work/groff.log" 2>&1
[ -s "$work/groff.log" ] && fail "groff warns about the manual page: $(cat "$work/groff.log")"
grep -q '@[A-Z_]*@' "$manpage" && fail "the manual page has an unfilled placeholder"
grep -qF "$prefix/$datadir/zephyrant" "$manpage" ||
  fail "the manual page does not name the installed data folder"
if command -v lexgrog >/dev/null 2>&1; then
  lexgrog "$manpage" >/dev/null || fail "lexgrog finds no NAME section in the manual page"
fi
for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES ENVIRONMENT; do
  grep -q "^\.SH $section" "$manpage" || fail "the manual page has no $section section"
done

# The width and height stored in a PNG file's header, as "WxH".
png_size() {
  local w h
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
  w=$(od -An -j16 -N4 -tu1 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  h=$(od -An -j20 -N4 -tu1 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4}')
  echo "${w}x${h}"
}
for side in $sides; do
  icon="$root/$datarootdir/icons/hicolor/${side}x${side}/apps/zephyrant.png"
  [ -f "$icon" ] || continue
  got=$(png_size "$icon") || got="not a PNG"
  [ "$got" = "${side}x${side}" ] || fail "the ${side}x${side} icon is $got"
done

echo "== the tree moved elsewhere"
moved="$work/moved"
mv "$stage" "$moved"
game="$moved$prefix/$bindir/zephyrant"
moved_metainfo="$moved$prefix/$datarootdir/metainfo/$app_id.metainfo.xml"

# A sanitizer build's settings pass into the clean environments below.
sanitizers=()
[ -n "${ASAN_OPTIONS:-}" ] && sanitizers+=("ASAN_OPTIONS=$ASAN_OPTIONS")
if [ -n "${LSAN_OPTIONS:-}" ]; then
  lsan=$LSAN_OPTIONS
  # The suppressions file moves out of the source tree, which is hidden.
  case $lsan in
  *suppressions=*)
    supp=${lsan#*suppressions=}
    supp=${supp%%:*}
    cp "$supp" "$work/lsan.supp" && lsan=${lsan/"suppressions=$supp"/"suppressions=$work/lsan.supp"}
    ;;
  esac
  sanitizers+=("LSAN_OPTIONS=$lsan")
fi

# Whether this game has a command line yet; without one, --version would
# start the game, so the running checks wait for it.
if grep -qs -- '--version' "$src/main.cpp" "$src"/platform/common/*.cpp "$src"/platform/sdl/*.cpp; then
  version=$(env -i PATH=/usr/bin:/bin "${sanitizers[@]}" timeout 20 "$game" --version 2>&1)
  release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$moved_metainfo")
  [ "$version" = "zephyrant $release" ] ||
    fail "--version says '$version', the metainfo's release is '$release'"
  run_game=yes
else
  echo "note: the game has no command line yet; --version and the run are left out"
  run_game=no
fi

# Hides the build and source trees behind empty folders where user
# namespaces allow it, so that only the installed data can be found.
start=("$game")
if unshare -rm true 2>/dev/null; then
  start=(unshare -rm sh -c \
    'game=$0; while [ "$1" != -- ]; do mount -t tmpfs none "$1" || exit 9; shift; done
     shift; exec "$game" "$@"' "$game" "$build" "$src" --)
else
  echo "note: user namespaces are not allowed here; the source tree stays in sight"
fi

if [ "$run_game" = yes ] && command -v Xvfb >/dev/null 2>&1 && command -v xdotool >/dev/null 2>&1; then
  echo "== a few frames on a virtual display"
  start_virtual_display "$work" 1280x1024x24 -br || fail "no virtual display"
  display=${virtual_display:-}
  home="$work/home"
  mkdir -p "$home" "$work/elsewhere"
  (cd "$work/elsewhere" && exec env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$display" \
    XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_DATA_DIRS="$work/nowhere" SDL_AUDIODRIVER=dummy "${sanitizers[@]}" \
    "${start[@]}" --window >"$work/stdout" 2>"$work/stderr") &
  game_pid=$!
  id=$(DISPLAY="$display" timeout 20 xdotool search --sync --onlyvisible --name '^Zephyrant$' \
    2>/dev/null | head -n 1)
  if [ -z "$id" ]; then
    fail "no window named Zephyrant appeared: $(cat "$work/stderr")"
  else
    # Let it run through a few frames of the menu, then end it.
    sleep 2
    if ! kill -0 "$game_pid" 2>/dev/null; then
      fail "the installed game ended on its own: $(cat "$work/stderr")"
    elif command -v import >/dev/null 2>&1 && command -v convert >/dev/null 2>&1; then
      peak=$(DISPLAY="$display" import -silent -window "$id" png:- 2>/dev/null |
        convert png:- -format '%[fx:int(255*maxima)]' info: 2>/dev/null)
      [ "${peak:-0}" -gt 0 ] || fail "the installed game's window stayed black"
    fi
    kill -TERM "$game_pid" 2>/dev/null
  fi
  for _ in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game_pid" 2>/dev/null; then
    fail "the installed game did not end when asked"
  else
    wait "$game_pid"
    status=$?
    game_pid=""
    [ "$status" -eq 0 ] || fail "the installed game ended with status $status: $(cat "$work/stderr")"
  fi
  [ -s "$work/stderr" ] && fail "the installed game complained: $(cat "$work/stderr")"
elif [ "$run_game" = yes ]; then
  echo "note: Xvfb or xdotool is missing; the run is left out"
fi

echo "== uninstall"
mv "$moved" "$stage"
if [ "$uninstall" = target ]; then
  DESTDIR="$stage" cmake --build "$build" --target uninstall >"$work/uninstall.log" 2>&1 ||
    fail "the uninstall target failed: $(cat "$work/uninstall.log")"
else
  DESTDIR="$stage" cmake -DMANIFEST="$build/install_manifest.txt" \
    -DDATA_DIR="$prefix/$datadir/zephyrant" -P "$src/cmake/uninstall.cmake" \
    >"$work/uninstall.log" 2>&1 || fail "uninstalling failed: $(cat "$work/uninstall.log")"
fi
left=$(find "$stage" -type f)
[ -z "$left" ] || fail "files are left after uninstalling: $left"
[ ! -e "$data" ] || fail "the data folder is left after uninstalling"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all install checks passed"
