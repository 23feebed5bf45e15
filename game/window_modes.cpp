// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/window_modes.h"

#include <algorithm>

namespace zephyrant {

namespace {

constexpr Size kWindowedSize{800, 600};
constexpr Size kSmallWindowSize{640, 480};
constexpr Size kLargeDesktop{1024, 768};

bool Remembered(Size size) {
  return size.width >= kMinWindowSize.width && size.height >= kMinWindowSize.height;
}

}  // namespace

WindowConfig FullScreenConfig(Size desktop) {
  WindowConfig config;
  config.bordered = false;
  config.stay_on_top = false;
  config.full_screen = true;
  config.client = desktop;
  config.centred = false;
  return config;
}

WindowConfig WindowedConfig(Size desktop, Size remembered) {
  WindowConfig config;
  config.bordered = true;
  config.centred = true;
  config.resizable = true;
  if (Remembered(remembered)) {
    config.client = Size{std::min(remembered.width, std::max(desktop.width, 1)),
                         std::min(remembered.height, std::max(desktop.height, 1))};
    return config;
  }
  const bool large = desktop.width >= kLargeDesktop.width && desktop.height >= kLargeDesktop.height;
  const bool fits = desktop.width > kWindowedSize.width && desktop.height > kWindowedSize.height;
  // Desktops between the two sizes (such as 1280 x 720) get the full-size
  // window when it fits, the small one otherwise.
  config.client = large || fits ? kWindowedSize : kSmallWindowSize;
  return config;
}

}  // namespace zephyrant
