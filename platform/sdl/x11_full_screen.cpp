// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/x11_full_screen.h"

#include <SDL_syswm.h>

#ifdef ZEPHYRANT_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace zephyrant {

#ifdef ZEPHYRANT_HAVE_X11

namespace {

// The ways of the window manager's full-screen state (EWMH).
constexpr long kRemove = 0;
constexpr long kAdd = 1;
constexpr long kFromAnApplication = 1;

struct X11Window {
  Display* display = nullptr;
  Window window = 0;
};

bool FindX11Window(SDL_Window* window, X11Window& found) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
    return false;
  }
  found.display = info.info.x11.display;
  found.window = info.info.x11.window;
  return found.display != nullptr;
}

bool HasWindowManager(Display* display) {
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  const bool found =
      XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                         &format, &count, &after, &data) == Success &&
      type == XA_WINDOW && count == 1;
  if (data != nullptr) XFree(data);
  return found;
}

}  // namespace

X11FullScreen RequestX11FullScreen(SDL_Window* window, bool full_screen) {
  X11Window x11;
  if (!FindX11Window(window, x11)) return X11FullScreen::kNotX11;
  if (!HasWindowManager(x11.display)) return X11FullScreen::kNoWindowManager;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = x11.window;
  event.xclient.message_type = XInternAtom(x11.display, "_NET_WM_STATE", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = full_screen ? kAdd : kRemove;
  event.xclient.data.l[1] =
      static_cast<long>(XInternAtom(x11.display, "_NET_WM_STATE_FULLSCREEN", False));
  event.xclient.data.l[3] = kFromAnApplication;
  XSendEvent(x11.display, DefaultRootWindow(x11.display), False,
             SubstructureNotifyMask | SubstructureRedirectMask, &event);
  XFlush(x11.display);
  return X11FullScreen::kByWindowManager;
}

X11FullScreen MarkX11FullScreen(SDL_Window* window) {
  X11Window x11;
  if (!FindX11Window(window, x11)) return X11FullScreen::kNotX11;
  if (!HasWindowManager(x11.display)) return X11FullScreen::kNoWindowManager;
  // A window that is not mapped yet says what it wants in its own property.
  Atom state = XInternAtom(x11.display, "_NET_WM_STATE_FULLSCREEN", False);
  XChangeProperty(x11.display, x11.window, XInternAtom(x11.display, "_NET_WM_STATE", False),
                  XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&state), 1);
  XFlush(x11.display);
  return X11FullScreen::kByWindowManager;
}

#else

X11FullScreen RequestX11FullScreen(SDL_Window*, bool) {
  return X11FullScreen::kNotX11;
}

X11FullScreen MarkX11FullScreen(SDL_Window*) {
  return X11FullScreen::kNotX11;
}

#endif

}  // namespace zephyrant
