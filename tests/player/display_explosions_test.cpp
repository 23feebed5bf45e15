// SPDX-License-Identifier: GPL-3.0-or-later
// The health and score readout, the life icons and the explosions' lifetimes.

#include <gtest/gtest.h>

#include "common/explosions.h"
#include "player/display.h"
#include "tests/player/play.h"

namespace zephyrant::testing {
namespace {

std::string TextAt(Play& play, int x) {
  for (const TextRecord& text : play.Window().Texts()) {
    if (text.x == x) return text.text;
  }
  return "";
}

TEST(Readout, LabelsIconsAndTexts) {
  Play play;
  play.StartGame();
  play.Step();
  EXPECT_EQ(play.Only<HealthLabel>().X, 5);
  EXPECT_EQ(play.Only<HealthLabel>().Y, 579);
  EXPECT_EQ(play.Only<ScoreLabel>().X, 117);
  EXPECT_EQ(play.Only<HealthLabel>().Z(), -1);
  const auto icons = play.Alive<LifeIcon>();
  ASSERT_EQ(icons.size(), 3u);
  EXPECT_EQ(icons[0]->X, 5);
  EXPECT_EQ(icons[1]->X, 24);
  EXPECT_EQ(icons[2]->X, 43);
  EXPECT_EQ(icons[2]->Y, 559);
  EXPECT_EQ(TextAt(play, 60), "100%");
  EXPECT_EQ(TextAt(play, 190), "0");
}

TEST(Readout, HealthRoundsHalvesToEven) {
  Play play;
  play.StartGame();
  const std::pair<double, const char*> cases[] = {
      {2.5, "75%"}, {9.5, "5%"}, {0.25, "98%"}, {0.75, "92%"}};
  for (const auto& [damage, shown] : cases) {
    play.State().heroDamage = damage;
    play.Window().RunFrame(1);
    EXPECT_EQ(TextAt(play, 60), shown) << damage;
  }
  play.State().score = 123450;
  play.Window().RunFrame(1);
  EXPECT_EQ(TextAt(play, 190), "123450");
}

TEST(Readout, ANewGameStartsFromNoPoints) {
  Play play;
  play.State().score = 9000;
  play.StartGame();
  EXPECT_EQ(play.State().score, 0);
}

TEST(Explosions, SmallOnesLastThirtySteps) {
  Play play;
  play.StartGame();
  SpawnExplosion<ShellImpact>(play.Window(), "ExpShell", 10, 10, 1, 0.5);
  play.Step(29);
  ASSERT_EQ(play.Alive<ShellImpact>().size(), 1u);
  EXPECT_EQ(play.Only<ShellImpact>().PatternIndex(), 14);
  play.Step();
  EXPECT_TRUE(play.Alive<ShellImpact>().empty());
}

TEST(Explosions, LaggingTicksRunTheFramesNotTheLifetime) {
  Play play;
  play.StartGame();
  SpawnExplosion<RocketImpact>(play.Window(), "ExpRocket", 10, 10, 0, 0.5);
  for (int i = 0; i < 29; ++i) play.Window().RunFrame(3);
  ASSERT_EQ(play.Alive<RocketImpact>().size(), 1u);
  EXPECT_EQ(play.Only<RocketImpact>().PatternIndex(), 15);
  play.Window().RunFrame(3);
  EXPECT_TRUE(play.Alive<RocketImpact>().empty());
}

TEST(Explosions, LargeOnesShareOneCounter) {
  Play play;
  play.StartGame();
  SpawnExplosion<Explosion>(play.Window(), "Exp", 10, 10, 1, 1.0 / 3.0);
  SpawnExplosion<Explosion>(play.Window(), "Exp", 90, 10, 1, 1.0 / 3.0);
  std::vector<int> gone_after;
  size_t alive = 2;
  for (int tick = 1; tick <= 60; ++tick) {
    play.Step();
    const size_t now = play.Alive<Explosion>().size();
    if (now < alive) gone_after.push_back(tick);
    alive = now;
  }
  EXPECT_EQ(gone_after, (std::vector<int>{18, 52}));
  EXPECT_EQ(play.State().explosionCounter, 0);
}

TEST(Explosions, PlayOnAfterTheGameEnds) {
  Play play;
  play.StartGame();
  SpawnExplosion<Explosion>(play.Window(), "Exp", 10, 10, 1, 1.0 / 3.0);
  play.State().screenState = kEnteringHighScores;
  play.Step(34);
  EXPECT_EQ(play.Alive<Explosion>().size(), 1u);
  play.Step();
  EXPECT_TRUE(play.Alive<Explosion>().empty());
}

}  // namespace
}  // namespace zephyrant::testing
