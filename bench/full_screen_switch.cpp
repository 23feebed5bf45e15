// SPDX-License-Identifier: GPL-3.0-or-later
// How long the game stands still while the window switches between full
// screen and a window: times each Configure call of the SDL display on the
// current X display, and prints the median and the longest in milliseconds.
//
//   full_screen_switch [ROUNDS]

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "framework/surface.h"
#include "platform/sdl/sdl_display.h"

namespace {

using namespace zephyrant;

// The switch itself; the first frame after it is drawn but not counted,
// since it takes as long as any frame at that size.
double TimeMs(SdlDisplay& display, const WindowConfig& config, const Surface& surface) {
  const auto start = std::chrono::steady_clock::now();
  display.Configure(config);
  const auto end = std::chrono::steady_clock::now();
  display.Present(surface);
  return std::chrono::duration<double, std::milli>(end - start).count();
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%-22s median %7.1f ms, longest %7.1f ms (%zu switches)\n", what,
              times[times.size() / 2], times.back(), times.size());
}

// Lets the window system's answers arrive, as the message loop would.
void Drain(int ms) {
  const Uint32 end = SDL_GetTicks() + static_cast<Uint32>(ms);
  SDL_Event event;
  while (SDL_GetTicks() < end) {
    while (SDL_PollEvent(&event) != 0) {
    }
    SDL_Delay(5);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "cannot open a display: %s\n", SDL_GetError());
    return 1;
  }
  {
    SdlDisplay display;
    Surface surface(kSurfaceWidth, kSurfaceHeight);
    surface.Fill(0x204080);
    const Size desktop = display.DesktopSize();
    WindowConfig window;
    window.bordered = true;
    window.client = Size{800, 600};
    window.resizable = true;  // as the game asks for it
    WindowConfig full;
    full.bordered = false;
    full.full_screen = true;
    full.client = desktop;
    full.centred = false;

    const double first = TimeMs(display, full, surface);
    Drain(200);
    std::vector<double> to_window;
    std::vector<double> to_full;
    for (int i = 0; i < rounds; ++i) {
      to_window.push_back(TimeMs(display, window, surface));
      Drain(200);
      to_full.push_back(TimeMs(display, full, surface));
      Drain(200);
    }
    std::printf("desktop %dx%d\n", desktop.width, desktop.height);
    std::printf("%-22s %7.1f ms\n", "opening full screen", first);
    Report("window to full screen", to_full);
    Report("full screen to window", to_window);
  }
  SDL_Quit();
  return 0;
}
