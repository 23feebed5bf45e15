// SPDX-License-Identifier: GPL-3.0-or-later
// What it takes to destroy a small enemy, what a kill is worth, and how the
// enemies leave: the level's clearing, the end of play and the bottom edge.

#include <gtest/gtest.h>

#include "common/explosions.h"
#include "enemies/set1/set1_enemy.h"
#include "enemies/set1/set1_shots.h"
#include "enemies/set2/set2_enemy.h"
#include "enemies/set3/set3_enemy.h"
#include "enemies/set4/set4_enemy.h"
#include "enemies/set4/set4_shots.h"
#include "enemies/set5/set5_enemy.h"
#include "tests/enemies/small_play.h"

namespace zephyrant::testing {
namespace {

// A boss level: no small enemy moves there, so hits can be counted in peace.
constexpr int kStandStill = 7;

TEST(SmallEnemyHits, TheFourthShellDestroysAndEachHitSpendsItsShell) {
  SmallPlay play(kStandStill);
  Set1Enemy& enemy = play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 200);
  play.SoundsPlayed();
  for (int hit = 1; hit <= 3; ++hit) {
    play.ShellInto(enemy);
    play.Step();
    EXPECT_EQ(enemy.HitCount(), hit);
    // The enemy's own pass raised the flag, so the shell went before it
    // could touch anything itself.
    EXPECT_TRUE(play.Alive<ShipShell>().empty());
    EXPECT_TRUE(play.Alive<ShellImpact>().empty());
  }
  EXPECT_FALSE(enemy.Killed());
  EXPECT_EQ(play.State().score, 0);
  play.ShellInto(enemy);
  play.Step();
  EXPECT_TRUE(play.Alive<Set1Enemy>().empty());
  EXPECT_EQ(play.State().score, 10);
  EXPECT_EQ(play.State().enemiesGone, 1);
  const Explosion& explosion = play.Only<Explosion>();
  EXPECT_EQ(explosion.Image->Name, "ExpRocket");
  EXPECT_EQ(explosion.X, 100);
  EXPECT_EQ(explosion.Y, 200);
  EXPECT_EQ(explosion.Z(), 1);
  EXPECT_EQ(explosion.FrameSpeed, 0.5);
  EXPECT_EQ(play.SoundCount("little_exp"), 1);
}

TEST(SmallEnemyHits, EveryFamilyHasItsOwnToughness) {
  struct Case {
    int level;
    int survives;
  };
  // Set 2 like set 1, set 5 one more; the armoured grids take 11 and 41.
  for (const Case c : {Case{kStandStill, 3}, Case{20, 10}}) {
    SmallPlay play(c.level);
    auto& enemy = play.PlaceEnemy<Set3Enemy>("little_boss_20_27", 100, 0);
    play.Step();  // the grid's row set-up swings it aside
    play.Shoot(enemy, c.survives);
    EXPECT_FALSE(enemy.Killed()) << c.level;
    play.Shoot(enemy, 1);
    EXPECT_TRUE(play.Alive<Set3Enemy>().empty()) << c.level;
    EXPECT_EQ(play.Only<Explosion>().FrameSpeed, 1.0 / 3);
  }
  {
    SmallPlay play(27);
    auto& enemy = play.PlaceEnemy<Set4Enemy>("little_boss_20_27", 100, 0);
    play.Shoot(enemy, 40);
    EXPECT_FALSE(enemy.Killed());
    EXPECT_DOUBLE_EQ(enemy.HitCount(), 4.0);
    play.Shoot(enemy, 1);
    EXPECT_TRUE(play.Alive<Set4Enemy>().empty());
  }
  {
    SmallPlay play(kStandStill);
    auto& five = play.PlaceEnemy<Set5Enemy>("little_boss_29", 100, 100);
    auto& two = play.PlaceEnemy<Set2Enemy>("little_boss_9", 300, 100);
    // One target at a time: a shell that misses the flag flies on into
    // its target and counts again.
    play.Shoot(two, 4);
    EXPECT_TRUE(play.Alive<Set2Enemy>().empty());
    play.Shoot(five, 4);
    EXPECT_FALSE(five.Killed());
    play.Shoot(five, 1);
    EXPECT_TRUE(play.Alive<Set5Enemy>().empty());
    EXPECT_EQ(play.State().score, 20);
  }
}

TEST(SmallEnemyHits, ARocketDestroysAtOnceAndLeavesItsOwnExplosion) {
  SmallPlay play(27);
  play.PlaceEnemy<Set4Enemy>("little_boss_20_27", 100, 100);
  play.RocketInto(play.Only<Set4Enemy>());
  play.SoundsPlayed();
  play.Step();
  EXPECT_TRUE(play.Alive<Set4Enemy>().empty());
  EXPECT_EQ(play.State().score, 10);
  EXPECT_EQ(play.State().enemiesGone, 1);
  EXPECT_TRUE(play.Alive<Explosion>().empty());
  EXPECT_EQ(play.Alive<RocketImpact>().size(), 1u);
  EXPECT_EQ(play.SoundCount("little_exp"), 1);
}

TEST(SmallEnemyHits, RammingTheShipCostsHalfAPointOfDamage) {
  SmallPlay play(kStandStill);
  const Ship& hero = play.PlayerShip();
  play.PlaceEnemy<Set1Enemy>("little_boss_1", hero.X + 10, hero.Y + 10);
  play.Step();
  EXPECT_TRUE(play.Alive<Set1Enemy>().empty());
  EXPECT_EQ(play.State().heroDamage, 0.5);
  EXPECT_EQ(play.State().score, 10);
  EXPECT_EQ(play.State().enemiesGone, 1);
  EXPECT_EQ(play.Alive<Explosion>().size(), 1u);
}

TEST(SmallEnemyHits, ADestroyedEnemyIsNotCountedTwiceInOneStep) {
  // A fourth shell and a rocket arriving together, or a rocket into an
  // enemy that is ramming the ship, destroy one enemy, worth one kill.
  SmallPlay play(kStandStill);
  Set1Enemy& shot = play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 200);
  play.Shoot(shot, 3);
  play.ShellInto(shot);
  play.RocketInto(shot);
  const Ship& hero = play.PlayerShip();
  Set1Enemy& ram = play.PlaceEnemy<Set1Enemy>("little_boss_1", hero.X + 10, hero.Y + 10);
  play.RocketInto(ram);
  play.Step();
  EXPECT_TRUE(play.Alive<Set1Enemy>().empty());
  EXPECT_EQ(play.State().score, 20);
  EXPECT_EQ(play.State().enemiesGone, 2);
  EXPECT_EQ(play.State().heroDamage, 0.5);
}

TEST(SmallEnemyLeaving, TheLevelsClearingBlowsEveryoneUpForNothing) {
  SmallPlay play(1);
  play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 100);
  play.PlaceEnemy<Set5Enemy>("little_boss_29", 300, 100);
  play.State().bossHits = 5;
  play.SoundsPlayed();
  play.Step();
  EXPECT_TRUE(play.Alive<Set1Enemy>().empty());
  EXPECT_TRUE(play.Alive<Set5Enemy>().empty());
  EXPECT_EQ(play.State().score, 0);
  EXPECT_EQ(play.State().enemiesGone, 0);
  const auto explosions = play.Alive<Explosion>();
  ASSERT_EQ(explosions.size(), 2u);
  EXPECT_EQ(explosions[0]->Image->Name, "ExpRocket");
  EXPECT_EQ(explosions[1]->Image->Name, "ExpLittle");
  EXPECT_EQ(play.SoundCount("little_exp"), 2);
}

TEST(SmallEnemyLeaving, TheEndOfPlayRemovesEnemiesWithoutATrace) {
  SmallPlay play(1);
  play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 100);
  play.State().screenState = kOptions;
  play.Step();
  EXPECT_TRUE(play.Alive<Set1Enemy>().empty());
  EXPECT_TRUE(play.Alive<Explosion>().empty());
  EXPECT_EQ(play.State().enemiesGone, 0);
}

TEST(SmallEnemyLeaving, BelowTheBottomAnEnemyCountsAsGone) {
  SmallPlay play(kStandStill);
  // Two heights below the surface for most, five for the second set.
  play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 600 + 2 * 37);
  auto& two = play.PlaceEnemy<Set2Enemy>("little_boss_9", 100, 600 + 4 * 38);
  play.Step();
  EXPECT_TRUE(play.Alive<Set1Enemy>().empty());
  EXPECT_EQ(play.Alive<Set2Enemy>().size(), 1u);
  EXPECT_EQ(play.State().enemiesGone, 1);
  two.Y = 600 + 5 * 38;
  play.Step();
  EXPECT_TRUE(play.Alive<Set2Enemy>().empty());
  EXPECT_EQ(play.State().enemiesGone, 2);
  EXPECT_EQ(play.State().score, 0);
}

TEST(SmallEnemyLeaving, InSweepLevelsTheFirstToSlipThroughEndsTheLevel) {
  for (int level : {3, 10, 16, 17, 31}) {
    SmallPlay play(level);
    play.State().levelQuota = 20;
    play.PlaceEnemy<Set1Enemy>("little_boss_3", 100, 100);
    // Only the family of the level slips through; the others fly on.
    if (level == 3) play.PlaceEnemy<Set1Enemy>("little_boss_3", 300, 600 + 2 * 33);
    if (level == 10) play.PlaceEnemy<Set2Enemy>("little_boss_2_10", 300, 600 + 2 * 31);
    if (level == 16 || level == 17) {
      play.PlaceEnemy<Set3Enemy>("little_boss_16", 300, 600 + 2 * 56);
    }
    if (level == 31) play.PlaceEnemy<Set5Enemy>("little_boss_2_10", 300, 600 + 2 * 31);
    play.Step();
    EXPECT_EQ(play.State().enemiesGone, 21) << level;
    // The ship sees the quota met and ends the level in its next step, and
    // the enemies still about are cleared in the same step.
    play.Step();
    EXPECT_EQ(play.State().levelNumber, level + 1) << level;
    EXPECT_EQ(play.State().bossHits, 500) << level;
    EXPECT_TRUE(play.Alive<Set1Enemy>().empty()) << level;
    EXPECT_EQ(play.State().score, 0) << level;
  }
}

TEST(SmallEnemyLeaving, MinesBurstAtTheBottomShotDownOrRammingButNotByRocket) {
  struct Case {
    const char* how;
    int fragments;
  };
  for (const Case c :
       {Case{"bottom", 10}, Case{"shells", 11}, Case{"ram", 10}, Case{"rocket", 0}}) {
    SmallPlay play(23);
    const std::string how = c.how;
    const Ship& hero = play.PlayerShip();
    const double y = how == "bottom" ? 600 - 61 - 10 - 2 : how == "ram" ? hero.Y : 100;
    const double x = how == "ram" ? hero.X + 5 : 100;
    auto& mine = play.Place<Set4Enemy>(Holder::kEnemy, "Level4", "l_5", x, y);
    mine.PixelExact = true;
    if (how == "shells") play.Shoot(mine, 4);
    if (how == "shells") play.ShellInto(mine);
    if (how == "rocket") play.RocketInto(mine);
    play.SoundsPlayed();
    play.Step();
    EXPECT_TRUE(play.Alive<Set4Enemy>().empty()) << how;
    EXPECT_EQ(play.Alive<MineFragment>().size(), static_cast<size_t>(c.fragments)) << how;
    EXPECT_EQ(play.SoundCount("little_shell"), c.fragments) << how;
    EXPECT_EQ(play.State().enemiesGone, 1) << how;
    // A mine that reaches the bottom earns nothing.
    EXPECT_EQ(play.State().score, how == "bottom" ? 0 : 10) << how;
  }
}

}  // namespace
}  // namespace zephyrant::testing
