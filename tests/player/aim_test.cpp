// SPDX-License-Identifier: GPL-3.0-or-later
// The aim steps enemy shots fly along.

#include "enemies/aim.h"

#include <gtest/gtest.h>

namespace zephyrant {
namespace {

TEST(Aim, PointsRightDownAndLeftButNeverUp) {
  EXPECT_EQ(AimToward(10, 0, -1), 0);
  EXPECT_EQ(AimToward(0, 10, -1), 64);  // pi/2 over 2.2/90 is 64.26
  EXPECT_EQ(AimToward(-10, 0, -1), 129);
  // A target above still gives a downward aim, mirrored.
  EXPECT_EQ(AimToward(0, -10, -1), 64);
  EXPECT_EQ(AimToward(3, -3, -1), AimToward(3, 3, -1));
}

TEST(Aim, ShotOnItsTargetKeepsItsAim) {
  EXPECT_EQ(AimToward(0, 0, 17), 17);
  EXPECT_EQ(AimToward(1e-100, 0, 5), 0);
}

TEST(Aim, DrawingAngleOfDownwardPictures) {
  EXPECT_EQ(AngleOfAim(64), 0);  // 64 - 64.29 rounds to 0
  EXPECT_EQ(AngleOfAim(0), -64);
  EXPECT_NEAR(AimStepX(64, 4), 0, 0.1);
  EXPECT_NEAR(AimStepY(64, 4), 4, 0.01);
}

}  // namespace
}  // namespace zephyrant
