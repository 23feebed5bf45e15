// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/mixer_levels.h"

#include <cmath>

#include "framework/platform.h"

namespace zephyrant {

namespace {

int Scaled(double gain, int max_level) {
  return static_cast<int>(std::lround(gain * max_level));
}

}  // namespace

int ChannelLevel(int volume, int max_level) {
  return Scaled(VolumeToGain(volume), max_level);
}

PanLevels PanToLevels(int pan) {
  PanLevels levels;
  if (pan < 0) levels.right = static_cast<uint8_t>(Scaled(VolumeToGain(pan), 255));
  if (pan > 0) levels.left = static_cast<uint8_t>(Scaled(VolumeToGain(-pan), 255));
  return levels;
}

}  // namespace zephyrant
