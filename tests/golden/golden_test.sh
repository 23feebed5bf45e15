#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays every scripted scene through the headless runner and compares each
# dumped frame with the hash recorded when play was last known good, so any
# change of behaviour shows up with the scene and the first frame it touches.
#
#   golden_test.sh SIM SCENES_DIR EXPECTED          check
#   golden_test.sh SIM SCENES_DIR EXPECTED --update record anew (after a change
#                                                  of play that is meant)
set -u
sim=$1 scenes=$2 expected=$3 mode=${4:-check}
frames=1500 every=50 seed=1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT INT TERM

for script in "$scenes"/*.txt; do
  name=$(basename "$script" .txt)
  mkdir -p "$work/config-$name"
  if ! "$sim" --seed "$seed" --frames "$frames" --script "$script" --dump-every "$every" \
      --dump "$work/$name.json" --config-dir "$work/config-$name" >/dev/null 2>"$work/$name.err"; then
    echo "golden: $name: the runner failed:" >&2
    cat "$work/$name.err" >&2
    exit 1
  fi
  # One file per dumped frame, hashed in one go.
  mkdir -p "$work/frames-$name"
  awk -v dir="$work/frames-$name" '{
    frame = $0; sub(/^\{"frame":/, "", frame); sub(/,.*/, "", frame)
    file = sprintf("%s/%08d", dir, frame); print > file; close(file) }' "$work/$name.json"
  (cd "$work/frames-$name" && sha256sum -- *) |
    awk -v name="$name" '{ printf "%s %d %s\n", name, $2, substr($1, 1, 16) }'
done > "$work/actual"

if [ "$mode" = --update ]; then
  cp "$work/actual" "$expected"
  echo "golden: recorded $(wc -l < "$expected") frames in $expected"
  exit 0
fi

if cmp -s "$work/actual" "$expected"; then
  echo "golden: $(wc -l < "$expected") frames as recorded"
  exit 0
fi
# Name the first scene and frame that differ, with both hashes.
diff "$expected" "$work/actual" | awk '
  /^< / && !old { old = $2 " frame " $3 ": recorded " $4 }
  /^> / && !new { new = $4 " (" $2 " frame " $3 ")" }
  END { print "golden: play changed at " old ", now " new }' >&2
exit 1
