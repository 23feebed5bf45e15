// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/gamepad_reading.h"

namespace zephyrant {

namespace {

constexpr int kFullDeflection = 32767;

int Steer(int stick, bool negative, bool positive) {
  if (negative == positive) return stick;  // neither, or both cancelling out
  return negative ? -kFullDeflection : kFullDeflection;
}

uint32_t ButtonMask(int button) {
  return uint32_t{1} << (button - 1);
}

}  // namespace

JoystickSample GamepadSample(const GamepadReading& pad) {
  JoystickSample sample;
  sample.present = true;
  sample.x = Steer(pad.stick_x, pad.dpad_left, pad.dpad_right);
  sample.y = Steer(pad.stick_y, pad.dpad_up, pad.dpad_down);
  if (pad.start) sample.buttons |= ButtonMask(kStartButton);
  if (pad.back) sample.buttons |= ButtonMask(kBackButton);
  if (pad.south) sample.buttons |= ButtonMask(kSouthButton);
  if (pad.east) sample.buttons |= ButtonMask(kEastButton);
  return sample;
}

}  // namespace zephyrant
