// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/pad_menu_keys.h"

#include <gtest/gtest.h>

namespace zephyrant {
namespace {

constexpr uint32_t kSouth = 1u << 0;
constexpr uint32_t kBack = 1u << 4;
constexpr uint32_t kStart = 1u << 6;
constexpr uint32_t kNorth = 1u << 3;

PadMenuReading Pad() {
  PadMenuReading pad;
  pad.present = true;
  return pad;
}

PadMenuReading Buttons(uint32_t held) {
  PadMenuReading pad = Pad();
  pad.enter_buttons = held & kSouth;
  pad.start_buttons = held & kStart;
  pad.escape_buttons = held & kBack;
  pad.other_buttons = held & ~(kSouth | kStart | kBack);
  return pad;
}

PadMenuReading Stick(int x, int y) {
  PadMenuReading pad = Pad();
  pad.x = x;
  pad.y = y;
  return pad;
}

class PadMenuKeysTest : public testing::Test {
 protected:
  std::vector<Key> Read(const PadMenuReading& pad, uint32_t now = 1000, bool in_play = false) {
    std::vector<Key> keys;
    keys_.Read(pad, now, keys, in_play);
    return keys;
  }

  PadMenuKeys keys_;
};

TEST_F(PadMenuKeysTest, ButtonsPressTheirKeysOnceEach) {
  Read(Pad());
  EXPECT_EQ(Read(Buttons(kSouth)), std::vector<Key>{Key::kReturn});
  EXPECT_TRUE(Read(Buttons(kSouth)).empty()) << "held is not pressed again";
  EXPECT_EQ(Read(Buttons(kSouth | kStart)), std::vector<Key>{Key::kReturn});
  EXPECT_EQ(Read(Buttons(kBack)), std::vector<Key>{Key::kEscape});
  // Any other button is still a key, for "Press any key".
  EXPECT_EQ(Read(Buttons(kBack | kNorth)), std::vector<Key>{Key::kNone});
}

TEST_F(PadMenuKeysTest, StartPausesInPlayAndChoosesElsewhere) {
  Read(Pad());
  EXPECT_EQ(Read(Buttons(kStart), 1000, true), std::vector<Key>{Key::kPause});
  Read(Pad());
  EXPECT_EQ(Read(Buttons(kStart), 1000, false), std::vector<Key>{Key::kReturn});
  Read(Pad());
  EXPECT_EQ(Read(Buttons(kSouth | kBack), 1000, true),
            (std::vector<Key>{Key::kEscape, Key::kReturn}))
      << "only Start changes its meaning";
}

TEST_F(PadMenuKeysTest, WhatIsHeldWhenThePadAppearsWaitsForRelease) {
  PadMenuReading held = Buttons(kSouth);
  held.down = true;
  EXPECT_TRUE(Read(held, 0).empty());
  EXPECT_TRUE(Read(held, 5000).empty()) << "no repeat either";
  EXPECT_TRUE(Read(Pad(), 5100).empty());
  EXPECT_EQ(Read(held, 5200), (std::vector<Key>{Key::kReturn, Key::kDown}));

  // A pad that goes away and comes back starts afresh.
  Read(PadMenuReading{}, 5300);
  EXPECT_TRUE(Read(held, 5400).empty());
}

TEST_F(PadMenuKeysTest, HeldDirectionRepeatsLikeAHeldKey) {
  Read(Pad(), 0);
  PadMenuReading right = Pad();
  right.right = true;
  EXPECT_EQ(Read(right, 100), std::vector<Key>{Key::kRight});
  EXPECT_EQ(keys_.MsUntilRepeat(100), static_cast<int>(PadMenuKeys::kRepeatDelayMs));
  EXPECT_TRUE(Read(right, 100 + PadMenuKeys::kRepeatDelayMs - 1).empty());
  EXPECT_EQ(Read(right, 100 + PadMenuKeys::kRepeatDelayMs), std::vector<Key>{Key::kRight});
  const uint32_t second = 100 + PadMenuKeys::kRepeatDelayMs + PadMenuKeys::kRepeatIntervalMs;
  EXPECT_EQ(Read(right, second), std::vector<Key>{Key::kRight});
  EXPECT_TRUE(Read(Pad(), second + 1).empty());
  EXPECT_EQ(keys_.MsUntilRepeat(second + 1), -1);
}

TEST_F(PadMenuKeysTest, StickPushesOneDirectionAndLetsGoNearTheMiddle) {
  Read(Pad());
  EXPECT_TRUE(Read(Stick(0, -PadMenuKeys::kPushed + 1)).empty()) << "not far enough";
  EXPECT_EQ(Read(Stick(3000, -PadMenuKeys::kPushed)), std::vector<Key>{Key::kUp});
  // Drifting back towards the middle is still Up, until nearly there.
  EXPECT_TRUE(Read(Stick(0, -PadMenuKeys::kLetGo)).empty());
  EXPECT_TRUE(Read(Stick(0, -PadMenuKeys::kLetGo + 1)).empty());
  EXPECT_EQ(Read(Stick(0, -PadMenuKeys::kPushed)), std::vector<Key>{Key::kUp});
  // A diagonal counts as the axis pushed further.
  Read(Stick(0, 0));
  EXPECT_EQ(Read(Stick(-30000, 20000)), std::vector<Key>{Key::kLeft});
  // The d-pad wins over the stick.
  PadMenuReading both = Stick(-30000, 0);
  both.down = true;
  EXPECT_EQ(Read(both), std::vector<Key>{Key::kDown});
}

}  // namespace
}  // namespace zephyrant
