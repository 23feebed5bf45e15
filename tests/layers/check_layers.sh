#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder includes a folder at its own layer or above, or when
# folders include each other round in a loop (inside one layer's folders too).
# Usage: check_layers.sh SOURCE_ROOT
root="$1"
cd "$root" || exit 2

# Layers from the bottom up. A folder may include only folders of lower
# layers; its subfolders belong to it unless listed themselves.
layers='
1 framework
2 world
2 platform/common
3 common
3 platform/headless
4 player
4 enemies
4 menus
5 levels
6 game
7 platform/sdl
7 tools/sim
8 tools/assetgen
8 .
'

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT

# Every source file of the game and its tools; the tests and benchmarks sit
# above everything.
sources=$(find . \( -path ./tests -o -path ./bench -o -path './build*' -o -path ./.git \) -prune \
            -o \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||' | sort)

# Every source file, then every quoted include as "file:line".
{
  echo "$sources"
  echo "--"
  # shellcheck disable=SC2086
  grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' $sources
} | awk -v layers="$layers" -v edges="$edges" '
  function dirname(p) { return p ~ /\// ? substr(p, 1, match(p, /\/[^\/]*$/) - 1) : "." }
  # The listed folder a folder belongs to: the longest listed prefix.
  function unit(d,    u, best) {
    best = ""
    for (u in layer)
      if (d == u || index(d, u "/") == 1 || (u == "." && d == "."))
        if (length(u) > length(best)) best = u
    return best
  }
  BEGIN {
    n = split(layers, rows, "\n")
    for (i = 1; i <= n; ++i) if (split(rows[i], f, " ") == 2) layer[f[2]] = f[1] + 0
    status = 0
  }
  !listed && $0 == "--" { listed = 1; next }
  !listed { exists[$0] = 1; next }
  {
    file = substr($0, 1, index($0, ":") - 1)
    inc = $0
    sub(/^[^"]*"/, "", inc); sub(/".*$/, "", inc)
    dir = dirname(file)
    if (inc in exists) target = inc
    else if ((dir "/" inc) in exists) target = dir "/" inc
    else next
    tdir = dirname(target)
    if (tdir == dir) next
    print dir, tdir > edges
    from = unit(dir); to = unit(tdir)
    if (from == "") { if (!(dir in told)) print dir ": not in any layer (list it in check_layers.sh)"; told[dir] = 1; status = 1; next }
    if (to == "" || to == from) next
    if (layer[to] >= layer[from]) {
      print file " includes " inc ": " from " (layer " layer[from] ") may not include " to " (layer " layer[to] ")"
      status = 1
    }
  }
  END { exit status }'
status=$?

# tsort names the folders on a loop when the include graph has one.
loops=$(sort -u "$edges" | tsort 2>&1 >/dev/null)
if [ -n "$loops" ]; then
  echo "folders include each other in a loop:"
  echo "$loops"
  status=1
fi

[ "$status" -eq 0 ] && echo "folders keep to their layers, no include loops"
exit $status
