// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/platform.h"

namespace zephyrant {

class GameWorld;

// A key pressed: menus, the game-over prompt and the abort.
void HandleKeyDown(GameWorld& world, Key key);
// A character typed: the name on the high-score table.
void HandleKeyPress(GameWorld& world, char character);

}  // namespace zephyrant
