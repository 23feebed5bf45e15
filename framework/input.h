// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "framework/platform.h"

namespace zephyrant {

// The 36 input states, in their bit order.
enum class InputState : uint8_t {
  InputUp,
  InputDown,
  InputLeft,
  InputRight,
  InputButton1,
  InputButton2,
  InputButton3,
  InputButton4,
  InputButton9 = InputButton1 + 8,
  InputButton32 = InputButton1 + 31,
};

inline constexpr int kInputStateCount = 36;

using InputStates = uint64_t;

inline constexpr InputStates Bit(InputState s) {
  return InputStates{1} << static_cast<int>(s);
}
inline constexpr InputStates ButtonBit(int n) {  // n counts from 1
  return InputStates{1} << (static_cast<int>(InputState::InputButton1) + n - 1);
}

// The merged keyboard, mouse and joystick states.
class InputDevices {
 public:
  static constexpr int kJoystickRange = 1000;
  static constexpr int kJoystickDeadZone = 50;
  static constexpr int kKeysPerState = 3;

  explicit InputDevices(InputReader& reader);

  // Reads every device and recomputes the states.
  void Update();

  InputStates States() const { return states_; }
  bool Has(InputState s) const { return (states_ & Bit(s)) != 0; }
  // Game code may take a state away; it returns only after a new press.
  void Remove(InputState s) { states_ &= ~Bit(s); }

  // The mouse's last relative motion.
  int MouseDx() const { return mouse_dx_; }
  int MouseDy() const { return mouse_dy_; }

  // A joystick axis from the device's range to +-1000, 0 inside the dead zone.
  static int ScaleAxis(int raw);

 private:
  InputStates ReadKeyboard() const;
  InputStates ReadMouse();
  InputStates ReadJoystick();

  InputReader& reader_;
  std::array<std::array<Key, kKeysPerState>, kInputStateCount> assigns_{};
  InputStates states_ = 0;
  InputStates previous_raw_ = 0;
  int mouse_dx_ = 0;
  int mouse_dy_ = 0;
};

}  // namespace zephyrant
