// SPDX-License-Identifier: GPL-3.0-or-later
// The bosses' shots in flight: falling bolts, homing rockets, charged
// lasers, the beam, the bomb and the straight shots, and what each does to
// the ship.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "common/explosions.h"
#include "enemies/aim.h"
#include "enemies/bosses/boss_1.h"
#include "enemies/bosses/boss_1_shots.h"
#include "enemies/bosses/boss_2.h"
#include "enemies/bosses/boss_2_shots.h"
#include "enemies/bosses/boss_3_shots.h"
#include "enemies/bosses/boss_4_shots.h"
#include "enemies/bosses/boss_5_shots.h"
#include "enemies/set4/set4_shots.h"
#include "tests/enemies/boss_fight.h"

namespace zephyrant::testing {
namespace {

constexpr double kAimRadians = 2.2 / 90;

TEST(FallingBolts, DropToTheBottomEdgeThenCreepOff) {
  BossFight fight(7);
  fight.PutShip(700, 1);
  auto& bolt = fight.PlaceShot<Boss1FallingBolt>("shell1_0", 300, 480);
  fight.Step(3);
  // 480, 495, 510, then 525 is past the line at 600 - 89 and creeps on.
  EXPECT_EQ(bolt.Y, 525.5);
  fight.Step(148);
  EXPECT_EQ(bolt.Y, 599.5);
  fight.Step();
  EXPECT_TRUE(fight.Alive<Boss1FallingBolt>().empty());
}

TEST(FallingBolts, OneStillFallingIsHeldBackByOneBelowIt) {
  BossFight fight(7);
  fight.PutShip(700, 1);
  auto& creeping = fight.PlaceShot<Boss1FallingBolt>("shell1_0", 300, 520);
  auto& falling = fight.PlaceShot<Boss1FallingBolt>("shell1_0", 300, 440);
  fight.Step(2);
  EXPECT_EQ(creeping.Y, 521);
  EXPECT_EQ(falling.Y, 451);
}

TEST(HomingRockets, NeverClimbEvenWithTheShipAbove) {
  BossFight fight(7);
  fight.PutShip(300, 100);
  // Lined up under the ship's middle: straight down, drawn unturned, at the
  // square root of its height.
  auto& rocket = fight.PlaceShot<Boss1HomingRocket>("rocet_1", 315, 200);
  auto& even = fight.PlaceShot<Boss5HomingRocket>("rocet_1", 315, 200);
  fight.Step();
  EXPECT_EQ(rocket.Aim, 64);
  EXPECT_EQ(rocket.Angle, 0);
  EXPECT_NEAR(rocket.Y, 200 + std::sqrt(200.0), 0.01);
  EXPECT_NEAR(rocket.X, 315, 0.1);
  EXPECT_NEAR(even.Y, 212, 0.01);
  const double before = rocket.Y;
  fight.Step();
  EXPECT_GT(rocket.Y - before, std::sqrt(200.0));
}

TEST(HomingRockets, TurnTowardTheShip) {
  BossFight fight(35);
  fight.PutShip(100, 400);
  auto& rocket = fight.PlaceShot<Boss5HomingRocket>("rocet_1", 400, 300);
  fight.Step();
  // Toward (-285, 150): down and well to the left.
  EXPECT_EQ(rocket.Aim, 109);
  EXPECT_EQ(rocket.Angle, 45);
  EXPECT_NEAR(rocket.X, 400 + 12 * std::cos(109 * kAimRadians), 1e-9);
}

TEST(HomingRockets, TheThrownRocketDriftsUntilWellBelowTheBoss) {
  BossFight fight(14);
  fight.PutShip(700, 400);
  auto& rocket = fight.PlaceShot<Boss2ThrownRocket>("rocet_1", 200, 30);
  rocket.DriftX = -5;
  fight.Step();
  EXPECT_EQ(rocket.X, 195);
  EXPECT_DOUBLE_EQ(rocket.Y, 30 + std::sqrt(15.0));
  while (rocket.Y < 120) fight.Step();
  EXPECT_EQ(rocket.Angle, 0);
  const double x = rocket.X;
  fight.Step();
  EXPECT_GT(rocket.X, x);
  EXPECT_NE(rocket.Angle, 0);
}

TEST(ChargedLasers, RideTheBossAimAtStep45AndDartAtStep50) {
  BossFight fight(7);
  fight.PutShip(200, 516);
  auto& boss = fight.PlaceBoss<Boss1>("boss1", 680, 10);
  auto& laser = fight.PlaceShot<Boss1ChargedLaser>("shell1_1", 700, 10);
  fight.Step(45);
  EXPECT_EQ(boss.X, 545);
  EXPECT_EQ(laser.X, 555);
  EXPECT_EQ(laser.Y, 10);
  fight.Step();
  // From the boss's corner less 25, to the ship's own height plus 15.
  const int aim = AimToward(200 - 542 - 25, 516 + 15, 0);
  EXPECT_EQ(laser.Aim, aim);
  fight.Step(4);
  EXPECT_EQ(laser.Angle, aim);
  EXPECT_EQ(laser.X, boss.X + 10);
  const double x = laser.X;
  fight.Step();
  EXPECT_DOUBLE_EQ(laser.X, x + 35 * std::cos(aim * kAimRadians));
  EXPECT_DOUBLE_EQ(laser.Y, 10 + 35 * std::sin(aim * kAimRadians));
}

TEST(ChargedLasers, SoundAsTheyAimByKind) {
  BossFight fight(35);
  fight.PutShip(700, 516);
  fight.State().bossX = 100;
  fight.State().bossY = 20;
  fight.PlaceShot<Boss1ChargedLaser>("shell1_1", 100, 10);
  fight.PlaceShot<Boss4ChargedLaser>("shell3_1", 100, 10);
  auto& low = fight.PlaceShot<Boss5ChargedLaser>("shell3_1", 100, 10);
  fight.Step(45);
  EXPECT_EQ(low.X, 135);
  EXPECT_EQ(low.Y, 165);
  fight.SoundsPlayed();
  fight.Step();
  const auto sounds = fight.SoundsPlayed();
  EXPECT_EQ(Count(sounds, "hero_lazer"), 1);
  EXPECT_EQ(Count(sounds, "little_lazer"), 1);
}

// Emitter at the boss, ship high on the right: the beam runs down and right
// at aim 8 and never touches the ship.
struct LoneBeam {
  BossFight fight{14};
  Boss2BeamEmitter* emitter;
  LoneBeam() {
    fight.PutShip(700, 1);
    fight.State().bossX = 100;
    fight.State().bossY = 20;
    emitter = &fight.PlaceShot<Boss2BeamEmitter>("shell2_2", 130, 140);
  }
  // Where segment `k` of the beam lies.
  struct Spot {
    double x, y;
  };
  static Spot Segment(int k) {
    return {std::cos(8 * kAimRadians) * k * 100 + 120, std::sin(8 * kAimRadians) * k * 100 + 190};
  }
};

TEST(Beam, GrowsToEightSegmentsThenRunsItsCycle) {
  LoneBeam beam;
  BossFight& fight = beam.fight;
  fight.Step(31);
  EXPECT_TRUE(fight.Alive<Boss2BeamSegment>().empty());
  EXPECT_EQ(beam.emitter->X, 120);
  EXPECT_EQ(fight.State().beamAim, 8);
  fight.Step(8);
  auto segments = fight.Alive<Boss2BeamSegment>();
  ASSERT_EQ(segments.size(), 8u);
  EXPECT_EQ(segments[0]->X, 120);
  EXPECT_EQ(segments[0]->Y, 190);
  EXPECT_DOUBLE_EQ(segments[7]->X, LoneBeam::Segment(7).x);
  EXPECT_DOUBLE_EQ(segments[7]->Y, LoneBeam::Segment(7).y);
  EXPECT_EQ(segments[7]->Angle, 8);
  fight.Step();
  ASSERT_EQ(fight.Alive<Boss2BeamSegment>().size(), 1u);
  EXPECT_DOUBLE_EQ(fight.Only<Boss2BeamSegment>().X, LoneBeam::Segment(8).x);
  EXPECT_EQ(fight.State().beamCount, 17);
  fight.Step();
  // A tenth segment far off the surface, and the count back at 0.
  EXPECT_DOUBLE_EQ(fight.Only<Boss2BeamSegment>().X, LoneBeam::Segment(17).x);
  EXPECT_EQ(fight.State().beamCount, 0);
  fight.Step(19);
  EXPECT_EQ(fight.Alive<Boss2BeamEmitter>().size(), 1u);
  fight.Step();
  EXPECT_TRUE(fight.Alive<Boss2BeamEmitter>().empty());
  EXPECT_EQ(fight.Alive<Boss2BeamSegment>().size(), 1u);
}

TEST(Beam, SegmentsLostOnTheShipDoNotStopLaterBeams) {
  LoneBeam beam;
  BossFight& fight = beam.fight;
  fight.Step(32);
  // Beside the emitter, over the first segment and then the second.
  fight.PutShip(180, 160);
  fight.Step(2);
  EXPECT_EQ(fight.State().heroDamage, 4);
  fight.PutShip(700, 1);
  fight.Step(8);
  // Two segments short, the count cannot come round to the end of the cycle.
  EXPECT_TRUE(fight.Alive<Boss2BeamSegment>().empty());
  EXPECT_NE(fight.State().beamCount, 0);
  fight.Step(19);
  EXPECT_TRUE(fight.Alive<Boss2BeamEmitter>().empty());
  EXPECT_EQ(fight.State().beamCount, 0);

  // Nor does a beam cut short in an earlier fight.
  fight.State().beamCount = 12;
  fight.PlaceBoss<Boss2>("boss2", 300, 20);
  fight.Step();
  EXPECT_EQ(fight.State().beamCount, 0);
}

TEST(Beam, AnEmitterPutOutByTheShipTakesItsBeamWithIt) {
  LoneBeam beam;
  BossFight& fight = beam.fight;
  fight.Step(34);
  ASSERT_EQ(fight.Alive<Boss2BeamSegment>().size(), 3u);
  // On the emitter, clear of the segments below it.
  fight.PutShip(110, 70);
  fight.Step();
  EXPECT_EQ(fight.State().heroDamage, 1);
  EXPECT_TRUE(fight.Alive<Boss2BeamEmitter>().empty());
  EXPECT_TRUE(fight.Alive<Boss2BeamSegment>().empty());
  EXPECT_EQ(fight.State().beamCount, 0);

  // The next beam runs its whole course.
  fight.PutShip(700, 1);
  fight.PlaceShot<Boss2BeamEmitter>("shell2_2", 130, 140);
  fight.Step(39);
  EXPECT_EQ(fight.Alive<Boss2BeamSegment>().size(), 8u);
  fight.Step(2);
  EXPECT_DOUBLE_EQ(fight.Only<Boss2BeamSegment>().X, LoneBeam::Segment(17).x);
  EXPECT_EQ(fight.State().beamCount, 0);
}

TEST(Bombs, BurstAboveTheBottomIntoSixteenPellets) {
  BossFight fight(21);
  fight.PutShip(700, 1);
  auto& bomb = fight.PlaceShot<Boss3Bomb>("shell3_0", 100, 400);
  fight.Step(12);
  EXPECT_EQ(bomb.Y, 520);
  fight.SoundsPlayed();
  fight.Step();
  EXPECT_TRUE(fight.Alive<Boss3Bomb>().empty());
  const ShellImpact& blast = fight.Only<ShellImpact>();
  EXPECT_EQ(blast.Image->Name, "Exp");
  EXPECT_EQ(blast.X, 100);
  EXPECT_EQ(blast.Y, 530);
  const auto pellets = fight.Alive<MineFragment>();
  ASSERT_EQ(pellets.size(), 16u);
  for (const MineFragment* pellet : pellets) {
    EXPECT_EQ(pellet->X, 115);
    EXPECT_EQ(pellet->Y, 559.5);
    EXPECT_LE(pellet->Image->Name, "sh5");
  }
  const auto sounds = fight.SoundsPlayed();
  EXPECT_EQ(Count(sounds, "little_exp"), 1);
  EXPECT_EQ(Count(sounds, "little_shell"), 16);
  EXPECT_EQ(fight.State().heroDamage, 0);
}

// Where the pellets of a bomb are two steps after it bursts, in `level`.
std::vector<std::pair<double, double>> PelletsAfterBurst(int level) {
  BossFight fight(level);
  fight.PutShip(700, 1);
  fight.PlaceShot<Boss3Bomb>("shell3_0", 100, 400);
  fight.Step(15);
  std::vector<std::pair<double, double>> spots;
  for (const MineFragment* pellet : fight.Alive<MineFragment>()) {
    spots.emplace_back(pellet->X, pellet->Y);
  }
  return spots;
}

TEST(Bombs, PelletsScatterAtOnceJustAsTheMinesFragmentsDo) {
  const auto spots = PelletsAfterBurst(21);
  ASSERT_FALSE(spots.empty());
  for (const auto& [x, y] : spots) EXPECT_NE(std::make_pair(x, y), std::make_pair(115.0, 559.5));
  // The same draws, the same speeds and the same removals as in a mines level.
  EXPECT_EQ(spots, PelletsAfterBurst(22));
}

TEST(Bombs, BurstAtOnceOnTheShip) {
  BossFight fight(21);
  fight.PutShip(400, 300);
  fight.PlaceShot<Boss3Bomb>("shell3_0", 410, 280);
  fight.Step();
  EXPECT_EQ(fight.State().heroDamage, 5);
  EXPECT_EQ(fight.Alive<MineFragment>().size(), 16u);
}

TEST(StraightShots, FlyAlongTheirAimAndTheBoltSinksBelowTheBoss) {
  BossFight fight(21);
  fight.PutShip(700, 516);
  auto& bolt = fight.PlaceShot<Boss3AimedBolt>("shell3_1", 300, 100);
  bolt.Aim = 64;
  bolt.SetZ(1);
  // Above the top edge: the bolt carries on, the pellet goes.
  auto& high_bolt = fight.PlaceShot<Boss3AimedBolt>("shell3_1", 200, -50);
  high_bolt.Aim = 64;
  auto& pellet = fight.Place<Boss4FanPellet>(Holder::kBoss, "ListSh", "sh0", 500, 100);
  pellet.Aim = 30;
  fight.Place<Boss4FanPellet>(Holder::kBoss, "ListSh", "sh0", 600, -50).Aim = 64;
  fight.Step(3);
  EXPECT_EQ(bolt.Z(), 1);
  EXPECT_EQ(bolt.Angle, 64);
  EXPECT_NEAR(bolt.Y, 145, 0.01);
  EXPECT_EQ(fight.Alive<Boss3AimedBolt>().size(), 2u);
  EXPECT_EQ(fight.Alive<Boss4FanPellet>().size(), 1u);
  EXPECT_EQ(pellet.Angle, -34);
  EXPECT_NEAR(pellet.X, 500 + 3 * 12 * std::cos(30 * kAimRadians), 1e-9);
  fight.Step();
  EXPECT_EQ(bolt.Z(), 0);
}

TEST(BossShots, GoWhenTheirOwnBossHasFallen) {
  BossFight fight(21);
  fight.PutShip(700, 1);
  fight.State().bossX = 100;
  fight.State().bossY = 20;
  fight.PlaceShot<Boss1FallingBolt>("shell1_0", 100, 200);
  fight.PlaceShot<Boss2BeamSegment>("shell2_1", 100, 300);
  fight.PlaceShot<Boss3Bomb>("shell3_0", 200, 200);
  fight.PlaceShot<Boss4ChargedLaser>("shell3_1", 300, 10);
  fight.PlaceShot<Boss5FallingBolt>("shell1_0", 400, 200);
  fight.State().bossHits = 200;
  fight.Step();
  EXPECT_TRUE(fight.Alive<Boss1FallingBolt>().empty());
  EXPECT_TRUE(fight.Alive<Boss2BeamSegment>().empty());
  EXPECT_TRUE(fight.Alive<Boss3Bomb>().empty());
  EXPECT_EQ(fight.Alive<Boss4ChargedLaser>().size(), 1u);
  EXPECT_EQ(fight.Alive<Boss5FallingBolt>().size(), 1u);
}

// What a shot does on the ship at (400, 300), placed to touch it after its
// move; a laser or emitter sits where the boss's position puts it.
struct Strike {
  const char* explosion;
  double frame_speed;
  const char* sound;
  double damage;
};

template <class Shot>
void ExpectStrike(BossFight& fight, const char* picture, const Strike& strike, double boss_x = 0,
                  double boss_y = 0, int aim = 0) {
  SCOPED_TRACE(picture);
  fight.State().heroDamage = 0;
  fight.State().bossX = boss_x;
  fight.State().bossY = boss_y;
  fight.SoundsPlayed();
  const uint32_t mark = fight.LastSerial();
  auto& shot = fight.PlaceShot<Shot>(picture, 410, 295);
  if constexpr (requires(Shot & s) { s.Aim; }) shot.Aim = aim;
  fight.Step();
  EXPECT_TRUE(fight.Alive<Shot>().empty());
  EXPECT_EQ(fight.State().heroDamage, strike.damage);
  const auto blasts = fight.NewSince<ShellImpact>(mark);
  ASSERT_EQ(blasts.size(), 1u);
  EXPECT_EQ(blasts[0]->Image->Name, strike.explosion);
  EXPECT_DOUBLE_EQ(blasts[0]->FrameSpeed, strike.frame_speed);
  EXPECT_EQ(Count(fight.SoundsPlayed(), strike.sound), 1);
}

TEST(BossShots, StrikeTheShipEachInItsOwnWay) {
  BossFight fight(7);
  fight.PutShip(400, 300);
  const double slow = 1.0 / 3;
  ExpectStrike<Boss1FallingBolt>(fight, "shell1_0", {"ExpRocket", 0.5, "hero_rocet_exp", 1});
  ExpectStrike<Boss1HomingRocket>(fight, "rocet_1", {"ExpShell", 0.5, "hero_shell_exp", 1});
  ExpectStrike<Boss1ChargedLaser>(fight, "shell1_1", {"ExpRocket", 0.5, "hero_rocet_exp", 2}, 400,
                                  295);
  ExpectStrike<Boss2BeamEmitter>(fight, "shell2_2", {"ExpShell", slow, "hero_rocet_exp", 1}, 390,
                                 175);
  ExpectStrike<Boss2ThrownRocket>(fight, "rocet_1", {"ExpShell", slow, "hero_rocet_exp", 1});
  ExpectStrike<Boss2BeamSegment>(fight, "shell2_1", {"ExpRocket", slow, "hero_rocet_exp", 2});
  ExpectStrike<Boss3AimedBolt>(fight, "shell3_1", {"ExpRocket", slow, "hero_rocet_exp", 3}, 0, 0,
                               64);
  ExpectStrike<Boss4FanPellet>(fight, "shell", {"ExpShell", slow, "little_shell_exp", 1}, 0, 0, 64);
  ExpectStrike<Boss4ChargedLaser>(fight, "shell3_1", {"ExpRocket", slow, "hero_rocet_exp", 2}, 385,
                                  295);
  ExpectStrike<Boss5FallingBolt>(fight, "shell1_0", {"ExpShell", slow, "hero_rocet_exp", 1});
  ExpectStrike<Boss5HomingRocket>(fight, "rocet_1", {"ExpShell", slow, "hero_rocet_exp", 1});
  ExpectStrike<Boss5ChargedLaser>(fight, "shell3_1", {"ExpRocket", slow, "hero_rocet_exp", 2}, 375,
                                  150);
}

TEST(BossShots, OnlyTheFirstLaserFlaresOnTheShipItself) {
  BossFight fight(7);
  fight.PutShip(400, 300);
  fight.State().bossX = 400;
  fight.State().bossY = 295;
  fight.PlaceShot<Boss1ChargedLaser>("shell1_1", 410, 295);
  fight.PlaceShot<Boss1FallingBolt>("shell1_0", 420, 280);
  fight.Step();
  const auto blasts = fight.Alive<ShellImpact>();
  ASSERT_EQ(blasts.size(), 2u);
  EXPECT_EQ(blasts[0]->X, 400);
  EXPECT_EQ(blasts[0]->Y, 300);
  EXPECT_EQ(blasts[1]->X, 420);
  EXPECT_EQ(blasts[1]->Y, 295);
}

}  // namespace
}  // namespace zephyrant::testing
