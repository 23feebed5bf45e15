// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "framework/frame_timer.h"
#include "framework/game_clock.h"
#include "framework/input.h"
#include "framework/random.h"

namespace zephyrant {
namespace {

class FakeClock : public Clock {
 public:
  uint32_t NowMs() const override { return now; }
  uint32_t SeedValue() const override { return 7; }
  uint32_t now = 1000;
};

class FrameTimerTest : public ::testing::Test {
 protected:
  FrameTimerTest() : timer(clock) {
    timer.OnTimer = [this](int lag) { lags.push_back(lag); };
    timer.SetEnabled(true);
  }
  FakeClock clock;
  FrameTimer timer;
  std::vector<int> lags;
};

TEST_F(FrameTimerTest, LagCountIsWholeIntervalsAndAtLeastOne) {
  clock.now += 30;
  EXPECT_FALSE(timer.Idle());
  EXPECT_EQ(timer.MsUntilDue(), 1);
  clock.now += 1;  // exactly 31 ms
  EXPECT_TRUE(timer.Idle());
  clock.now += 100;
  EXPECT_TRUE(timer.Idle());
  clock.now += 61;
  EXPECT_TRUE(timer.Idle());
  EXPECT_EQ(lags, (std::vector<int>{1, 3, 1}));
}

TEST_F(FrameTimerTest, AFrameMadeDueRunsAtOnceAsOneIntervalLate) {
  clock.now += 5;
  timer.MakeDue();
  EXPECT_EQ(timer.MsUntilDue(), 0);
  EXPECT_TRUE(timer.Idle());
  // The frames after it keep their own pace from there.
  clock.now += 30;
  EXPECT_FALSE(timer.Idle());
  clock.now += 1;
  EXPECT_TRUE(timer.Idle());
  EXPECT_EQ(lags, (std::vector<int>{1, 1}));
}

TEST_F(FrameTimerTest, NoFramesWhileInactiveAndAFreshStartOnReturn) {
  timer.SetApplicationActive(false);
  clock.now += 500;
  EXPECT_FALSE(timer.Idle());
  EXPECT_EQ(timer.MsUntilDue(), -1);
  timer.SetApplicationActive(true);
  clock.now += 31;
  EXPECT_TRUE(timer.Idle());
  EXPECT_EQ(lags, (std::vector<int>{1}));
  timer.SetEnabled(false);
  clock.now += 100;
  EXPECT_FALSE(timer.Idle());
}

TEST(LevelTimer, FiresOncePerIntervalAndOnceWhenLate) {
  FakeClock clock;
  IntervalTimer timer(clock, 500);
  int ticks = 0;
  timer.OnTimer = [&ticks] { ++ticks; };
  timer.Tick();
  timer.SetEnabled(true);
  clock.now += 499;
  timer.Tick();
  EXPECT_EQ(ticks, 0);
  clock.now += 1;
  timer.Tick();
  clock.now += 1700;
  timer.Tick();
  timer.Tick();
  EXPECT_EQ(ticks, 2);
}

// The game clock stands still while stopped, so the timers on it neither
// fire during a pause nor catch up afterwards: they go on where they stood.
TEST(GameClock, TimersOnItSeeNothingOfAPause) {
  FakeClock machine;
  GameClock clock(machine);
  IntervalTimer level(clock, 500);
  int ticks = 0;
  level.OnTimer = [&ticks] { ++ticks; };
  FrameTimer frames(clock);
  std::vector<int> lags;
  frames.OnTimer = [&lags](int lag) { lags.push_back(lag); };
  level.SetEnabled(true);
  frames.SetEnabled(true);

  machine.now += 400;
  clock.Stop();
  machine.now += 60'000;
  level.Tick();
  EXPECT_EQ(clock.NowMs(), 1400u);
  EXPECT_EQ(level.MsUntilDue(), 100);
  clock.Stop();  // stopping twice keeps the first moment
  machine.now += 1000;
  clock.Start();
  EXPECT_EQ(clock.NowMs(), 1400u);
  machine.now += 99;
  level.Tick();
  EXPECT_EQ(ticks, 0);
  machine.now += 1;
  level.Tick();
  EXPECT_EQ(ticks, 1);
  EXPECT_TRUE(frames.Idle());
  EXPECT_EQ(lags, (std::vector<int>{16})) << "only the time before the pause";

  // A second pause adds to the first.
  clock.Stop();
  machine.now += 5000;
  clock.Start();
  machine.now += 10;
  EXPECT_EQ(clock.NowMs(), 1510u);
  EXPECT_EQ(clock.SeedValue(), machine.SeedValue());
}

class FakeReader : public InputReader {
 public:
  bool IsForeground() const override { return foreground; }
  bool KeyDown(Key key) const override { return keys.count(key) > 0; }
  MouseSample ReadMouse() override {
    MouseSample m = mouse;
    mouse.dx = mouse.dy = 0;
    return m;
  }
  JoystickSample ReadJoystick() override { return joystick; }
  bool foreground = true;
  std::set<Key> keys;
  MouseSample mouse;
  JoystickSample joystick;
};

TEST(Input, HeldKeysStayAndTwoKeysOfOneStateMerge) {
  FakeReader reader;
  InputDevices input(reader);
  reader.keys = {Key::kUp, LetterKey('k')};
  input.Update();
  input.Update();
  EXPECT_TRUE(input.Has(InputState::InputUp));
  reader.keys = {LetterKey('k')};
  input.Update();
  EXPECT_TRUE(input.Has(InputState::InputUp)) << "another key of the state is still down";
  reader.keys = {};
  input.Update();
  EXPECT_FALSE(input.Has(InputState::InputUp));
}

TEST(Input, ARemovedStateReturnsOnlyAfterANewPress) {
  FakeReader reader;
  InputDevices input(reader);
  reader.keys = {Key::kSpace};
  input.Update();
  input.Remove(InputState::InputButton3);
  input.Update();
  EXPECT_FALSE(input.Has(InputState::InputButton3));
  reader.keys = {};
  input.Update();
  reader.keys = {Key::kSpace};
  input.Update();
  EXPECT_TRUE(input.Has(InputState::InputButton3));
}

TEST(Input, MouseAndJoystickRaiseTheSameStatesAsKeys) {
  FakeReader reader;
  InputDevices input(reader);
  reader.mouse = MouseSample{-3, 2, false, true, false};
  input.Update();
  EXPECT_TRUE(input.Has(InputState::InputLeft));
  EXPECT_TRUE(input.Has(InputState::InputDown));
  EXPECT_FALSE(input.Has(InputState::InputButton2)) << "the right button is not Escape's state";
  EXPECT_EQ(input.MouseDx(), -3);
  reader.mouse.right = false;
  reader.joystick = JoystickSample{true, 1000, -32768, 0b100};
  input.Update();
  EXPECT_FALSE(input.Has(InputState::InputRight)) << "inside the dead zone";
  EXPECT_TRUE(input.Has(InputState::InputUp));
  EXPECT_TRUE(input.Has(InputState::InputButton3));
  EXPECT_EQ(InputDevices::ScaleAxis(32767), 1000);
  EXPECT_EQ(InputDevices::ScaleAxis(1637), 0);
  EXPECT_EQ(InputDevices::ScaleAxis(1639), 50);
}

TEST(Input, NothingIsReadInTheBackground) {
  FakeReader reader;
  InputDevices input(reader);
  reader.keys = {Key::kLeft};
  input.Update();
  reader.foreground = false;
  input.Update();
  EXPECT_FALSE(input.Has(InputState::InputLeft));
}

TEST(Random, FollowsTheGamesFormula) {
  RandomGenerator random(1);
  // seed 1 -> 134775814; 10 x 134775814 >> 32 = 0
  EXPECT_EQ(random(10), 0);
  EXPECT_EQ(random.Seed(), 134775814u);
  RandomGenerator other(0xFFFFFFFFu);
  // (2^32 - 1) x 134775813 + 1 = 2^32 x 134775813 - 134775812 -> 4160191484
  EXPECT_EQ(other(100), static_cast<int>((uint64_t{100} * 4160191484u) >> 32));
  EXPECT_EQ(other(0), 0);
}

}  // namespace
}  // namespace zephyrant
