// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

namespace zephyrant {

// Full screen asked of the X window manager directly. SDL's own request
// then waits about 100 ms for the window manager to move the window, and
// the game would stand still that long at every switch; asked like this,
// the window manager does it while the game goes on.
enum class X11FullScreen {
  kByWindowManager,  // asked; the window manager changes the window
  kNoWindowManager,  // an X display without one: the game sizes the window
  kNotX11,           // not an X window: SDL must do it
};

// Asks for full screen on or off for a window on the screen.
X11FullScreen RequestX11FullScreen(SDL_Window* window, bool full_screen);

// Marks a window not yet shown as full screen, so that it opens that way.
X11FullScreen MarkX11FullScreen(SDL_Window* window);

}  // namespace zephyrant
