// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse buttons as the main window hands them to the menus and the ship:
// quick clicks that fall between two frames, and what each button does in play.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "player/display.h"
#include "player/ship.h"
#include "player/shots.h"
#include "tests/menus/menu_game.h"

namespace zephyrant {
namespace {

// Pressed and let go again before the next frame, as a touchpad tap does.
void Tap(MenuGame& game, const std::string& button) {
  game.Step({"mouse down " + button, "mouse up " + button});
}

void StartGame(MenuGame& game) {
  game.Step({"set screen_state 5", "call NewGame"});
  game.Sounds();
}

// How many times a sound started in each of the next frames.
std::vector<long> SoundsPerFrame(MenuGame& game, const std::string& sound, int frames) {
  std::vector<long> counts;
  for (int i = 0; i < frames; ++i) {
    game.Step();
    counts.push_back(Count(game.Sounds(), sound));
  }
  return counts;
}

TEST(QuickClicks, ATapOnTheMainMenuChoosesTheItem) {
  MenuGame game;
  game.Point(200, 190);
  Tap(game, "left");
  EXPECT_EQ(game.State().screenState, kOptions);
  EXPECT_EQ(game.State().mouseButton, 0);
}

TEST(QuickClicks, EachTapOnTheDifficultyRowCountsOnce) {
  MenuGame game;
  game.Point(200, 190);
  game.Click();
  ASSERT_EQ(game.State().screenState, kOptions);
  game.Point(200, 185);
  ASSERT_EQ(game.State().menuSelection, 3);
  game.Sounds();
  std::vector<int> difficulties;
  for (int i = 0; i < 5; ++i) {
    Tap(game, "left");
    difficulties.push_back(game.State().difficulty);
  }
  EXPECT_EQ(difficulties, (std::vector<int>{2, 0, 1, 2, 0}));
  EXPECT_EQ(Count(game.Sounds(), "click"), 5);
  game.Steps(3);
  EXPECT_EQ(game.State().difficulty, 0) << "a tap is never a held button";
  EXPECT_EQ(game.State().mouseButton, 0);
}

TEST(QuickClicks, ATapOnAVolumeBarSetsItOnce) {
  MenuGame game;
  game.Point(200, 190);
  game.Click();
  game.Point(500, 100);
  ASSERT_EQ(game.State().menuSelection, 1);
  Tap(game, "left");
  const int set = game.State().soundVolume;
  EXPECT_NE(set, 100);
  game.Point(480, 100);
  EXPECT_EQ(game.State().soundVolume, set) << "the knob no longer follows the pointer";
}

std::vector<double> ShellHeights(MenuGame& game) {
  std::vector<double> heights;
  for (const ShipShell* shell : game.Alive<ShipShell>()) heights.push_back(shell->Y);
  return heights;
}

TEST(QuickClicks, ATapFiresAsTheShortestHoldWould) {
  // A new ship can fire from its fifteenth step; a tap a step earlier is too soon.
  // The game's first frame is the ship's first step.
  for (const int at : {14, 15}) {
    MenuGame held;
    StartGame(held);
    held.Steps(at - 2);
    held.Step({"mouse down left"});
    held.Step({"mouse up left"});
    const std::vector<long> by_hold = SoundsPerFrame(held, "hero_shell", 30);

    MenuGame tapped;
    StartGame(tapped);
    tapped.Steps(at - 2);
    Tap(tapped, "left");
    tapped.Step();
    EXPECT_EQ(SoundsPerFrame(tapped, "hero_shell", 30), by_hold) << "tapped before step " << at;
    EXPECT_EQ(ShellHeights(tapped), ShellHeights(held));
  }

  MenuGame game;
  StartGame(game);
  game.Steps(14);
  Tap(game, "left");
  EXPECT_EQ(Count(game.Sounds(), "hero_shell"), 1);
  EXPECT_EQ(game.State().mouseButton, 0);
  EXPECT_EQ(SoundsPerFrame(game, "hero_shell", 30), std::vector<long>(30, 0));
}

TEST(QuickClicks, TapsOfTheOtherButtonsFireToo) {
  MenuGame rockets;
  StartGame(rockets);
  rockets.State().rocketCount = 5;
  rockets.Steps(14);
  Tap(rockets, "right");
  EXPECT_EQ(Count(rockets.Sounds(), "hero_rocet"), 2);
  EXPECT_EQ(rockets.State().rocketCount, 4);
  rockets.Steps(30);
  EXPECT_EQ(rockets.State().rocketCount, 4) << "one tap, one pair";

  MenuGame middle;
  StartGame(middle);
  middle.Steps(14);
  Tap(middle, "middle");
  EXPECT_EQ(Count(middle.Sounds(), "hero_shell"), 1);
  EXPECT_EQ(SoundsPerFrame(middle, "hero_shell", 30), std::vector<long>(30, 0));
}

TEST(RightButton, FiresRocketsAndTakesNothingOffTheScreen) {
  MenuGame game;
  StartGame(game);
  game.State().rocketCount = 5;
  game.Step({"key down Space"});
  game.Steps(20);
  game.Step({"key up Space", "mouse down right"});
  game.Steps(10);
  EXPECT_EQ(game.State().rocketCount, 4);
  EXPECT_EQ(game.Alive<Rocket>().size(), 2u);
  EXPECT_FALSE(game.Alive<ShipShell>().empty()) << "the volley already in flight";
  EXPECT_EQ(game.Alive<LeftFlame>().size(), 1u);
  EXPECT_EQ(game.Alive<RightFlame>().size(), 1u);
  EXPECT_EQ(game.Alive<HealthLabel>().size(), 1u);
  EXPECT_EQ(game.Alive<ScoreLabel>().size(), 1u);
  EXPECT_EQ(game.State().screenState, kPlaying);
}

TEST(RightButton, EscapeHeldStillTakesThemOff) {
  MenuGame game;
  StartGame(game);
  game.State().rocketCount = 5;
  game.Steps(14);
  game.Step({"mouse down right"});
  game.Steps(2);
  ASSERT_EQ(game.Alive<Rocket>().size(), 2u);
  // Only the key's state, as if the key handler had not run.
  game.Machine().input.SetKey(Key::kEscape, true);
  game.Step();
  EXPECT_TRUE(game.Alive<Rocket>().empty());
  EXPECT_TRUE(game.Alive<LeftFlame>().empty());
  EXPECT_TRUE(game.Alive<HealthLabel>().empty());
  EXPECT_TRUE(game.Alive<ScoreLabel>().empty());
}

}  // namespace
}  // namespace zephyrant
