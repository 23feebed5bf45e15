// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <array>

#include "framework/platform.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_joysticks.h"

namespace zephyrant {

// Keyboard, mouse and joystick as the game's input device reads them. The
// keyboard is read as it stands; mouse motion and device changes are fed in
// by the message loop.
class SdlInput final : public InputReader {
 public:
  // The game is in the foreground while the display's window has the focus.
  explicit SdlInput(const SdlDisplay& display);

  bool IsForeground() const override;
  bool KeyDown(Key key) const override;
  MouseSample ReadMouse() override;
  JoystickSample ReadJoystick() override;

  void OnMouseMotion(int xrel, int yrel);
  // Remembered until the next read, so a click between two reads counts.
  void OnMouseButtonDown(Uint8 button);
  // Letters follow the keyboard layout, so a new layout moves them.
  void OnKeymapChanged();
  SdlJoysticks& Joysticks() { return joysticks_; }

 private:
  using Scancodes = std::array<SDL_Scancode, 2>;

  const SdlDisplay& display_;
  std::array<Scancodes, static_cast<size_t>(Key::kCount)> scancodes_{};
  int mouse_dx_ = 0;
  int mouse_dy_ = 0;
  Uint32 pressed_buttons_ = 0;  // SDL button masks pressed since the last read
  SdlJoysticks joysticks_;
};

}  // namespace zephyrant
