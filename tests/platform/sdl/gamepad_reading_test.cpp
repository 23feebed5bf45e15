// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/gamepad_reading.h"

#include <gtest/gtest.h>

#include "framework/input.h"

namespace zephyrant {
namespace {

// A reader whose only device is the gamepad under test.
class PadOnly final : public InputReader {
 public:
  JoystickSample sample;
  bool IsForeground() const override { return true; }
  bool KeyDown(Key) const override { return false; }
  MouseSample ReadMouse() override { return MouseSample{}; }
  JoystickSample ReadJoystick() override { return sample; }
};

InputStates StatesFor(const GamepadReading& pad) {
  PadOnly reader;
  reader.sample = GamepadSample(pad);
  InputDevices input(reader);
  input.Update();
  return input.States();
}

TEST(GamepadButtons, RaiseTheStatesOfTheGamesControls) {
  GamepadReading south;
  south.south = true;
  EXPECT_EQ(StatesFor(south), Bit(InputState::InputButton3));  // fire, like Space
  GamepadReading east;
  east.east = true;
  EXPECT_EQ(StatesFor(east), Bit(InputState::InputButton4));  // rockets, like Shift
  GamepadReading back;
  back.back = true;
  EXPECT_EQ(StatesFor(back), Bit(InputState::InputButton2));  // abort, like Escape
  GamepadReading start;
  start.start = true;
  EXPECT_EQ(StatesFor(start), Bit(InputState::InputButton1));
}

TEST(GamepadSteering, DpadIsAFullDeflectionThatWinsOverTheStick) {
  GamepadReading pad;
  pad.stick_x = 20000;
  pad.dpad_left = true;
  pad.dpad_down = true;
  const JoystickSample sample = GamepadSample(pad);
  EXPECT_TRUE(sample.present);
  EXPECT_EQ(sample.x, -32767);
  EXPECT_EQ(sample.y, 32767);
  EXPECT_EQ(StatesFor(pad), Bit(InputState::InputLeft) | Bit(InputState::InputDown));
}

TEST(GamepadSteering, StickSteersWhereTheDpadIsIdleOrCancelsOut) {
  GamepadReading pad;
  pad.stick_x = -20000;
  pad.stick_y = 1000;  // inside the dead zone
  pad.dpad_up = true;
  pad.dpad_down = true;
  const JoystickSample sample = GamepadSample(pad);
  EXPECT_EQ(sample.x, -20000);
  EXPECT_EQ(sample.y, 1000);
  EXPECT_EQ(StatesFor(pad), Bit(InputState::InputLeft));
}

}  // namespace
}  // namespace zephyrant
