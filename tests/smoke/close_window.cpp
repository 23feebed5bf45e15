// SPDX-License-Identifier: GPL-3.0-or-later
// Asks every window with the given title to close, the way a window
// manager's close button does: with a WM_DELETE_WINDOW message. Under a bare
// X server there is no window manager to send it, and destroying the window
// instead would be an X error for its owner, not a request to quit.
//
//   zephyrant_close_window [--find] TITLE
//
// Exit status 0 when a window was asked, 3 when none has that title yet.
// With --find no window is asked: the status only tells whether one is there.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string TextProperty(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type, &format,
                         &count, &after, &data) == Success &&
      data != nullptr) {
    if (format == 8) text.assign(reinterpret_cast<const char*>(data), count);
    XFree(data);
  }
  return text;
}

// Top-level windows sit under the root, or one level deeper where a window
// manager has framed them, so the whole tree is searched.
void FindNamed(Display* display, Window window, const std::string& title,
               std::vector<Window>& found) {
  const Atom net_wm_name = XInternAtom(display, "_NET_WM_NAME", False);
  if (TextProperty(display, window, net_wm_name) == title ||
      TextProperty(display, window, XA_WM_NAME) == title) {
    found.push_back(window);
  }
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return;
  for (unsigned int i = 0; i < count; ++i) FindNamed(display, children[i], title, found);
  if (children != nullptr) XFree(children);
}

void AskToClose(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
}

}  // namespace

int main(int argc, char** argv) {
  const bool find_only = argc == 3 && std::string(argv[1]) == "--find";
  if (argc != 2 && !find_only) {
    std::fprintf(stderr, "usage: %s [--find] TITLE\n", argv[0]);
    return 2;
  }
  const std::string title = argv[argc - 1];
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
    return 1;
  }
  std::vector<Window> found;
  FindNamed(display, DefaultRootWindow(display), title, found);
  if (!find_only) {
    for (Window window : found) AskToClose(display, window);
  }
  XSync(display, False);
  XCloseDisplay(display);
  return found.empty() ? 3 : 0;
}
