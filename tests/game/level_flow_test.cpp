// SPDX-License-Identifier: GPL-3.0-or-later
// A game's level flow: the banners, the two level timers and the scripts.

#include <gtest/gtest.h>

#include "common/banners.h"
#include "menus/high_scores.h"
#include "tests/player/play.h"

namespace zephyrant::testing {
namespace {

LevelBanner* BannerShowing(Play& play, const std::string& image) {
  for (LevelBanner* banner : play.Alive<LevelBanner>()) {
    if (banner->Image->Name == image) return banner;
  }
  return nullptr;
}

// Steps until the banner shows; false when it never does.
bool StepUntilBanner(Play& play, const std::string& image, int limit = 200) {
  for (int i = 0; i < limit; ++i) {
    if (BannerShowing(play, image) != nullptr) return true;
    play.Step();
  }
  return false;
}

TEST(LevelFlow, TheFirstBannersFallThroughAndTheScriptFollows) {
  Play play;
  play.StartGame();
  EXPECT_EQ(play.State().levelNumber, 1);
  EXPECT_EQ(play.State().levelPhase, 2);
  ASSERT_TRUE(StepUntilBanner(play, "level"));
  EXPECT_EQ(BannerShowing(play, "level")->X, 309.5);
  EXPECT_EQ(BannerShowing(play, "1")->X, 500);
  EXPECT_EQ(play.State().levelPhase, 3);
  EXPECT_TRUE(play.Window().TimerBoss().Enabled());

  play.State().levelQuota = 1000;
  int held_steps = 0;
  int steps_to_script = 0;
  double last_y = BannerShowing(play, "1")->Y;
  while (BannerShowing(play, "1") != nullptr) {
    play.Step();
    if (play.Window().TimerBoss().Enabled()) ++steps_to_script;
    if (BannerShowing(play, "1") == nullptr) break;
    if (BannerShowing(play, "1")->Y == last_y) ++held_steps;
    last_y = BannerShowing(play, "1")->Y;
  }
  EXPECT_EQ(held_steps, 0);
  EXPECT_FALSE(play.Window().TimerLevel().Enabled());
  // A second after the banners the script has run: 32 frames of 31 ms.
  EXPECT_EQ(steps_to_script, 32);
  EXPECT_FALSE(play.Window().TimerBoss().Enabled());
  EXPECT_EQ(play.State().levelQuota, 10);  // medium difficulty
  EXPECT_EQ(play.State().bossHits, 0);
}

TEST(LevelFlow, LaterBannersWaitInTheMiddleUntilTheScriptRuns) {
  Play play;
  play.StartGame();
  play.Step(100);
  play.State().enemiesGone = play.State().levelQuota + 1;
  play.Step();
  EXPECT_EQ(play.State().levelNumber, 2);
  ASSERT_NE(BannerShowing(play, "complete"), nullptr);

  // The complete banner waits at the middle until the level timer drops the next banners.
  ASSERT_TRUE(StepUntilBanner(play, "2"));
  EXPECT_EQ(play.State().levelPhase, 3);

  int held_steps = 0;
  int quota_when_released = -1;
  while (BannerShowing(play, "2") != nullptr) {
    const double before = BannerShowing(play, "2")->Y;
    play.Step();
    const LevelBanner* number = BannerShowing(play, "2");
    if (number == nullptr) break;
    if (number->Y == before) {
      // On the middle line, give or take the step it was on when the
      // level timer stopped.
      EXPECT_GE(number->Y, 265);
      EXPECT_LE(number->Y, 295);
      ++held_steps;
    } else if (held_steps > 0 && quota_when_released < 0) {
      quota_when_released = play.State().levelQuota;
      EXPECT_EQ(play.State().bossHits, 0);
    }
  }
  EXPECT_GT(held_steps, 5);
  EXPECT_EQ(quota_when_released, 2 * 8 + 1);  // level 2 at medium difficulty
}

TEST(LevelFlow, GameOverStopsBannersAndTimers) {
  Play play;
  play.StartGame();
  ASSERT_TRUE(StepUntilBanner(play, "level"));
  play.State().gameOverPhase = 1;
  play.Step();
  EXPECT_TRUE(play.Alive<LevelBanner>().empty());
  EXPECT_FALSE(play.Window().TimerBoss().Enabled());
  EXPECT_FALSE(play.Window().TimerLevel().Enabled());
}

TEST(LevelFlow, AbortingTakesTheGameToTheHighScores) {
  Play play;
  play.StartGame();
  ASSERT_TRUE(StepUntilBanner(play, "level"));
  play.Window().OnKeyDown(Key::kEscape);
  EXPECT_EQ(play.State().bossHits, 500);
  EXPECT_EQ(play.State().screenState, kEnteringHighScores);
  play.Step();
  EXPECT_TRUE(play.Alive<LevelBanner>().empty());
  EXPECT_FALSE(play.Window().TimerLevel().Enabled());
}

// Escape in the last boss fight just after a ship was lost: the replacement
// ship moves after the boss, which still falls to the abort's 500 hits and
// raises the level past the last one in that same frame. The game was left,
// not won: the table opens once, with one name cursor.
TEST(LevelFlow, AbortingTheLastBossFightIsNotAWin) {
  Play play;
  play.StartGame();
  play.State().levelNumber = 35;
  play.Step(99);
  play.State().heroDamage = 10;
  play.Step(50);
  play.Window().OnKeyDown(Key::kEscape);
  play.Step(10);
  EXPECT_EQ(play.Alive<NameCursor>().size(), 1u);
  EXPECT_NE(play.State().levelNumber, 1) << "the won game's reset ran";
}

}  // namespace
}  // namespace zephyrant::testing
