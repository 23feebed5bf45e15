// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/input.h"

namespace zephyrant {

namespace {

InputStates Directions(int x, int y) {
  InputStates s = 0;
  if (x < 0) s |= Bit(InputState::InputLeft);
  if (x > 0) s |= Bit(InputState::InputRight);
  if (y < 0) s |= Bit(InputState::InputUp);
  if (y > 0) s |= Bit(InputState::InputDown);
  return s;
}

}  // namespace

InputDevices::InputDevices(InputReader& reader) : reader_(reader) {
  auto assign = [this](InputState s, Key a, Key b = Key::kNone, Key c = Key::kNone) {
    assigns_[static_cast<int>(s)] = {a, b, c};
  };
  assign(InputState::InputUp, LetterKey('k'), Key::kUp, Key::kKeypad8);
  assign(InputState::InputDown, LetterKey('j'), Key::kDown, Key::kKeypad2);
  assign(InputState::InputLeft, LetterKey('h'), Key::kLeft, Key::kKeypad4);
  assign(InputState::InputRight, LetterKey('l'), Key::kRight, Key::kKeypad6);
  assign(InputState::InputButton2, Key::kEscape);
  assign(InputState::InputButton3, Key::kSpace);
  assign(InputState::InputButton4, Key::kShift);
  assign(InputState::InputButton9, Key::kF2);
}

int InputDevices::ScaleAxis(int raw) {
  const int scaled = raw * kJoystickRange / (raw < 0 ? 32768 : 32767);
  return (scaled > -kJoystickDeadZone && scaled < kJoystickDeadZone) ? 0 : scaled;
}

InputStates InputDevices::ReadKeyboard() const {
  InputStates s = 0;
  for (int state = 0; state < kInputStateCount; ++state) {
    for (Key key : assigns_[state]) {
      if (key != Key::kNone && reader_.KeyDown(key)) {
        s |= InputStates{1} << state;
        break;
      }
    }
  }
  return s;
}

InputStates InputDevices::ReadMouse() {
  const MouseSample m = reader_.ReadMouse();
  mouse_dx_ = m.dx;
  mouse_dy_ = m.dy;
  InputStates s = Directions(m.dx, m.dy);
  // The right button fires rockets through the main window's mouse handler
  // and raises no state, so it is never taken for the abort input.
  if (m.left) s |= ButtonBit(1);
  if (m.middle) s |= ButtonBit(3);
  return s;
}

InputStates InputDevices::ReadJoystick() {
  const JoystickSample j = reader_.ReadJoystick();
  if (!j.present) return 0;
  InputStates s = Directions(ScaleAxis(j.x), ScaleAxis(j.y));
  for (int n = 1; n <= 32; ++n) {
    if ((j.buttons >> (n - 1)) & 1u) s |= ButtonBit(n);
  }
  return s;
}

void InputDevices::Update() {
  InputStates raw = 0;
  if (reader_.IsForeground()) {
    raw = ReadKeyboard() | ReadMouse() | ReadJoystick();
  } else {
    mouse_dx_ = 0;
    mouse_dy_ = 0;
  }
  const InputStates pressed = raw & ~previous_raw_;
  const InputStates released = previous_raw_ & ~raw;
  states_ = (states_ | pressed) & ~released;
  previous_raw_ = raw;
}

}  // namespace zephyrant
