// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_keys.h"

namespace zephyrant {

namespace {

struct NamedKey {
  SDL_Keycode code;
  Key key;
};

// Letters and digits are handled apart; they are ranges in both tables.
constexpr NamedKey kNamedKeys[] = {
    {SDLK_UP, Key::kUp},         {SDLK_DOWN, Key::kDown},           {SDLK_LEFT, Key::kLeft},
    {SDLK_RIGHT, Key::kRight},   {SDLK_RETURN, Key::kReturn},       {SDLK_KP_ENTER, Key::kReturn},
    {SDLK_ESCAPE, Key::kEscape}, {SDLK_SPACE, Key::kSpace},         {SDLK_LSHIFT, Key::kShift},
    {SDLK_RSHIFT, Key::kShift},  {SDLK_BACKSPACE, Key::kBackSpace}, {SDLK_F2, Key::kF2},
    {SDLK_KP_2, Key::kKeypad2},  {SDLK_KP_4, Key::kKeypad4},        {SDLK_KP_6, Key::kKeypad6},
    {SDLK_KP_8, Key::kKeypad8},  {SDLK_PAUSE, Key::kPause},         {SDLK_F11, Key::kF11},
    {SDLK_F12, Key::kF12},
};

}  // namespace

Key KeyFromKeycode(SDL_Keycode code) {
  if (code >= SDLK_a && code <= SDLK_z) return LetterKey(static_cast<char>('a' + (code - SDLK_a)));
  if (code >= SDLK_0 && code <= SDLK_9) return DigitKey(static_cast<char>('0' + (code - SDLK_0)));
  for (const NamedKey& named : kNamedKeys) {
    if (named.code == code) return named.key;
  }
  return Key::kNone;
}

std::array<SDL_Keycode, 2> KeycodesOf(Key key) {
  std::array<SDL_Keycode, 2> codes{SDLK_UNKNOWN, SDLK_UNKNOWN};
  const int k = static_cast<int>(key);
  if (key >= Key::kA && key <= Key::kZ) {
    codes[0] = SDLK_a + (k - static_cast<int>(Key::kA));
  } else if (key >= Key::k0 && key <= Key::k9) {
    codes[0] = SDLK_0 + (k - static_cast<int>(Key::k0));
  } else {
    size_t found = 0;
    for (const NamedKey& named : kNamedKeys) {
      if (named.key == key && found < codes.size()) codes[found++] = named.code;
    }
  }
  return codes;
}

}  // namespace zephyrant
