// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_joysticks.h"

#include <algorithm>

#include "platform/sdl/gamepad_reading.h"

namespace zephyrant {

namespace {

constexpr int kMaxButtons = 32;

JoystickSample ReadGamepad(SDL_GameController* pad) {
  auto button = [pad](SDL_GameControllerButton b) {
    return SDL_GameControllerGetButton(pad, b) != 0;
  };
  GamepadReading reading;
  reading.stick_x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
  reading.stick_y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
  reading.dpad_up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
  reading.dpad_down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
  reading.dpad_left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
  reading.dpad_right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
  reading.south = button(SDL_CONTROLLER_BUTTON_A);
  reading.east = button(SDL_CONTROLLER_BUTTON_B);
  reading.back = button(SDL_CONTROLLER_BUTTON_BACK);
  reading.start = button(SDL_CONTROLLER_BUTTON_START);
  return GamepadSample(reading);
}

JoystickSample ReadPlainJoystick(SDL_Joystick* joystick) {
  JoystickSample sample;
  sample.present = true;
  const int axes = SDL_JoystickNumAxes(joystick);
  if (axes > 0) sample.x = SDL_JoystickGetAxis(joystick, 0);
  if (axes > 1) sample.y = SDL_JoystickGetAxis(joystick, 1);
  const int buttons = std::min(SDL_JoystickNumButtons(joystick), kMaxButtons);
  for (int n = 0; n < buttons; ++n) {
    if (SDL_JoystickGetButton(joystick, n) != 0) sample.buttons |= uint32_t{1} << n;
  }
  return sample;
}

PadMenuReading GamepadForMenus(SDL_GameController* pad) {
  PadMenuReading reading;
  reading.present = true;
  reading.x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
  reading.y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
  for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX && b < kMaxButtons; ++b) {
    const auto button = static_cast<SDL_GameControllerButton>(b);
    if (SDL_GameControllerGetButton(pad, button) == 0) continue;
    const uint32_t bit = uint32_t{1} << b;
    switch (button) {
      case SDL_CONTROLLER_BUTTON_DPAD_UP:
        reading.up = true;
        break;
      case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        reading.down = true;
        break;
      case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        reading.left = true;
        break;
      case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        reading.right = true;
        break;
      case SDL_CONTROLLER_BUTTON_A:
        reading.enter_buttons |= bit;
        break;
      case SDL_CONTROLLER_BUTTON_START:
        reading.start_buttons |= bit;
        break;
      case SDL_CONTROLLER_BUTTON_BACK:
        reading.escape_buttons |= bit;
        break;
      default:
        reading.other_buttons |= bit;
        break;
    }
  }
  return reading;
}

// Without a known layout the buttons keep the numbers the gamepad's roles
// have in play: button 1 and 3 choose, button 2 goes back.
PadMenuReading PlainJoystickForMenus(SDL_Joystick* joystick) {
  PadMenuReading reading;
  reading.present = true;
  const JoystickSample sample = ReadPlainJoystick(joystick);
  reading.x = sample.x;
  reading.y = sample.y;
  if (SDL_JoystickNumHats(joystick) > 0) {
    const Uint8 hat = SDL_JoystickGetHat(joystick, 0);
    reading.up = (hat & SDL_HAT_UP) != 0;
    reading.down = (hat & SDL_HAT_DOWN) != 0;
    reading.left = (hat & SDL_HAT_LEFT) != 0;
    reading.right = (hat & SDL_HAT_RIGHT) != 0;
  }
  const uint32_t start = uint32_t{1} << (kStartButton - 1);
  const uint32_t enter = uint32_t{1} << (kSouthButton - 1);
  const uint32_t escape = uint32_t{1} << (kBackButton - 1);
  reading.enter_buttons = sample.buttons & enter;
  reading.start_buttons = sample.buttons & start;
  reading.escape_buttons = sample.buttons & escape;
  reading.other_buttons = sample.buttons & ~(start | enter | escape);
  return reading;
}

}  // namespace

SdlJoysticks::~SdlJoysticks() {
  for (const Device& device : devices_) Close(device);
}

void SdlJoysticks::Close(const Device& device) {
  if (device.controller != nullptr) {
    SDL_GameControllerClose(device.controller);
  } else {
    SDL_JoystickClose(device.joystick);
  }
}

void SdlJoysticks::OnDeviceAdded(int device_index) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
  if (id < 0) return;
  // A gamepad is announced twice, as a joystick and as a gamepad.
  for (const Device& device : devices_) {
    if (device.id == id) return;
  }
  Device device;
  device.id = id;
  if (SDL_IsGameController(device_index)) {
    device.controller = SDL_GameControllerOpen(device_index);
    if (device.controller != nullptr) {
      device.joystick = SDL_GameControllerGetJoystick(device.controller);
    }
  }
  if (device.controller == nullptr) device.joystick = SDL_JoystickOpen(device_index);
  if (device.joystick == nullptr) return;
  devices_.push_back(device);
}

bool SdlJoysticks::OnDeviceRemoved(SDL_JoystickID id) {
  const auto gone =
      std::find_if(devices_.begin(), devices_.end(), [id](const Device& d) { return d.id == id; });
  if (gone == devices_.end()) return false;
  const bool was_read = gone == devices_.begin();
  Close(*gone);
  devices_.erase(gone);
  return was_read;
}

PadMenuReading SdlJoysticks::ReadFirstForMenus() const {
  if (devices_.empty()) return PadMenuReading{};
  const Device& first = devices_.front();
  return first.controller != nullptr ? GamepadForMenus(first.controller)
                                     : PlainJoystickForMenus(first.joystick);
}

JoystickSample SdlJoysticks::ReadFirst() const {
  if (devices_.empty()) return JoystickSample{};
  const Device& first = devices_.front();
  return first.controller != nullptr ? ReadGamepad(first.controller)
                                     : ReadPlainJoystick(first.joystick);
}

}  // namespace zephyrant
