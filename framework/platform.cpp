// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/platform.h"

#include <cmath>

namespace zephyrant {

double VolumeToGain(int volume) {
  if (volume >= 0) return 1.0;
  if (volume <= -10000) return 0.0;
  return std::pow(10.0, volume / 2000.0);
}

}  // namespace zephyrant
