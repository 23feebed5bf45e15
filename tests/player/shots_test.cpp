// SPDX-License-Identifier: GPL-3.0-or-later
// What the player's shots do to what they touch, and the pick-ups they shake loose.

#include "player/shots.h"

#include <gtest/gtest.h>

#include "common/explosions.h"
#include "player/display.h"
#include "player/mounts.h"
#include "player/pickups.h"
#include "player/ship.h"
#include "tests/player/play.h"

namespace zephyrant::testing {
namespace {

ShipShell& PlaceShell(Play& play, double x, double y) {
  return play.Place<ShipShell>(Holder::kShip, "ListShell", "shell", x, y);
}

Rocket& PlaceRocket(Play& play, double x, double y) {
  return play.Place<Rocket>(Holder::kShip, "ListShell", "rocet", x, y);
}

// An enemy picture that the shot, one step on, lies inside.
template <class Enemy>
Enemy& PlaceEnemyOver(Play& play, double x, double y) {
  return play.Place<Enemy>(Holder::kEnemy, "LittleBoss", "little_boss_3", x, y);
}

TEST(Shells, ClimbElevenPixelsAStepAndTwelveAsLaserBolts) {
  Play play;
  play.StartGame();
  ShipShell& shell = PlaceShell(play, 100, 400);
  play.Step();
  EXPECT_EQ(shell.Y, 389);
  // Bolts already in flight speed up when the weapon level changes.
  play.State().weaponLevel = 3;
  play.Step();
  EXPECT_EQ(shell.Y, 377);
}

TEST(Shells, ABossLosesAHitAndTheShellGoes) {
  Play play;
  play.StartGame();
  play.Place<FakeBoss>(Holder::kBoss, "Boss", "boss1", 80, 300);
  PlaceShell(play, 120, 400);
  play.Step();
  EXPECT_EQ(play.State().bossHits, 1);
  EXPECT_TRUE(play.Alive<ShipShell>().empty());
  const ShellImpact& impact = play.Only<ShellImpact>();
  EXPECT_EQ(impact.X, 120);
  EXPECT_EQ(impact.Y, 389 - 20);
  EXPECT_EQ(impact.FrameSpeed, 0.5);
}

TEST(Shells, ASmallEnemyHitRemovesTheNextShellToMove) {
  Play play;
  play.StartGame();
  PlaceEnemyOver<FakeSmallEnemy>(play, 100, 380);
  ShipShell& older = PlaceShell(play, 110, 400);
  PlaceShell(play, 300, 500);
  play.Step();
  // The older shell hit and flies on; the younger one moved after it and went
  // (the purge has freed it).
  ASSERT_EQ(play.Alive<ShipShell>().size(), 1u);
  EXPECT_EQ(play.Alive<ShipShell>().front(), &older);
  EXPECT_EQ(play.State().shellHitFlag, 0);
  EXPECT_EQ(play.Alive<ShellImpact>().size(), 1u);
}

TEST(Shells, OtherSpritesAreNotHit) {
  Play play;
  play.StartGame();
  play.Place<ImageSprite>(Holder::kEnemy, "LittleBoss", "little_boss_3", 100, 380);
  PlaceShell(play, 110, 400);
  play.Step();
  EXPECT_EQ(play.Alive<ShipShell>().size(), 1u);
  EXPECT_EQ(play.State().shellHitFlag, 0);
  EXPECT_TRUE(play.Alive<ShellImpact>().empty());
}

TEST(Rockets, AreWorthFiveBossHits) {
  Play play;
  play.StartGame();
  play.Place<FakeBoss>(Holder::kBoss, "Boss", "boss1", 80, 300);
  PlaceRocket(play, 120, 420);
  play.Step();
  EXPECT_EQ(play.State().bossHits, 5);
  EXPECT_TRUE(play.Alive<Rocket>().empty());
  EXPECT_EQ(play.Only<RocketImpact>().Z(), 1);
}

TEST(Rockets, FlyThroughAClusterAndAreSpentTheStepAfter) {
  Play play;
  play.StartGame();
  PlaceEnemyOver<FakeSmallEnemy>(play, 100, 380);
  PlaceEnemyOver<FakeSmallEnemy>(play, 105, 390);
  Rocket& rocket = PlaceRocket(play, 110, 420);
  play.Step();
  EXPECT_FALSE(rocket.Killed());
  EXPECT_EQ(rocket.HitCounter(), 2);
  const auto impacts = play.Alive<RocketImpact>();
  ASSERT_EQ(impacts.size(), 2u);
  EXPECT_EQ(impacts[0]->Z(), 0);
  play.Step();
  EXPECT_TRUE(play.Alive<Rocket>().empty());
}

TEST(Shots, TheAbortStateRemovesShotsAndMounts) {
  Play play;
  play.StartGame();
  play.State().weaponLevel = 3;
  CreateLaserMount(play.Window());
  PlaceShell(play, 100, 400);
  PlaceRocket(play, 200, 400);
  play.Hold(Key::kEscape);
  play.Step();
  EXPECT_TRUE(play.Alive<ShipShell>().empty());
  EXPECT_TRUE(play.Alive<Rocket>().empty());
  EXPECT_TRUE(play.Alive<LaserMount>().empty());
  EXPECT_TRUE(play.Alive<HealthLabel>().empty());
  EXPECT_EQ(play.Alive<LifeIcon>().size(), 3u);
}

TEST(Pickups, RepairNeverGoesBelowZeroAndRocketsBringThePods) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const Ship& hero = play.Only<Ship>();
  play.State().heroDamage = 1.5;
  play.State().bonusKind = 2;
  play.State().rocketCount = 6;
  SpawnPickup<BonusPickup>(play.Window(), "rocet1", hero.X, hero.Y);
  play.Step();
  EXPECT_EQ(play.State().heroDamage, 0);
  EXPECT_EQ(play.State().bonusKind, 0);
  EXPECT_EQ(play.State().rocketCount, 5);
  EXPECT_EQ(play.Alive<RocketPods>().size(), 1u);
}

TEST(Mounts, RocketPodsWithRocketsLeftGoWithTheLastShipAndTheEndOfPlay) {
  Play lost;
  lost.StartGame();
  lost.StepUntilShipIsIn();
  lost.State().rocketCount = 5;
  CreateRocketPods(lost.Window());
  lost.State().livesIndex = 0;
  lost.State().heroDamage = 10;
  lost.Step();
  EXPECT_TRUE(lost.Alive<RocketPods>().empty());
  EXPECT_EQ(lost.State().rocketCount, 5);

  // The last level won: play ends with the ship still in.
  Play won;
  won.StartGame();
  won.StepUntilShipIsIn();
  won.State().rocketCount = 5;
  CreateRocketPods(won.Window());
  won.State().levelNumber = 36;
  won.Step(2);
  EXPECT_NE(won.State().screenState, kPlaying);
  EXPECT_TRUE(won.Alive<RocketPods>().empty());
}

TEST(Pickups, AnExtraShipAddsAnIconInTheRow) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const Ship& hero = play.Only<Ship>();
  play.State().bonusKind = 1;
  SpawnPickup<BonusPickup>(play.Window(), "bonus2", hero.X, hero.Y);
  play.Step();
  EXPECT_EQ(play.State().livesIndex, 3);
  const auto icons = play.Alive<LifeIcon>();
  ASSERT_EQ(icons.size(), 4u);
  EXPECT_EQ(icons.back()->X, 62);
  EXPECT_EQ(icons.back()->Y, 559);
}

TEST(Pickups, CannonsClimbTheWeaponLadder) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const Ship& hero = play.Only<Ship>();
  SpawnPickup<LaserPickup>(play.Window(), "cannon3", hero.X, hero.Y);
  play.Step();
  EXPECT_EQ(play.State().weaponLevel, 3);
  EXPECT_EQ(play.Alive<LaserMount>().size(), 1u);
  SpawnPickup<CannonPickup>(play.Window(), "cannon1", hero.X, hero.Y);
  play.Step(2);
  EXPECT_EQ(play.State().weaponLevel, 2);
  EXPECT_TRUE(play.Alive<LaserMount>().empty());
  EXPECT_EQ(play.Alive<CannonMount>().size(), 1u);
}

TEST(Pickups, RollsDrawSixNumbersAndBlockWhatIsAlreadyOut) {
  Play play;
  play.StartGame();
  play.State().bonusKind = 2;
  play.State().rocketCount = 3;
  play.State().weaponLevel = 3;
  play.State().livesIndex = 3;
  play.State().levelNumber = 10;  // past the levels with extra cannon draws
  RandomGenerator expected = play.Window().Random();
  for (int i = 0; i < 500; ++i) RollBonuses(play.Window(), 100, 100);
  // Nothing can come out, and every roll drew its six numbers.
  EXPECT_TRUE(play.Alive<BonusPickup>().empty());
  EXPECT_TRUE(play.Alive<CannonPickup>().empty());
  EXPECT_TRUE(play.Alive<LaserPickup>().empty());
  for (int i = 0; i < 500 * 6; ++i) expected(100);
  EXPECT_EQ(expected(1000), play.Window().Random()(1000));
}

}  // namespace
}  // namespace zephyrant::testing
