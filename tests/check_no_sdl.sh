#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file outside platform/ includes an SDL header.
root="$1"
found=$(grep -rlE '#[[:space:]]*include[[:space:]]*[<"]SDL' \
  "$root/framework" "$root/world" "$root/common" "$root/player" "$root/enemies" \
  "$root/menus" "$root/levels" "$root/game" 2>/dev/null)
if [ -n "$found" ]; then
  echo "SDL included outside platform/:"
  echo "$found"
  exit 1
fi
echo "core is SDL-free"
