#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays one scripted run per level (see level_script.sh) through the headless
# runner and compares the state hash every 256 frames, and after the last one,
# with the hashes kept in EXPECTED, naming the level, the first frame that
# differs and both hashes.
#
#   level_runs.sh SIM EXPECTED [FIRST LAST]   check levels FIRST to LAST (all)
#   level_runs.sh SIM EXPECTED --update       record all 35 anew (after a
#                                             change of play that is meant)
set -u
sim=$1 expected=$2
dir=$(cd "$(dirname "$0")" && pwd)
seed=1
mode=check first=1 last=35
case ${3:-} in
  --update) mode=update ;;
  '') ;;
  *) first=$3 last=${4:-$3} ;;
esac
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT INT TERM

status=0
for n in $(seq "$first" "$last"); do
  name=$(printf 'level%02d' "$n")
  if ! "$dir/level_script.sh" "$n" > "$work/$name.txt"; then
    echo "level runs: $name: no script" >&2
    exit 1
  fi
  # The run must go as scripted: a refused call or an error shown is a fault too.
  if ! "$sim" --seed "$seed" --frames "$("$dir/level_frames.sh" "$n")" --script "$work/$name.txt" \
      --hashes "$work/$name.hashes" >/dev/null 2>"$work/$name.err" || [ -s "$work/$name.err" ]; then
    echo "level runs: $name: the runner failed:" >&2
    cat "$work/$name.err" >&2
    exit 1
  fi
  sed "s/^/$name /" "$work/$name.hashes" >> "$work/actual"
  [ "$mode" = check ] || continue
  grep "^$name " "$expected" > "$work/$name.expected"
  sed "s/^/$name /" "$work/$name.hashes" > "$work/$name.actual"
  cmp -s "$work/$name.expected" "$work/$name.actual" && continue
  # Lines read "levelNN frame F level L hash H". Prints the first frame that
  # differs, to look at.
  frame=$(awk -v name="$name" '
    FILENAME == ARGV[1] { want[FNR] = $0; n = FNR; next }
    { got[FNR] = $0; m = FNR }
    END {
      if (n == 0) { print "level runs: " name ": no hashes recorded for this run" > "/dev/stderr"
                    split(got[1], g); print g[3]; exit }
      for (i = 1; i <= n || i <= m; i++) {
        if (want[i] == got[i]) continue
        split(want[i], w); split(got[i], g)
        if (i > m || i > n) {
          print "level runs: " name ": " n " hashes recorded, " m " now" > "/dev/stderr"
          print (i > m ? w[3] : g[3]); exit }
        print "level runs: " name " changed at frame " w[3] ": recorded " w[7] " in level " w[5] \
              ", now " g[7] " in level " g[5] (g[3] == w[3] ? "" : " at frame " g[3]) > "/dev/stderr"
        print w[3]; exit
      }
    }' "$work/$name.expected" "$work/$name.actual")
  echo "  to see it: $dir/level_script.sh $n | $sim --seed $seed --frames ${frame:-1}" \
       "--script - --screenshot $name.png" >&2
  status=1
done

if [ "$mode" = update ]; then
  cp "$work/actual" "$expected"
  echo "level runs: recorded $(wc -l < "$expected") hashes of $last runs in $expected"
  exit 0
fi
[ "$status" -eq 0 ] && echo "level runs: levels $first to $last as recorded"
exit "$status"
