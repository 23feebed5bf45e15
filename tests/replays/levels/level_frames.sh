#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How many frames level N's run lasts: a boss fight (every seventh level)
# runs longer, so the boss is seen firing and being hit for a good while.
case $(($1 % 7)) in
  0) echo 3000 ;;
  *) echo 2000 ;;
esac
