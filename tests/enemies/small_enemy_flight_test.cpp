// SPDX-License-Identifier: GPL-3.0-or-later
// The flight of the small enemies, level by level, as the player sees it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "enemies/set1/set1_enemy.h"
#include "enemies/set2/set2_enemy.h"
#include "enemies/set3/set3_enemy.h"
#include "enemies/set3/set3_shots.h"
#include "enemies/set4/set4_enemy.h"
#include "enemies/set5/set5_enemy.h"
#include "tests/enemies/small_play.h"

namespace zephyrant::testing {
namespace {

constexpr double kPi = std::numbers::pi;

// Where an enemy stands after each of its first three steps, and its height
// after the first.
struct Sweep {
  int level;
  const char* picture;
  double x;
  double y;
  std::array<double, 3> xs;
  double y1;
};

template <class Enemy>
void ExpectSweep(const Sweep& sweep) {
  SmallPlay play(sweep.level);
  const Enemy& enemy = play.PlaceEnemy<Enemy>(sweep.picture, sweep.x, sweep.y);
  play.Step();
  EXPECT_NEAR(enemy.Y, sweep.y1, 1e-9) << sweep.level;
  for (size_t i = 0; i < sweep.xs.size(); ++i) {
    if (i > 0) play.Step();
    EXPECT_DOUBLE_EQ(enemy.X, sweep.xs[i]) << sweep.level << " step " << i + 1;
  }
}

TEST(SmallEnemyFlight, SweepsTurnAtTheWallsAtTheirLevelsSpeeds) {
  // Level 1 turns at 4 pixels a step, levels 2 and 12 make two moves a step,
  // 3 and 10 sink only over the playfield, 5 and 6 start from a wall.
  ExpectSweep<Set1Enemy>({1, "little_boss_1", 773, 100, {769, 765, 761}, 100.01});
  ExpectSweep<Set1Enemy>({2, "little_boss_2_10", 800, 50, {796, 792, 788}, 50.05});
  ExpectSweep<Set1Enemy>({3, "little_boss_3", -37, 100, {-27, -17, -7}, 100});
  ExpectSweep<Set1Enemy>({5, "little_boss_5", 0, 100, {0, 3, 6}, 100.1});
  ExpectSweep<Set1Enemy>({6, "little_boss_6", 800, 100, {800, 797, 794}, 100.1});
  ExpectSweep<Set2Enemy>({9, "little_boss_9", 800, 100, {795, 790, 785}, 100.1});
  ExpectSweep<Set2Enemy>({10, "little_boss_2_10", -37, 100, {-27, -17, -7}, 100});
  ExpectSweep<Set2Enemy>({11, "little_boss_11", 800, 100, {791, 782, 773}, 100.2});
  ExpectSweep<Set2Enemy>({12, "little_boss_12", 0, 100, {2, 6, 10}, 100.1});
  ExpectSweep<Set3Enemy>({16, "little_boss_16", 800, 100, {797, 794, 791}, 100.01});
  ExpectSweep<Set5Enemy>({34, "little_boss_6", 800, 100, {800, 795, 790}, 100.1});
}

TEST(SmallEnemyFlight, BarsCrossRowByRowAndColumnByColumn) {
  // Horizontal bars drop a row at every turn; vertical bars step aside.
  ExpectSweep<Set1Enemy>({4, "little_boss_4_18", 800, 100, {780, 760, 740}, 125});
  ExpectSweep<Set3Enemy>({18, "little_boss_4_18", 800, 100, {785, 770, 755}, 125});
  ExpectSweep<Set2Enemy>({8, "little_boss_8_18", 0, -69, {25, 25, 25}, -54});
  ExpectSweep<Set5Enemy>({32, "little_boss_8_18", 800, -69, {775, 775, 775}, -59});

  SmallPlay play(4);
  const auto& bar = play.PlaceEnemy<Set1Enemy>("little_boss_4_18", 800, 100);
  play.Step(45);  // across and off the left side: the turn
  EXPECT_EQ(bar.SpeedX(), 20);
  EXPECT_EQ(bar.Y, 150);
}

TEST(SmallEnemyFlight, VerticalBarsLeaveForGoodOnTheirFarSide) {
  SmallPlay play(32);
  play.PlaceEnemy<Set2Enemy>("little_boss_8_18", 790, 600);
  play.PlaceEnemy<Set5Enemy>("little_boss_8_18", 10, 600);
  play.Step();
  EXPECT_EQ(play.State().enemiesGone, 0);
  play.Step();
  EXPECT_TRUE(play.Alive<Set2Enemy>().empty());
  EXPECT_TRUE(play.Alive<Set5Enemy>().empty());
  EXPECT_EQ(play.State().enemiesGone, 2);
  EXPECT_EQ(play.State().score, 0);
}

TEST(SmallEnemyFlight, WanderersStayInTheirBoxUntilShot) {
  SmallPlay play(13);
  play.GhostShip();
  // As the script stands them: beyond a side, at a random height.
  const auto& wanderer = play.PlaceEnemy<Set2Enemy>("little_boss_13", 850, 100);
  play.Step(200);
  double left = wanderer.X, right = wanderer.X, top = wanderer.Y, bottom = wanderer.Y;
  for (int i = 0; i < 3000; ++i) {
    play.Step();
    left = std::min(left, wanderer.X);
    right = std::max(right, wanderer.X);
    top = std::min(top, wanderer.Y);
    bottom = std::max(bottom, wanderer.Y);
    ASSERT_GE(std::abs(wanderer.SpeedY()), 1);
    ASSERT_LE(std::abs(wanderer.SpeedY()), 3);
  }
  // They turn once past an edge, by at most one step of 3 pixels.
  EXPECT_GE(left, -3);
  EXPECT_LE(right, 753);
  EXPECT_GE(top, -3);
  EXPECT_LE(bottom, 553);
  EXPECT_LT(left, 3);
  EXPECT_GT(right, 747);
  EXPECT_LT(top, 3);
  EXPECT_GT(bottom, 547);
  EXPECT_EQ(play.State().enemiesGone, 0);
}

// The steps in which an enemy made a new shot, over `steps` steps.
template <class Shot>
std::vector<int> FiringSteps(SmallPlay& play, int steps) {
  std::vector<int> firing;
  uint32_t last = 0;
  for (int step = 1; step <= steps; ++step) {
    play.Step();
    bool fired = false;
    for (const Shot* shot : play.Alive<Shot>()) {
      fired = fired || shot->Serial() > last;
      last = std::max(last, shot->Serial());
    }
    if (fired) firing.push_back(step);
  }
  return firing;
}

TEST(SmallEnemyFlight, CirclersOpenFireOnlyOnceTheirOrbitPassesAFullTurn) {
  {
    // The first circler starts at angle 0 and passes 2 pi after 63 steps;
    // then the gap of 120 steps rules.
    SmallPlay play(15);
    play.PlaceEnemy<Set3Enemy>("little_boss_15", 900, 0);
    const std::vector<int> firing = FiringSteps<Set3FallingBullet>(play, 250);
    EXPECT_EQ(firing, (std::vector<int>{121, 241}));
  }
  {
    // The fourth starts at 3 x 3.14, past the window: it waits for its
    // orbit to wind up to ten turns and start again.
    SmallPlay play(15);
    const auto& circler = play.PlaceEnemy<Set3Enemy>("little_boss_15", 900 + 3 * 27, 3);
    play.Step();
    EXPECT_NEAR(circler.OrbitAngle(), 9.52, 1e-9);
    EXPECT_EQ(circler.CenterX(), 900 + 81 - 1600 + 2);
    const std::vector<int> firing = FiringSteps<Set3FallingBullet>(play, 620);
    ASSERT_FALSE(firing.empty());
    EXPECT_GT(firing.front(), 590);
  }
}

TEST(SmallEnemyFlight, TheFormationTurnsAsOneTheStepItsFirstCentreReachesTheWall) {
  SmallPlay play(17);
  play.State().formationSpeed = -1;  // left over from an earlier formation
  const auto& before = play.PlaceEnemy<Set3Enemy>("little_boss_17", 900, 0);
  const auto& leader = play.PlaceEnemy<Set3Enemy>("little_boss_17", 1529.5, 0);
  const auto& after = play.PlaceEnemy<Set3Enemy>("little_boss_17", 1000, 0);
  play.Step();
  EXPECT_EQ(play.State().formationSpeed, 1);
  EXPECT_EQ(before.CenterX(), 101);
  EXPECT_EQ(leader.CenterX(), 730.5);
  play.Step();
  EXPECT_EQ(play.State().formationSpeed, -1);
  EXPECT_EQ(before.CenterX(), 102);  // moved before the leader turned
  EXPECT_EQ(leader.CenterX(), 729.5);
  EXPECT_EQ(after.CenterX(), 200);
  play.Step();
  EXPECT_EQ(before.CenterX(), 101);
  EXPECT_NEAR(leader.Y, 0.15 + 5 * std::cos(1.1), 1e-9);
}

TEST(SmallEnemyFlight, TheBonusGridSwaysAroundItsColumnsAndSinks) {
  SmallPlay play(20);
  play.GhostShip();
  const auto& enemy = play.PlaceEnemy<Set3Enemy>("little_boss_20_27", 160, 2 * 51);
  double left = 1000, right = -1000;
  for (int i = 0; i < 200; ++i) {
    play.Step();
    left = std::min(left, enemy.X);
    right = std::max(right, enemy.X);
  }
  EXPECT_NEAR(left, 110, 0.1);
  EXPECT_NEAR(right, 210, 0.1);
  EXPECT_NEAR(enemy.CenterY(), 102 + 10 + 100, 1e-9);
}

TEST(SmallEnemyFlight, MinesDrawTheirDriftInTheGamesOrder) {
  SmallPlay play(22);
  // Random(5) - Random(5): the first draw counts forward.
  play.Deal([](RandomGenerator& r) { return r(5) == 4 && r(5) == 1; });
  const auto& mine = play.Place<Set4Enemy>(Holder::kEnemy, "Level4", "l_0", 100, 50);
  play.Step();
  EXPECT_EQ(mine.X, 103);
  EXPECT_EQ(mine.Y, 50.5);
  play.Step();
  EXPECT_EQ(mine.X, 106);
}

TEST(SmallEnemyFlight, BouncersAboveTheTopTurnAWidthInside) {
  SmallPlay play(25);
  play.Deal([](RandomGenerator& r) {
    r(10);
    return r(5) == 2;
  });
  const auto& bouncer = play.PlaceEnemy<Set4Enemy>("little_boss_4_18", 800 - 2 * 69, -18);
  play.Step();
  EXPECT_EQ(bouncer.SpeedX(), -12);
  EXPECT_EQ(bouncer.X, 800 - 2 * 69 - 12);
  EXPECT_EQ(bouncer.Y, -17);
}

TEST(SmallEnemyFlight, TheRingIsSpreadByTheQuota) {
  SmallPlay play(26);
  play.State().levelQuota = 20;
  const auto& quarter = play.PlaceEnemy<Set4Enemy>("little_boss_26", 5, 100);
  const auto& first = play.PlaceEnemy<Set4Enemy>("little_boss_26", 0, 100);
  play.Step();
  EXPECT_NEAR(quarter.X, 800 - 37, 1e-9);
  EXPECT_NEAR(quarter.Y, -69.5, 1e-9);
  EXPECT_NEAR(first.X, (800 - 37) / 2.0, 1e-9);
  EXPECT_NEAR(first.Y, -19.5, 1e-9);
}

TEST(SmallEnemyFlight, TheSpiralCrossesTheCentreAndLeavesOnTheFarSide) {
  SmallPlay play(29);
  play.GhostShip();
  play.State().levelQuota = 4;
  const auto& spiral = play.PlaceEnemy<Set5Enemy>("little_boss_29", 2, 100);  // angle pi
  play.Step();
  EXPECT_NEAR(spiral.X, 381.5, 1e-9);
  EXPECT_NEAR(spiral.Y, 281.5 - 381.3, 1e-9);
  play.Step(1999);
  EXPECT_NEAR(spiral.Radius(), 381.5 - 0.2 * 2000, 1e-6);
  EXPECT_EQ(play.State().enemiesGone, 0);
  play.Step(3000);
  EXPECT_TRUE(play.Alive<Set5Enemy>().empty());
  EXPECT_EQ(play.State().enemiesGone, 1);
  EXPECT_EQ(play.State().score, 0);
}

TEST(SmallEnemyFlight, RollingEllipsesLeaveOnTheRight) {
  SmallPlay play(30);
  play.GhostShip();
  // The script stands the start column in Y; this one starts at the left edge.
  const auto& roller = play.PlaceEnemy<Set5Enemy>("little_boss_2_10", 0, 0);
  play.Step();
  ASSERT_EQ(play.Alive<Set5Enemy>().size(), 1u);
  EXPECT_EQ(roller.X, 0.5);
  EXPECT_EQ(roller.Y, (600 - 31) / 2.0 + (600 - 31) / 2.0);
  // Rolling half a pixel a step, it passes 2 heights beyond 900 and goes.
  play.Step(2200);
  EXPECT_TRUE(play.Alive<Set5Enemy>().empty());
  EXPECT_EQ(play.State().enemiesGone, 1);
}

}  // namespace
}  // namespace zephyrant::testing
