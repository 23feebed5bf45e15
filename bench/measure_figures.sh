# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=sh
# The arithmetic of the whole-process measurement, kept apart from the
# display and the games so that it can be checked on fixed numbers.
# Sourced by process_measure.sh; every function writes to standard output.
# A figure that could not be taken is written "-".

# The median of the numbers given, "-" without any; the mean of the middle
# two for an even count. Words that are not numbers ("-") are left out.
median() {
  printf '%s\n' "$@" | awk '/^-?[0-9]+(\.[0-9]+)?$/ { print }' | sort -g |
    awk '{ v[NR] = $1 }
      END {
        if (NR == 0) { print "-"; exit }
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        print m
      }'
}

# The median of the lines of FILE (none when FILE is missing).
median_of() {
  if [ -f "$1" ]; then
    # shellcheck disable=SC2046  # one number a line, no blanks inside
    median $(cat "$1")
  else
    echo "-"
  fi
}

# One row of the table:
#   figure_row WHAT DIGITS OURS THEIRS MAX MAX_RATIO
# OURS and THEIRS are this game's and powermanga's figures, MAX the most this
# game's may be and MAX_RATIO the most it may be as a share of powermanga's
# ("-" where there is none). The figures are printed with DIGITS decimals,
# the ratio ours/theirs with two, then the target and whether it is met:
# "no" when a figure misses its bound, "yes" when every bound is met, "yes?"
# when the bounds that could be judged are met but another could not
# (powermanga not measured), "-" when none could.
figure_row() {
  awk -v what="$1" -v digits="$2" -v ours="$3" -v theirs="$4" -v max="$5" -v max_ratio="$6" '
    function known(x) { return x != "-" && x != "" }
    function shown(x) { return known(x) ? sprintf("%." digits "f", x) : "-" }
    BEGIN {
      ratio = (known(ours) && known(theirs) && theirs + 0 > 0) ? ours / theirs : "-"
      target = ""; judged = 0; missing = 0; over = 0
      if (known(max_ratio)) {
        target = "<=" max_ratio "x"
        if (!known(ratio)) missing = 1
        else { judged = 1; if (ratio > max_ratio + 0) over = 1 }
      }
      if (known(max)) {
        target = target (target == "" ? "" : " and ") "<=" max
        if (!known(ours)) missing = 1
        else { judged = 1; if (ours > max + 0) over = 1 }
      }
      if (target == "") target = "-"
      met = !judged ? "-" : over ? "no" : missing ? "yes?" : "yes"
      printf "%-34s %10s %10s %6s  %-20s %s\n", what, shown(ours), shown(theirs),
        known(ratio) ? sprintf("%.2f", ratio) : "-", target, met
    }'
}

# The heading of the table, in the columns of figure_row.
figure_heading() {
  printf "%-34s %10s %10s %6s  %-20s %s\n" "what" "zephyrant" "powermanga" "ratio" "target" "met"
}
