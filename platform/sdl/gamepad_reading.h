// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A gamepad with a known layout, read as the game's joystick: the left stick
// and the d-pad steer, and the face buttons stand in for the joystick buttons
// the game listens to.

#include "framework/platform.h"

namespace zephyrant {

struct GamepadReading {
  int stick_x = 0;  // -32768 .. 32767
  int stick_y = 0;
  bool dpad_up = false;
  bool dpad_down = false;
  bool dpad_left = false;
  bool dpad_right = false;
  bool south = false;  // A on most pads: fire
  bool east = false;   // B: rockets
  bool back = false;   // abort, like Escape
  bool start = false;
};

// Joystick buttons counted from 1, as the input states name them.
inline constexpr int kStartButton = 1;
inline constexpr int kBackButton = 2;
inline constexpr int kSouthButton = 3;
inline constexpr int kEastButton = 4;

// A d-pad direction is a full deflection and wins over the stick on its axis.
JoystickSample GamepadSample(const GamepadReading& pad);

}  // namespace zephyrant
