// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_input.h"

#include "platform/sdl/sdl_keys.h"

namespace zephyrant {

SdlInput::SdlInput(const SdlDisplay& display) : display_(display) {
  OnKeymapChanged();
}

void SdlInput::OnKeymapChanged() {
  for (size_t k = 0; k < scancodes_.size(); ++k) {
    const auto codes = KeycodesOf(static_cast<Key>(k));
    for (size_t i = 0; i < codes.size(); ++i) {
      scancodes_[k][i] =
          codes[i] == SDLK_UNKNOWN ? SDL_SCANCODE_UNKNOWN : SDL_GetScancodeFromKey(codes[i]);
    }
  }
}

bool SdlInput::IsForeground() const {
  SDL_Window* window = display_.Window();
  return window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

bool SdlInput::KeyDown(Key key) const {
  if (key == Key::kNone || key >= Key::kCount) return false;
  int count = 0;
  const Uint8* state = SDL_GetKeyboardState(&count);
  for (SDL_Scancode code : scancodes_[static_cast<size_t>(key)]) {
    if (code != SDL_SCANCODE_UNKNOWN && code < count && state[code] != 0) return true;
  }
  return false;
}

void SdlInput::OnMouseMotion(int xrel, int yrel) {
  mouse_dx_ += xrel;
  mouse_dy_ += yrel;
}

void SdlInput::OnMouseButtonDown(Uint8 button) {
  if (button >= SDL_BUTTON_LEFT && button <= SDL_BUTTON_RIGHT)
    pressed_buttons_ |= SDL_BUTTON(button);
}

MouseSample SdlInput::ReadMouse() {
  MouseSample sample;
  sample.dx = mouse_dx_;
  sample.dy = mouse_dy_;
  mouse_dx_ = 0;
  mouse_dy_ = 0;
  const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr) | pressed_buttons_;
  pressed_buttons_ = 0;
  sample.left = (buttons & SDL_BUTTON_LMASK) != 0;
  sample.right = (buttons & SDL_BUTTON_RMASK) != 0;
  sample.middle = (buttons & SDL_BUTTON_MMASK) != 0;
  return sample;
}

JoystickSample SdlInput::ReadJoystick() {
  return joysticks_.ReadFirst();
}

}  // namespace zephyrant
