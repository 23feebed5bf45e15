// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <vector>

#include "framework/platform.h"
#include "platform/sdl/pad_menu_keys.h"

namespace zephyrant {

// The joysticks and gamepads plugged in, in the order they arrived; the game
// reads the first. A device SDL knows the layout of is read as a gamepad
// (stick, d-pad and face buttons), any other by its raw axes and buttons.
class SdlJoysticks {
 public:
  SdlJoysticks() = default;
  ~SdlJoysticks();
  SdlJoysticks(const SdlJoysticks&) = delete;
  SdlJoysticks& operator=(const SdlJoysticks&) = delete;

  // SDL announces every device present at start-up the same way as one
  // plugged in later, so these two are all the bookkeeping there is.
  void OnDeviceAdded(int device_index);
  // True when the device gone was the one the game reads.
  bool OnDeviceRemoved(SDL_JoystickID id);

  JoystickSample ReadFirst() const;
  // The first device's directions and buttons by their role in the menus.
  PadMenuReading ReadFirstForMenus() const;

 private:
  struct Device {
    SDL_JoystickID id = -1;
    SDL_GameController* controller = nullptr;  // null for a device without a layout
    SDL_Joystick* joystick = nullptr;
  };
  static void Close(const Device& device);

  std::vector<Device> devices_;
};

}  // namespace zephyrant
