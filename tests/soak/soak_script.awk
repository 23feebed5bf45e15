# SPDX-License-Identifier: GPL-3.0-or-later
# Writes one random runner script for the soak: what a restless player does
# to the game for a number of frames, from a starting scene.
#
#   awk -v seed=S -v frames=F -v scene=SCENE -f soak_script.awk
#
# SCENE is "menus" (the main menu as the game starts), "table" (the
# high-score table opened with a random score) or a level number 1..35 (a
# game started from the menu as a player does, then moved to that level
# before its banner falls). The same seed, frames and scene always give the
# same script: the random numbers are the game's own kind of generator,
# computed exactly in awk's floating point, so any awk gives the same ones.

function random(n) {
  rng = (rng * 16807) % 2147483647
  return int(rng / 2147483647 * n)
}

function chance(one_in) {
  return random(one_in) == 0
}

function emit(frame, event) {
  if (frame >= 1 && frame <= frames) print frame, event
}

# A key held for a while; Space and Shift longer, as fire is held in play.
function press(frame, key, longest) {
  emit(frame, "key down " key)
  emit(frame + 1 + random(longest), "key up " key)
}

function pointer_anywhere(frame) {
  # Mostly on the surface, now and then far off it, as far as a script may go.
  if (chance(20)) {
    emit(frame, "mouse move " (random(12801) - 6400) " " (random(9601) - 4800))
  } else {
    emit(frame, "mouse move " random(800) " " random(600))
  }
}

function click(frame, buttons) {
  split("left right middle", buttons, " ")
  b = buttons[1 + random(3)]
  emit(frame, "mouse down " b)
  emit(frame + 1 + random(8), "mouse up " b)
}

function late_frame(frame) {
  # Mostly a hiccup; rarely the longest gap the frame timer takes.
  if (chance(25)) {
    emit(frame, "lag 69273666")
  } else if (chance(5)) {
    emit(frame, "lag " (10 + random(500)))
  } else {
    emit(frame, "lag " (2 + random(4)))
  }
}

function type_character(frame, pick) {
  pick = random(40)
  if (pick < 26) {
    c = substr("abcdefghijklmnopqrstuvwxyz", pick + 1, 1)
    if (chance(2)) c = toupper(c)
  } else if (pick < 36) {
    c = pick - 26
  } else if (pick < 39) {
    c = "BackSpace"
  } else {
    c = "Space"
  }
  emit(frame, "char " c)
}

BEGIN {
  rng = (seed * 7919 + 1) % 2147483646 + 1
  for (i = 0; i < 5; ++i) random(2)

  # A setting the options screen offers; the waves depend on it.
  emit(1, "set difficulty " random(3))
  start = 2
  repairs = 0
  if (scene == "table") {
    emit(2, "set score " random(20000))
    emit(2, "call HiScores")
    start = 3
  } else if (scene != "menus") {
    emit(2, "key down Return")
    emit(3, "key up Return")
    emit(4, "set level_number " scene)
    start = 5
    # Half the games are patched up now and then, so that the later waves
    # and the bosses get fought too.
    repairs = chance(2)
  }

  split("Up Down Left Right", arrows, " ")
  split("Up Down Left Right Return Return Escape KP_2 KP_4 KP_6 KP_8 F2 a 7", others, " ")
  for (f = start; f <= frames; ++f) {
    if (chance(12)) press(f, arrows[1 + random(4)], 40)
    if (chance(60)) press(f, "Space", 200)
    if (chance(150)) press(f, "LShift", 30)
    if (chance(90)) press(f, others[1 + random(14)], 6)
    if (chance(15)) pointer_anywhere(f)
    if (chance(70)) click(f)
    if (chance(40)) type_character(f)
    if (chance(120)) late_frame(f)
    if (chance(400)) {
      emit(f, "focus out")
      emit(f + 1 + random(20), "focus in")
    }
    if (repairs && chance(250)) emit(f, "set hero_damage 0")
  }
}
