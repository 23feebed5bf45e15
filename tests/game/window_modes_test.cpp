// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/window_modes.h"

#include <gtest/gtest.h>

namespace zephyrant {
namespace {

TEST(WindowModes, FullScreenCoversTheDesktopWithoutStayingOnTop) {
  const WindowConfig full = FullScreenConfig(Size{1920, 1080});
  EXPECT_TRUE(full.full_screen);
  EXPECT_FALSE(full.exclusive_full_screen) << "the desktop keeps its video mode";
  EXPECT_FALSE(full.stay_on_top) << "Alt+Tab must show the other window";
  EXPECT_EQ(full.client, (Size{1920, 1080}));
}

TEST(WindowModes, AWindowOfTheGamesOwnSizeWhenNoneIsRemembered) {
  const WindowConfig large = WindowedConfig(Size{1024, 768}, Size{});
  EXPECT_TRUE(large.bordered);
  EXPECT_TRUE(large.resizable);
  EXPECT_FALSE(large.full_screen);
  EXPECT_TRUE(large.centred);
  EXPECT_EQ(large.client, (Size{800, 600}));
  EXPECT_EQ(WindowedConfig(Size{1280, 720}, Size{}).client, (Size{800, 600}));
  EXPECT_EQ(WindowedConfig(Size{800, 600}, Size{}).client, (Size{640, 480}));
  // A size below the smallest window is none.
  EXPECT_EQ(WindowedConfig(Size{1920, 1080}, Size{100, 100}).client, (Size{800, 600}));
}

TEST(WindowModes, TheRememberedSizeIsUsedButNeverLargerThanTheDesktop) {
  EXPECT_EQ(WindowedConfig(Size{1920, 1080}, Size{1201, 777}).client, (Size{1201, 777}));
  EXPECT_EQ(WindowedConfig(Size{1280, 1024}, Size{3000, 900}).client, (Size{1280, 900}));
  EXPECT_EQ(WindowedConfig(Size{1280, 1024}, Size{40000, 30000}).client, (Size{1280, 1024}));
}

}  // namespace
}  // namespace zephyrant
