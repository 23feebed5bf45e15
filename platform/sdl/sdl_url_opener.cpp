// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_url_opener.h"

#include <SDL.h>

namespace zephyrant {

bool SdlUrlOpener::Open(const std::string& url) {
  if (url.empty() || url.find('\0') != std::string::npos) return false;
  return SDL_OpenURL(url.c_str()) == 0;
}

}  // namespace zephyrant
