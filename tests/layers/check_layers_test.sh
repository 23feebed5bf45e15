#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check passes a tree that keeps its layers and fails, naming the
# culprit, on an upward include, an include between families, a loop of
# folders inside one family and a folder outside every layer.
check="$(dirname "$0")/check_layers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# tree NAME: a fresh tree that keeps its layers.
tree() {
  t="$work/$1"
  mkdir -p "$t/framework" "$t/world" "$t/player" "$t/enemies/set1" "$t/enemies/bosses" "$t/game"
  echo '#pragma once' > "$t/framework/sprite.h"
  printf '#include "framework/sprite.h"\n' > "$t/world/game_world.h"
  printf '#include "world/game_world.h"\n' > "$t/player/ship.cpp"
  printf '#include "world/game_world.h"\n' > "$t/enemies/set1/set1_enemy.cpp"
  printf '#include "enemies/set1/set1_enemy.h"\n' > "$t/enemies/bosses/boss_1.cpp"
  echo '#pragma once' > "$t/enemies/set1/set1_enemy.h"
  printf '#include "player/ship.h"\n#include "enemies/set1/set1_enemy.h"\n' > "$t/game/main_window.cpp"
  echo '#pragma once' > "$t/player/ship.h"
  echo "$t"
}

# expect NAME STATUS TEXT: the check's exit status, and a line naming the culprit.
expect() {
  out=$("$check" "$t" 2>&1)
  got=$?
  if [ "$got" -ne "$2" ] || ! echo "$out" | grep -q "$3"; then
    echo "FAIL $1: exit $got, wanted $2 and \"$3\" in:"
    echo "$out"
    failures=$((failures + 1))
  fi
}

t=$(tree good)
expect "a tree that keeps its layers" 0 "no include loops"

t=$(tree upward)
printf '#include "player/ship.h"\n' >> "$t/world/game_world.h"
expect "the world including a family" 1 "world/game_world.h includes player/ship.h: world (layer 2) may not include player (layer 4)"

t=$(tree sideways)
printf '#include "player/ship.h"\n' >> "$t/enemies/set1/set1_enemy.cpp"
expect "enemies including the player" 1 "enemies (layer 4) may not include player (layer 4)"

t=$(tree loop)
printf '#include "enemies/bosses/boss_1.h"\n' >> "$t/enemies/set1/set1_enemy.cpp"
echo '#pragma once' > "$t/enemies/bosses/boss_1.h"
expect "set 1 and the bosses including each other" 1 "in a loop"

t=$(tree unlisted)
mkdir -p "$t/audio"
printf '#include "framework/sprite.h"\n' > "$t/audio/mixer.cpp"
expect "a folder in no layer" 1 "audio: not in any layer"

[ "$failures" -eq 0 ] && echo "layer check: all cases behave"
exit "$failures"
