// SPDX-License-Identifier: GPL-3.0-or-later
// The gamepads as SDL announces them, played by SDL's own virtual devices,
// so no pad needs to be plugged in.

#include "platform/sdl/sdl_joysticks.h"

#include <gtest/gtest.h>

namespace zephyrant {
namespace {

class VirtualPads : public testing::Test {
 protected:
  void SetUp() override {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) GTEST_SKIP() << SDL_GetError();
  }
  void TearDown() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

  // Plugs in a pad and announces it; its id.
  SDL_JoystickID Plug(SdlJoysticks& pads) {
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 0);
    EXPECT_GE(index, 0) << SDL_GetError();
    pads.OnDeviceAdded(index);
    return SDL_JoystickGetDeviceInstanceID(index);
  }
};

// Only losing the pad the game reads may pause it; each loss is reported
// twice (as a joystick and as a gamepad) and counts once.
TEST_F(VirtualPads, OnlyThePadInUseGoingAwayCounts) {
  SdlJoysticks pads;
  const SDL_JoystickID first = Plug(pads);
  const SDL_JoystickID spare = Plug(pads);
  const SDL_JoystickID third = Plug(pads);
  EXPECT_TRUE(pads.ReadFirst().present);
  EXPECT_FALSE(pads.OnDeviceRemoved(spare)) << "a pad nobody plays with";
  EXPECT_TRUE(pads.OnDeviceRemoved(first));
  EXPECT_FALSE(pads.OnDeviceRemoved(first)) << "the second report of the same loss";
  EXPECT_TRUE(pads.ReadFirst().present) << "the next pad is read now";
  EXPECT_TRUE(pads.OnDeviceRemoved(third));
  EXPECT_FALSE(pads.ReadFirst().present);
}

}  // namespace
}  // namespace zephyrant
