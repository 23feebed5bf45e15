#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The soak: the headless runner, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, plays random scripts from soak_script.awk
# through the menus, a game at every level of the five level sets and the
# high-score table, with late frames, focus changes and Escape.
#
#   soak.sh SIM [SEED]
#
# It fails when a run ends with an error or a sanitizer report, when the game
# shows an error, when a dump (every 10 frames) holds more sprites than
# MAX_SPRITES, or when fewer than MIN_PLAYED frames were played in all (a
# run stops playing when the game quits). The same seed always gives the same
# runs; each run's script stays in the soak folder beside SIM, and a failure
# prints the command that repeats it. SOAK_JOBS runs play at once (2).

set -u
sim=$1
seed=${2:-1}
jobs=${SOAK_JOBS:-2}
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$sim")/soak
mkdir -p "$out"

FRAMES=1600
MIN_PLAYED=50000
# The most sprites the dumps of seeds 1 to 5 held: 213 on the high-score
# table (its 154 glyphs, and the explosions of the wave an abort cleared),
# 168 in play (a boss's volleys), 50 in the menus (bursting decorations).
# Half as much again as the highest leaves room for busier moments the soak
# has not met, while a screen's sprites left behind (a second table's glyphs,
# menu items rebuilt over the old ones, a sprite no screen removes) add up
# and pass it.
MAX_SPRITES=320

# Sanitizer reports end the run with a failing status and say where.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:abort_on_error=0:detect_leaks=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:print_stacktrace=1"

# Plays run N from SCENE; leaves the script, standard error, the runner's
# status and the largest sprite count (with its frame) in the soak folder.
play() {
  n=$1
  run_seed=$((seed * 1000 + n))
  awk -v seed="$run_seed" -v frames="$FRAMES" -v scene="$2" -f "$here/soak_script.awk" \
    >"$out/run$n.txt"
  # The runner's status comes out of the pipe through a file.
  {
    "$sim" --seed "$run_seed" --frames "$FRAMES" --script "$out/run$n.txt" --dump-every 10 \
      --dump - 2>"$out/run$n.err"
    echo $? >"$out/run$n.status"
  } | awk -F'"class":' '
      {
        n = NF - 1
        if (n > most) {
          most = n
          match($0, /"frame":[0-9]+/)
          at = substr($0, RSTART + 8, RLENGTH - 8)
        }
      }
      END { print most + 0, at + 0 }' >"$out/run$n.sprites"
}

scenes="menus table $(awk 'BEGIN { for (l = 1; l <= 35; ++l) print l }') menus table"
runs=0
for scene in $scenes; do
  runs=$((runs + 1))
  play "$runs" "$scene" &
  [ $((runs % jobs)) -eq 0 ] && wait
done
wait

failures=0
played_total=0
n=0
for scene in $scenes; do
  n=$((n + 1))
  status=$(cat "$out/run$n.status")
  read -r most most_at <"$out/run$n.sprites"
  quit=$(sed -n 's/^zephyrant-sim: frame \([0-9]*\): the game has quit.*/\1/p' "$out/run$n.err")
  played=$FRAMES
  [ -n "$quit" ] && played=$((quit - 1))
  played_total=$((played_total + played))
  echo "run $n ($scene): $played of $FRAMES frames played, at most $most sprites (frame $most_at)"

  problem=""
  if [ "$status" -ne 0 ]; then
    problem="the runner ended with status $status"
  elif grep -q -e 'runtime error' -e 'Sanitizer' -e 'the game showed an error' "$out/run$n.err"; then
    problem="a report on standard error"
  elif [ "$most" -gt "$MAX_SPRITES" ]; then
    problem="$most sprites at frame $most_at, more than $MAX_SPRITES"
  fi
  if [ -n "$problem" ]; then
    failures=$((failures + 1))
    echo "FAIL run $n: $problem; repeat it with:"
    echo "  $sim --seed $((seed * 1000 + n)) --frames $FRAMES --script $out/run$n.txt"
    grep -v ': call .* ignored, ' "$out/run$n.err" | head -n 40
  fi
done

echo "$played_total frames played in $runs runs (seed $seed)"
if [ "$played_total" -lt "$MIN_PLAYED" ]; then
  echo "FAIL: fewer than $MIN_PLAYED frames played"
  failures=$((failures + 1))
fi
if [ "$failures" -gt 0 ]; then
  echo "soak: $failures failure(s)"
  exit 1
fi
echo "soak: passed"
