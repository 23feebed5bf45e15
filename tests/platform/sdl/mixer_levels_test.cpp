// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/mixer_levels.h"

#include <gtest/gtest.h>

namespace zephyrant {
namespace {

constexpr int kMax = 128;

TEST(ChannelLevel, RunsFromFullAtZeroToSilentAtMinusTenThousand) {
  EXPECT_EQ(ChannelLevel(0, kMax), kMax);
  EXPECT_EQ(ChannelLevel(500, kMax), kMax);
  EXPECT_EQ(ChannelLevel(-10000, kMax), 0);
  EXPECT_EQ(ChannelLevel(-20000, kMax), 0);
  // -20 dB is a tenth of the amplitude.
  EXPECT_EQ(ChannelLevel(-2000, kMax), 13);
}

TEST(ChannelLevel, NeverGetsLouderAsTheVolumeDrops) {
  int previous = ChannelLevel(0, kMax);
  for (int volume = 0; volume >= -10000; volume -= 10) {
    const int level = ChannelLevel(volume, kMax);
    ASSERT_LE(level, previous) << volume;
    previous = level;
  }
}

TEST(PanToLevels, AttenuatesOnlyTheSideAwayFromThePan) {
  EXPECT_EQ(PanToLevels(0), (PanLevels{255, 255}));
  // Panned left: the right side is quieter.
  EXPECT_EQ(PanToLevels(-2000), (PanLevels{255, 26}));
  // Panned right: the left side is quieter.
  EXPECT_EQ(PanToLevels(2000), (PanLevels{26, 255}));
  EXPECT_EQ(PanToLevels(-10000), (PanLevels{255, 0}));
  EXPECT_EQ(PanToLevels(10000), (PanLevels{0, 255}));
}

}  // namespace
}  // namespace zephyrant
