// What the player's shots do to what they touch, and the pick-ups they shake loose.

#include "player/shots.h"

#include <gtest/gtest.h>

#include "player/display.h"
#include "player/explosions.h"
#include "player/mounts.h"
#include "player/pickups.h"
#include "player/ship.h"
#include "tests/player/play.h"

namespace zephyrant::testing {
namespace {

TShell& PlaceShell(Play& play, double x, double y) {
  return play.Place<TShell>(Holder::kShip, "ListShell", "shell", x, y);
}

TRocet& PlaceRocket(Play& play, double x, double y) {
  return play.Place<TRocet>(Holder::kShip, "ListShell", "rocet", x, y);
}

// An enemy picture that the shot, one step on, lies inside.
template <class Enemy>
Enemy& PlaceEnemyOver(Play& play, double x, double y) {
  return play.Place<Enemy>(Holder::kEnemy, "LittleBoss", "little_boss_3", x, y);
}

TEST(Shells, ClimbElevenPixelsAStepAndTwelveAsLaserBolts) {
  Play play;
  play.StartGame();
  TShell& shell = PlaceShell(play, 100, 400);
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
  EXPECT_TRUE(play.Alive<TShell>().empty());
  const TExp_Shell& impact = play.Only<TExp_Shell>();
  EXPECT_EQ(impact.X, 120);
  EXPECT_EQ(impact.Y, 389 - 20);
  EXPECT_EQ(impact.FrameSpeed, 0.5);
}

TEST(Shells, ASmallEnemyHitRemovesTheNextShellToMove) {
  Play play;
  play.StartGame();
  PlaceEnemyOver<FakeSmallEnemy>(play, 100, 380);
  TShell& older = PlaceShell(play, 110, 400);
  PlaceShell(play, 300, 500);
  play.Step();
  // The older shell hit and flies on; the younger one moved after it and went
  // (the purge has freed it).
  ASSERT_EQ(play.Alive<TShell>().size(), 1u);
  EXPECT_EQ(play.Alive<TShell>().front(), &older);
  EXPECT_EQ(play.State().shellHitFlag, 0);
  EXPECT_EQ(play.Alive<TExp_Shell>().size(), 1u);
}

TEST(Shells, OtherSpritesAreNotHit) {
  Play play;
  play.StartGame();
  play.Place<TImageSprite>(Holder::kEnemy, "LittleBoss", "little_boss_3", 100, 380);
  PlaceShell(play, 110, 400);
  play.Step();
  EXPECT_EQ(play.Alive<TShell>().size(), 1u);
  EXPECT_EQ(play.State().shellHitFlag, 0);
  EXPECT_TRUE(play.Alive<TExp_Shell>().empty());
}

TEST(Rockets, AreWorthFiveBossHits) {
  Play play;
  play.StartGame();
  play.Place<FakeBoss>(Holder::kBoss, "Boss", "boss1", 80, 300);
  PlaceRocket(play, 120, 420);
  play.Step();
  EXPECT_EQ(play.State().bossHits, 5);
  EXPECT_TRUE(play.Alive<TRocet>().empty());
  EXPECT_EQ(play.Only<TExp_Rocket>().Z(), 1);
}

TEST(Rockets, FlyThroughAClusterAndAreSpentTheStepAfter) {
  Play play;
  play.StartGame();
  PlaceEnemyOver<FakeSmallEnemy>(play, 100, 380);
  PlaceEnemyOver<FakeSmallEnemy>(play, 105, 390);
  TRocet& rocket = PlaceRocket(play, 110, 420);
  play.Step();
  EXPECT_FALSE(rocket.Killed());
  EXPECT_EQ(rocket.HitCounter(), 2);
  const auto impacts = play.Alive<TExp_Rocket>();
  ASSERT_EQ(impacts.size(), 2u);
  EXPECT_EQ(impacts[0]->Z(), 0);
  play.Step();
  EXPECT_TRUE(play.Alive<TRocet>().empty());
}

TEST(Shots, TheAbortStateRemovesShotsAndMounts) {
  Play play;
  play.StartGame();
  play.State().weaponLevel = 3;
  CreateLaserMount(play.Form());
  PlaceShell(play, 100, 400);
  PlaceRocket(play, 200, 400);
  play.Hold(Key::kEscape);
  play.Step();
  EXPECT_TRUE(play.Alive<TShell>().empty());
  EXPECT_TRUE(play.Alive<TRocet>().empty());
  EXPECT_TRUE(play.Alive<TCannon2>().empty());
  EXPECT_TRUE(play.Alive<TLive>().empty());
  EXPECT_EQ(play.Alive<TBonus>().size(), 3u);
}

TEST(Pickups, RepairNeverGoesBelowZeroAndRocketsBringThePods) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const THero& hero = play.Only<THero>();
  play.State().heroDamage = 1.5;
  play.State().bonusKind = 2;
  play.State().rocketCount = 6;
  SpawnPickup<TBonus1>(play.Form(), "rocet1", hero.X, hero.Y);
  play.Step();
  EXPECT_EQ(play.State().heroDamage, 0);
  EXPECT_EQ(play.State().bonusKind, 0);
  EXPECT_EQ(play.State().rocketCount, 5);
  EXPECT_EQ(play.Alive<TRocet1>().size(), 1u);
}

TEST(Mounts, RocketPodsWithRocketsLeftGoWithTheLastShipAndTheEndOfPlay) {
  Play lost;
  lost.StartGame();
  lost.StepUntilShipIsIn();
  lost.State().rocketCount = 5;
  CreateRocketPods(lost.Form());
  lost.State().livesIndex = 0;
  lost.State().heroDamage = 10;
  lost.Step();
  EXPECT_TRUE(lost.Alive<TRocet1>().empty());
  EXPECT_EQ(lost.State().rocketCount, 5);

  // The last level won: play ends with the ship still in.
  Play won;
  won.StartGame();
  won.StepUntilShipIsIn();
  won.State().rocketCount = 5;
  CreateRocketPods(won.Form());
  won.State().levelNumber = 36;
  won.Step(2);
  EXPECT_NE(won.State().screenState, kPlaying);
  EXPECT_TRUE(won.Alive<TRocet1>().empty());
}

TEST(Pickups, AnExtraShipAddsAnIconInTheRow) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const THero& hero = play.Only<THero>();
  play.State().bonusKind = 1;
  SpawnPickup<TBonus1>(play.Form(), "bonus2", hero.X, hero.Y);
  play.Step();
  EXPECT_EQ(play.State().livesIndex, 3);
  const auto icons = play.Alive<TBonus>();
  ASSERT_EQ(icons.size(), 4u);
  EXPECT_EQ(icons.back()->X, 62);
  EXPECT_EQ(icons.back()->Y, 559);
}

TEST(Pickups, CannonsClimbTheWeaponLadder) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const THero& hero = play.Only<THero>();
  SpawnPickup<TCannon3>(play.Form(), "cannon3", hero.X, hero.Y);
  play.Step();
  EXPECT_EQ(play.State().weaponLevel, 3);
  EXPECT_EQ(play.Alive<TCannon2>().size(), 1u);
  SpawnPickup<TCannon1>(play.Form(), "cannon1", hero.X, hero.Y);
  play.Step(2);
  EXPECT_EQ(play.State().weaponLevel, 2);
  EXPECT_TRUE(play.Alive<TCannon2>().empty());
  EXPECT_EQ(play.Alive<TCannon>().size(), 1u);
}

TEST(Pickups, RollsDrawSixNumbersAndBlockWhatIsAlreadyOut) {
  Play play;
  play.StartGame();
  play.State().bonusKind = 2;
  play.State().rocketCount = 3;
  play.State().weaponLevel = 3;
  play.State().livesIndex = 3;
  play.State().levelNumber = 10;  // past the levels with extra cannon draws
  TRandom expected = play.Form().Random();
  for (int i = 0; i < 500; ++i) RollBonuses(play.Form(), 100, 100);
  // Nothing can come out, and every roll drew its six numbers.
  EXPECT_TRUE(play.Alive<TBonus1>().empty());
  EXPECT_TRUE(play.Alive<TCannon1>().empty());
  EXPECT_TRUE(play.Alive<TCannon3>().empty());
  for (int i = 0; i < 500 * 6; ++i) expected(100);
  EXPECT_EQ(expected(1000), play.Form().Random()(1000));
}

}  // namespace
}  // namespace zephyrant::testing
