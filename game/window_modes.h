// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window configurations of the full-screen setting: the desktop's full
// screen, or a window the player can resize.

#include "framework/platform.h"

namespace zephyrant {

// The surface over the whole desktop, as the window system's full screen.
WindowConfig FullScreenConfig(Size desktop);

// A bordered, resizable window centred on the desktop, of the size the
// player left it at (`remembered`, cut down to the desktop), or, when none
// is remembered, 800 x 600 where that fits the desktop and 640 x 480 where
// it does not.
WindowConfig WindowedConfig(Size desktop, Size remembered);

}  // namespace zephyrant
