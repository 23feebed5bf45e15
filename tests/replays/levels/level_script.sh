#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the runner script of one level's run: the game started straight at
# level N, the ship firing all along (Space held, rockets with Shift now and
# then), steered by the arrow keys and by the mouse, kept whole by resetting
# its damage, except once: one ship is lost on the way, so the explosion, the
# lost life and the next ship's climb are played too. When the wave is beaten
# early the run simply goes on into the next level.
#
#   level_script.sh N    N from 1 to 35; the run lasts level_frames.sh N frames
set -eu
level=$1
dir=$(dirname "$0")
frames=$("$dir/level_frames.sh" "$level")
awk -v level="$level" -v frames="$frames" 'BEGIN {
  # The main menu idles until the game starts at frame "start", so that the
  # level banner falls through the first kept hash at frame 256.
  start = 234
  print start " set screen_state 5"
  print start " call NewGame"
  print start " set level_number " level
  print start + 1 " set rocket_count 40"
  print start + 4 " key down Space"
  # One ship lost, its explosion under way at the hash of frame 1024: its
  # damage is set past what it can take, away from the frames that clear it.
  lost = 1004
  for (f = start + 20; f < frames; f += 20) print f " set hero_damage 0"
  print lost " set hero_damage 10"
  # A steering round of 400 frames, shifted a little from level to level so
  # the ship crosses other enemies and shots.
  for (c = start + 100 + (level * 13) % 60; c + 400 < frames; c += 400) {
    print c " key down Left";        print c + 40 " key up Left"
    print c + 60 " key down Up";     print c + 80 " key up Up"
    print c + 100 " key down Right"; print c + 180 " key up Right"
    print c + 200 " key down Down";  print c + 215 " key up Down"
    print c + 240 " mouse move " 100 + (level * 37 + c) % 560 " " 380 + (c % 5) * 20
    # Rockets go only while no volley is due, so Space is let go for them.
    print c + 300 " key up Space";   print c + 300 " key down LShift"
    print c + 340 " key up LShift";  print c + 340 " key down Space"
  }
}'
