#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file of the game, its tools or its tests lacks the
# licence line near its top, or when COPYING is missing.
root="$1"
cd "$root" || exit 2
tag='SPDX-License-Identifier: GPL-3.0-or-later'
status=0
if ! grep -q 'GNU GENERAL PUBLIC LICENSE' COPYING 2>/dev/null || ! grep -q 'Version 3' COPYING; then
  echo "COPYING: the GNU General Public License, version 3, is missing"
  status=1
fi
missing=$(find . \( -path './build*' -o -path ./.git -o -path ./assets \) -prune -o -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.awk' -o -name '*.cmake' \
     -o -name CMakeLists.txt -o -name Makefile -o -path ./.ci/run \) -print |
  while read -r f; do head -3 "$f" | grep -q "$tag" || echo "$f"; done)
if [ -n "$missing" ]; then
  echo "without the licence line ($tag) in their first lines:"
  echo "$missing"
  status=1
fi
[ "$status" -eq 0 ] && echo "every source file carries the licence line"
exit $status
