// SPDX-License-Identifier: GPL-3.0-or-later
// Waits for the first picture on an X display: polls the whole root window
// until any pixel is not black, then prints the wall-clock time of that
// moment in milliseconds since the epoch. Exit status 1 after TIMEOUT_MS.
//
//   first_frame_probe TIMEOUT_MS

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

long long NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

bool AnyLight(XImage* image) {
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      if ((XGetPixel(image, x, y) & 0xFFFFFF) != 0) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const long long timeout = argc > 1 ? std::atoll(argv[1]) : 10000;
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "cannot open the display\n");
    return 2;
  }
  const Window root = DefaultRootWindow(display);
  XWindowAttributes attributes;
  XGetWindowAttributes(display, root, &attributes);
  const long long start = NowMs();
  while (NowMs() - start < timeout) {
    XImage* image =
        XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    const bool light = image != nullptr && AnyLight(image);
    if (image != nullptr) XDestroyImage(image);
    if (light) {
      std::printf("%lld\n", NowMs());
      XCloseDisplay(display);
      return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  XCloseDisplay(display);
  return 1;
}
