// SPDX-License-Identifier: GPL-3.0-or-later
// The bosses as the player meets them: hovering, drifting and bouncing,
// their volleys and cool-downs, and how they fall and end the level.

#include <gtest/gtest.h>

#include <cmath>

#include "common/explosions.h"
#include "enemies/bosses/boss_1.h"
#include "enemies/bosses/boss_1_shots.h"
#include "enemies/bosses/boss_2.h"
#include "enemies/bosses/boss_2_shots.h"
#include "enemies/bosses/boss_3.h"
#include "enemies/bosses/boss_3_shots.h"
#include "enemies/bosses/boss_4.h"
#include "enemies/bosses/boss_4_shots.h"
#include "enemies/bosses/boss_5.h"
#include "enemies/bosses/boss_5_shots.h"
#include "player/shots.h"
#include "tests/enemies/boss_fight.h"

namespace zephyrant::testing {
namespace {

// What the player sees of each boss.
struct Look {
  const char* image;
  int level, threshold, width;
  double speed, y;
};
template <class Boss>
constexpr Look kLook{};
template <>
constexpr Look kLook<Boss1>{"boss1", 7, 100, 120, 3, 10};
template <>
constexpr Look kLook<Boss2>{"boss2", 14, 150, 105, 5, 20};
template <>
constexpr Look kLook<Boss3>{"boss3", 21, 200, 170, 3, 20};
template <>
constexpr Look kLook<Boss4>{"boss4", 28, 250, 100, 3, 5};
template <>
constexpr Look kLook<Boss5>{"boss5", 35, 300, 120, 3, 5};

template <class Boss>
class EveryBoss : public ::testing::Test {};
using Bosses = ::testing::Types<Boss1, Boss2, Boss3, Boss4, Boss5>;
TYPED_TEST_SUITE(EveryBoss, Bosses);

// Steps while keeping the ship alive, so that no game over ends the fight.
void Endure(BossFight& fight, int steps) {
  for (int i = 0; i < steps; ++i) {
    fight.State().heroDamage = 0;
    fight.Step();
  }
}

TYPED_TEST(EveryBoss, HoversUntilItsFirstTurnThenDriftsAtItsSideSpeed) {
  constexpr Look E = kLook<TypeParam>;
  BossFight fight(E.level);
  auto& boss = fight.template PlaceBoss<TypeParam>(E.image, 300, E.y);
  Endure(fight, 67);
  EXPECT_EQ(boss.X, 300);
  EXPECT_EQ(fight.State().bossX, 300);
  EXPECT_EQ(fight.State().bossY, E.y);
  // By step 167 a turn is certain, and every turn sets the side speed.
  Endure(fight, 100);
  for (int i = 0; i < 5; ++i) {
    const double before = boss.X;
    Endure(fight, 1);
    EXPECT_EQ(std::abs(boss.X - before), E.speed);
    EXPECT_EQ(boss.Y, E.y);
  }
}

TYPED_TEST(EveryBoss, BouncesOffBothEdges) {
  constexpr Look E = kLook<TypeParam>;
  BossFight fight(E.level);
  auto& right = fight.template PlaceBoss<TypeParam>(E.image, 800 - E.width, E.y);
  auto& left = fight.template PlaceBoss<TypeParam>(E.image, 0, E.y);
  fight.Step();
  EXPECT_EQ(right.X, 800 - E.width - E.speed);
  EXPECT_EQ(left.X, E.speed);
}

TYPED_TEST(EveryBoss, FallsAtItsThresholdWorthExactlyThatMuch) {
  constexpr Look E = kLook<TypeParam>;
  BossFight fight(E.level);
  fight.State().score = 1000;
  fight.template PlaceBoss<TypeParam>(E.image, 300, E.y);
  fight.State().bossHits = E.threshold - 1;
  fight.Step();
  ASSERT_EQ(fight.template Alive<TypeParam>().size(), 1u);
  EXPECT_EQ(fight.State().score, 1000);
  // A last rocket may carry the count past the threshold.
  fight.State().bossHits = E.threshold + 4;
  fight.SoundsPlayed();
  fight.Step();
  EXPECT_TRUE(fight.template Alive<TypeParam>().empty());
  EXPECT_EQ(fight.State().score, 1000 + E.threshold);
  EXPECT_EQ(fight.State().levelNumber, E.level + 1);
  EXPECT_EQ(fight.State().levelPhase, 1);
  const Explosion& blast = fight.template Only<Explosion>();
  EXPECT_EQ(blast.Image->Name, "ExpBoss");
  EXPECT_EQ(blast.X, 300);
  EXPECT_EQ(blast.Y, E.y);
  EXPECT_EQ(blast.Z(), 1);
  EXPECT_EQ(blast.FrameSpeed, 0.5);
  EXPECT_EQ(Count(fight.SoundsPlayed(), "little_exp"), 1);
}

TEST(BossDeath, ShellsBringTheBossDownOnItsNextStep) {
  BossFight fight(7);
  fight.PutShip(700, 516);
  fight.PlaceBoss<Boss1>("boss1", 300, 10);
  fight.State().bossHits = 99;
  fight.Place<ShipShell>(Holder::kShip, "ListShell", "shell", 350, 130);
  fight.Step();
  EXPECT_EQ(fight.State().bossHits, 100);
  EXPECT_EQ(fight.Alive<Boss1>().size(), 1u);
  fight.Step();
  EXPECT_TRUE(fight.Alive<Boss1>().empty());
  EXPECT_EQ(fight.State().levelNumber, 8);
}

TEST(BossDeath, TheLastBossWinsTheGame) {
  BossFight fight(35);
  fight.PlaceBoss<Boss5>("boss5", 300, 5);
  fight.State().bossHits = 300;
  fight.Step(2);
  EXPECT_EQ(fight.State().levelNumber, 1);
  EXPECT_NE(fight.State().screenState, kPlaying);
}

TEST(BossDeath, LeavesQuietlyWhenPlayStopsButFallsAfterAnAbort) {
  BossFight quiet(7);
  quiet.PlaceBoss<Boss1>("boss1", 300, 10);
  quiet.State().screenState = kMainMenu;
  quiet.Step();
  EXPECT_TRUE(quiet.Alive<Boss1>().empty());
  EXPECT_TRUE(quiet.Alive<Explosion>().empty());
  EXPECT_EQ(quiet.State().levelNumber, 7);

  // Aborting leaves 500 hits behind, so the boss still falls as it goes.
  BossFight aborted(7);
  aborted.PlaceBoss<Boss1>("boss1", 300, 10);
  aborted.State().screenState = kMainMenu;
  aborted.State().bossHits = 500;
  const int score = aborted.State().score;
  aborted.Step();
  EXPECT_TRUE(aborted.Alive<Boss1>().empty());
  EXPECT_EQ(aborted.State().score, score + 100);
  EXPECT_EQ(aborted.State().levelNumber, 8);
}

// Turn decisions come first in a step: one draw, and a second when a turn is due.
TEST(BossTurns, TurnTowardTheShipOrKeepCourseRightAboveIt) {
  for (const double hero_x : {500.0, 100.0, 300.0}) {
    BossFight fight(7);
    fight.PutShip(hero_x, 516);
    auto& boss = fight.PlaceBoss<Boss1>("boss1", 300, 10);
    Endure(fight, 66);
    // Step 68 is the first that may turn: the lowest roll does, toward the
    // ship; the same roll a step earlier does not.
    const auto lowest_toward_ship = [](RandomGenerator& r) { return r(100) == 0 && r(3) == 0; };
    fight.Deal(lowest_toward_ship);
    fight.Step();
    ASSERT_EQ(boss.X, 300);
    fight.Deal(lowest_toward_ship);
    fight.Step();
    const double expected = hero_x > 300 ? 303 : hero_x < 300 ? 297 : 300;
    EXPECT_EQ(boss.X, expected) << "ship at " << hero_x;
  }
}

TEST(Boss1Volleys, EachWeaponWaitsForItsCoolDownAndOneVolleyHoldsBackTheRest) {
  BossFight fight(7);
  fight.PutShip(700, 516);
  fight.PlaceBoss<Boss1>("boss1", 300, 10);
  fight.Step(20);
  fight.SoundsPlayed();
  uint32_t mark = fight.LastSerial();
  // Step 21: all three rolls hit, but only the bolts have cooled down.
  fight.Deal([](RandomGenerator& r) {
    r(100);
    return r(100) == 1 && r(150) == 5 && r(150) == 7;
  });
  fight.Step();
  const auto bolts = fight.NewSince<Boss1FallingBolt>(mark);
  ASSERT_EQ(bolts.size(), 2u);
  EXPECT_EQ(bolts[0]->X, 310);
  EXPECT_EQ(bolts[1]->X, 410);
  EXPECT_EQ(bolts[0]->Y, 138);
  EXPECT_TRUE(bolts[0]->PixelExact);
  EXPECT_TRUE(fight.Alive<Boss1HomingRocket>().empty());
  EXPECT_TRUE(fight.Alive<Boss1ChargedLaser>().empty());
  EXPECT_EQ(Count(fight.SoundsPlayed(), "little_shell"), 2);

  // Step 61, 40 steps on: a quiet wait, then the rocket and the bolts both
  // roll to fire and the rocket, first in line, holds back the bolts.
  fight.Deal([](RandomGenerator& r) {
    for (int step = 22; step <= 60; ++step) {
      r(100);
      r(100);
      if (r(150) == 5 || r(150) == 7) return false;
    }
    r(100);
    if (r(100) != 1) return false;
    r(150);
    return r(150) == 7;
  });
  mark = fight.LastSerial();
  fight.Step(40);
  const Boss1HomingRocket& rocket = fight.Only<Boss1HomingRocket>();
  EXPECT_EQ(rocket.X, 360);
  EXPECT_EQ(rocket.Y, 138);
  EXPECT_TRUE(rocket.FrameLooped);
  EXPECT_DOUBLE_EQ(rocket.FrameSpeed, 1.0 / 3);
  EXPECT_TRUE(fight.NewSince<Boss1FallingBolt>(mark).empty());
  EXPECT_TRUE(fight.Alive<Boss1ChargedLaser>().empty());
}

TEST(Boss1Volleys, TheLaserIsLaunchedHighOnTheBoss) {
  BossFight fight(7);
  fight.PlaceBoss<Boss1>("boss1", 300, 10);
  fight.Step(30);
  fight.Deal([](RandomGenerator& r) {
    r(100);
    return r(100) != 1 && r(150) == 5;
  });
  fight.SoundsPlayed();
  fight.Step();
  const Boss1ChargedLaser& laser = fight.Only<Boss1ChargedLaser>();
  EXPECT_EQ(laser.X, 320);
  EXPECT_EQ(laser.Y, 10);
  EXPECT_EQ(laser.Image->Name, "shell1_1");
  EXPECT_EQ(Count(fight.SoundsPlayed(), "little_lazer"), 1);
}

TEST(Boss2Volleys, RocketsCarryTheDriftAndABeamWaitsForTheLastOne) {
  BossFight fight(14);
  fight.PutShip(700, 516);
  auto& boss = fight.PlaceBoss<Boss2>("boss2", 0, 20);
  fight.Step(30);
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(150) == 1; });
  fight.Step();
  EXPECT_EQ(boss.X, 155);
  const auto rockets = fight.Alive<Boss2ThrownRocket>();
  ASSERT_EQ(rockets.size(), 2u);
  EXPECT_EQ(rockets[0]->X, 160);
  EXPECT_EQ(rockets[1]->X, 250);
  EXPECT_EQ(rockets[0]->Y, 30);
  EXPECT_EQ(rockets[0]->DriftX, 5);
  fight.Step();
  EXPECT_EQ(rockets[0]->X, 165);
  EXPECT_DOUBLE_EQ(rockets[0]->Y, 30 + std::sqrt(15.0));

  fight.Step(28);  // through step 60: cooling down
  fight.State().beamCount = 3;
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(150) == 5; });
  fight.Step();
  EXPECT_TRUE(fight.Alive<Boss2BeamEmitter>().empty());
  fight.State().beamCount = 0;
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(150) == 5; });
  fight.Step();
  const Boss2BeamEmitter& emitter = fight.Only<Boss2BeamEmitter>();
  EXPECT_EQ(emitter.X, boss.X + 30);
  EXPECT_EQ(emitter.Y, 140);
  EXPECT_EQ(emitter.FrameSpeed, 5);
}

TEST(Boss3Volleys, BombsFromBothEndsAndABoltAimedAtTheShip) {
  BossFight fight(21);
  fight.PutShip(600, 500);
  fight.PlaceBoss<Boss3>("boss3", 300, 20);
  fight.Step(30);
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(150) == 1; });
  fight.Step();
  const auto bombs = fight.Alive<Boss3Bomb>();
  ASSERT_EQ(bombs.size(), 2u);
  EXPECT_EQ(bombs[0]->X, 300);
  EXPECT_EQ(bombs[1]->X, 450);
  EXPECT_EQ(bombs[0]->Y, 30);
  fight.Step(29);
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(150) == 5; });
  fight.Step();
  const Boss3AimedBolt& bolt = fight.Only<Boss3AimedBolt>();
  EXPECT_EQ(bolt.X, 370);
  EXPECT_EQ(bolt.Y, 35);
  EXPECT_EQ(bolt.Z(), 1);
  const double dx = 600 - 300 - 70, dy = 500 - 20 + 10;
  EXPECT_EQ(bolt.Aim, std::nearbyint(std::acos(dx / std::hypot(dx, dy)) * 90 / 2.2));
}

TEST(Boss4Volleys, FansSprayTowardTheMiddleFromEitherHalf) {
  EXPECT_EQ(Boss4::FanAim(0, 60), 60);
  EXPECT_EQ(Boss4::FanAim(5, 60), 92);
  EXPECT_EQ(Boss4::FanAim(10, 60), 124);
  EXPECT_EQ(Boss4::FanAim(3, 30), 49);
  EXPECT_EQ(Boss4::FanAim(10, 30), 94);
  struct Case {
    double x;
    size_t pellets;
    double gun_x;
    int first_aim;
  };
  for (const Case c : {Case{500, 11, 510, 60}, Case{200, 11, 285, 30}, Case{400, 0, 0, 0}}) {
    BossFight fight(28);
    fight.PutShip(700, 516);
    fight.PlaceBoss<Boss4>("boss4", c.x, 5);
    fight.Step(10);
    fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(50) == 1; });
    fight.Step();
    const auto pellets = fight.Alive<Boss4FanPellet>();
    ASSERT_EQ(pellets.size(), c.pellets) << "boss at " << c.x;
    if (pellets.empty()) continue;
    EXPECT_EQ(pellets.front()->X, c.gun_x);
    EXPECT_EQ(pellets.front()->Y, 109);
    EXPECT_EQ(pellets.front()->Aim, c.first_aim);
    EXPECT_EQ(pellets.back()->Aim, c.first_aim + 64);
  }
}

TEST(Boss5Volleys, RocketsAndBoltsFromTheWingsAndALaserUnderTheHull) {
  BossFight fight(35);
  fight.PutShip(700, 516);
  fight.PlaceBoss<Boss5>("boss5", 300, 5);
  fight.Step(10);
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(50) == 1; });
  fight.Step();
  const auto rockets = fight.Alive<Boss5HomingRocket>();
  ASSERT_EQ(rockets.size(), 2u);
  EXPECT_EQ(rockets[0]->X, 310);
  EXPECT_EQ(rockets[1]->X, 410);
  EXPECT_EQ(rockets[0]->Y, 55);
  fight.Step(9);
  fight.Deal([](RandomGenerator& r) { return r(100) >= 0 && r(50) == 7; });
  fight.Step();
  const auto bolts = fight.Alive<Boss5FallingBolt>();
  ASSERT_EQ(bolts.size(), 2u);
  EXPECT_EQ(bolts[1]->X, 410);
  EXPECT_EQ(bolts[1]->Y, 55);
  fight.Deal([](RandomGenerator& r) {
    for (int step = 22; step <= 50; ++step) {
      r(100);
      const int roll = r(50);
      if (roll == 1 || roll == 7) return false;
    }
    return r(100) >= 0 && r(50) == 5;
  });
  fight.SoundsPlayed();
  fight.Step(30);
  const Boss5ChargedLaser& laser = fight.Only<Boss5ChargedLaser>();
  EXPECT_EQ(laser.X, 350);
  EXPECT_EQ(laser.Y, 5 + 151 - 7);
  EXPECT_EQ(Count(fight.SoundsPlayed(), "little_lazer"), 0);
}

}  // namespace
}  // namespace zephyrant::testing
