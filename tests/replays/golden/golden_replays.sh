#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The golden replays: every NAME.zrp of DIR, recorded from the script NAME.txt
# beside it, is played back with --verify, so a change of play shows up with
# the first frame whose state hash differs and the level it happened in; and
# the replay's dumps are compared with its script's, so a kept replay cannot
# drift from the script it claims to come from. A script's first line gives
# its seed and length: "# seed S frames F".
#
#   golden_replays.sh SIM DIR [NAME...]    check (every replay of DIR)
#   golden_replays.sh SIM DIR --record     record every replay anew from its
#                                          script (after a change of play that
#                                          is meant, or of the replay format)
set -u
sim=$1 dir=$2
shift 2
mode=check
if [ "${1:-}" = --record ]; then
  mode=record
  shift
fi
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT INT TERM

if [ $# -eq 0 ]; then
  for script in "$dir"/*.txt; do set -- "$@" "$(basename "$script" .txt)"; done
fi

status=0
for name in "$@"; do
  script=$dir/$name.txt replay=$dir/$name.zrp
  header=$(sed -n '1s/^# seed \([0-9][0-9]*\) frames \([0-9][0-9]*\)$/\1 \2/p' "$script")
  if [ -z "$header" ]; then
    echo "golden replays: $script: the first line must read \"# seed S frames F\"" >&2
    exit 1
  fi
  seed=${header% *} frames=${header#* }
  if [ "$mode" = record ]; then
    if ! "$sim" --seed "$seed" --frames "$frames" --script "$script" --record "$replay" \
        2>"$work/$name.err" >/dev/null; then
      echo "golden replays: $name: the runner failed:" >&2
      cat "$work/$name.err" >&2
      exit 1
    fi
    echo "golden replays: recorded $replay"
    continue
  fi
  # The replay against its own hashes, the level of every kept hash noted.
  if ! "$sim" --replay "$replay" --verify --hashes "$work/$name.hashes" --dump-every 50 \
      --dump "$work/$name.replayed" >/dev/null 2>"$work/$name.err"; then
    level=$(tail -n 1 "$work/$name.hashes" 2>/dev/null | cut -d ' ' -f 4)
    echo "golden replays: $name (level ${level:-?}): $(grep -v 'the game has quit' "$work/$name.err")" >&2
    frame=$(tail -n 1 "$work/$name.hashes" 2>/dev/null | cut -d ' ' -f 2)
    echo "  to see it: $sim --replay $replay --frames ${frame:-1} --screenshot $name.png" >&2
    status=1
    continue
  fi
  # The script still plays as the replay does.
  if ! "$sim" --seed "$seed" --frames "$frames" --script "$script" --dump-every 50 \
      --dump "$work/$name.scripted" >/dev/null 2>"$work/$name.err"; then
    echo "golden replays: $name: the runner failed on the script:" >&2
    cat "$work/$name.err" >&2
    status=1
    continue
  fi
  if ! cmp -s "$work/$name.replayed" "$work/$name.scripted"; then
    frame=$(cmp "$work/$name.replayed" "$work/$name.scripted" 2>&1 | sed -n 's/.* line \([0-9]*\).*/\1/p')
    echo "golden replays: $name: the replay no longer plays as its script does; their" \
         "dumps first differ at frame $(( ${frame:-0} * 50 )). Record it anew from the script." >&2
    status=1
  fi
done
[ "$mode" = check ] && [ "$status" -eq 0 ] && echo "golden replays: $# replays play as recorded"
exit "$status"
