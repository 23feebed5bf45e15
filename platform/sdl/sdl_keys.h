// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <array>

#include "framework/platform.h"

namespace zephyrant {

// The game's key for an SDL key code; Key::kNone for keys the game ignores.
Key KeyFromKeycode(SDL_Keycode code);

// The SDL key codes that stand for a game key (Shift and Return have two);
// unused places hold SDLK_UNKNOWN.
std::array<SDL_Keycode, 2> KeycodesOf(Key key);

}  // namespace zephyrant
