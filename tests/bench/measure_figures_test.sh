#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The measurement table's arithmetic on fixed numbers: medians of runs,
# ratios against powermanga and whether each row meets its aim.
#
#   measure_figures_test.sh bench/measure_figures.sh
set -u
# shellcheck source=bench/measure_figures.sh
. "$1"

failures=0
expect() {
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: expected '$3', got '$2'"
    failures=$((failures + 1))
  fi
}

# Medians: numeric order, not text order; an even count takes the mean of
# the middle two; figures that could not be taken are left out.
expect "odd count" "$(median 0.031 0.029 0.030)" 0.030
expect "numeric order" "$(median 9 100 10)" 10
expect "even count" "$(median 4 1 3 2)" 2.5
expect "missing runs left out" "$(median - 0.5 - 0.25)" 0.375
expect "no runs" "$(median - -)" -
expect "no such figure" "$(median_of /nonexistent/figure)" -

# The columns of a row: what, ours, theirs, ratio, target, met.
row() { figure_row "$@" | awk '{ $1 = ""; sub(/^ /, ""); print }'; }
expect "both aims met" "$(row menu 3 0.0200 0.0400 0.030 0.7)" \
  "0.020 0.040 0.50 <=0.7x and <=0.030 yes"
expect "ratio over its aim" "$(row menu 3 0.029 0.013 0.030 0.7)" \
  "0.029 0.013 2.23 <=0.7x and <=0.030 no"
expect "only the absolute aim over" "$(row menu 3 0.035 0.100 0.030 0.7)" \
  "0.035 0.100 0.35 <=0.7x and <=0.030 no"
expect "an aim met exactly" "$(row memory 1 30 33 30 -)" "30.0 33.0 0.91 <=30 yes"
expect "no powermanga: the rest judged, marked" "$(row menu 3 0.020 - 0.030 0.7)" \
  "0.020 - - <=0.7x and <=0.030 yes?"
expect "no powermanga, and the rest already over" "$(row menu 3 0.037 - 0.030 0.7)" \
  "0.037 - - <=0.7x and <=0.030 no"
expect "no powermanga and no other aim" "$(row play 3 0.040 - - 0.7)" "0.040 - - <=0.7x -"
expect "our figure missing" "$(row busy 3 - - 0.045 -)" "- - - <=0.045 -"
expect "powermanga at zero gives no ratio" "$(row paused 3 0.002 0 - 0.7)" \
  "0.002 0.000 - <=0.7x -"
expect "no aim" "$(row first 2 0.5 0.25 - -)" "0.50 0.25 2.00 - -"

[ "$failures" -eq 0 ] && echo "all measurement figures as expected"
exit "$failures"
