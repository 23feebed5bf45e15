// SPDX-License-Identifier: GPL-3.0-or-later
// The energy barrier, read from its committed files: the ship's shell hits
// it pixel by pixel, so its shape must stay the two emitters and the beam,
// and it crosses the screen both ways in one level, so its two stances
// must be one craft.

#include <gtest/gtest.h>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"
#include "tests/assets/catalogue_pictures.h"

namespace zephyrant {
namespace {

constexpr int kCap = 7;  // emitter length, the full thickness of the bar

TEST(EnergyBarrier, HitAreaIsTheTwoEmittersAndTheBeamBetween) {
  const Drawn d = ReadDrawn(Find("LittleBoss", "little_boss_4_18"));
  const int length = d.picture.width;
  const int thick = d.picture.height;
  for (int y = 0; y < thick; ++y) {
    for (int x = 0; x < length; ++x) {
      const bool emitter = x < kCap || x >= length - kCap;
      const bool beam = y >= 1 && y < thick - 1;
      EXPECT_EQ(d(x, y), emitter || beam) << x << "," << y;
    }
  }
}

TEST(EnergyBarrier, UprightBarrierIsTheSameCraftTurnedAQuarter) {
  const Drawn across = ReadDrawn(Find("LittleBoss", "little_boss_4_18"));
  const Drawn upright = ReadDrawn(Find("LittleBoss", "little_boss_8_18"));
  const int w = upright.picture.width;
  ASSERT_EQ(w, across.picture.height);
  ASSERT_EQ(upright.picture.height, across.picture.width);
  for (int y = 0; y < upright.picture.height; ++y) {
    for (int x = 0; x < w; ++x) {
      const int turned = (w - 1 - x) * across.picture.width + y;
      EXPECT_EQ(upright.picture.palette[upright.picture.indices[y * w + x]],
                across.picture.palette[across.picture.indices[turned]])
          << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace zephyrant
