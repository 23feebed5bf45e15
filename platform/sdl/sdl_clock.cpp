// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_clock.h"

#include <SDL.h>

#include <ctime>

namespace zephyrant {

uint32_t SdlClock::NowMs() const {
  return SDL_GetTicks();
}

uint32_t SdlClock::SeedValue() const {
  // The wall clock alone repeats for two runs started in the same second;
  // the performance counter's low bits tell them apart.
  const uint64_t counter = SDL_GetPerformanceCounter();
  const auto wall = static_cast<uint32_t>(std::time(nullptr));
  return wall ^ static_cast<uint32_t>(counter) ^ static_cast<uint32_t>(counter >> 32);
}

}  // namespace zephyrant
