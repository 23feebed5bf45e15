// SPDX-License-Identifier: GPL-3.0-or-later
// The small enemies' fire: when and what each level fires, how the shots fly
// and what they do to the ship.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "common/explosions.h"
#include "enemies/aim.h"
#include "enemies/set1/set1_enemy.h"
#include "enemies/set1/set1_shots.h"
#include "enemies/set2/set2_enemy.h"
#include "enemies/set2/set2_shots.h"
#include "enemies/set3/set3_enemy.h"
#include "enemies/set3/set3_shots.h"
#include "enemies/set4/set4_shots.h"
#include "enemies/set5/set5_enemy.h"
#include "enemies/set5/set5_shots.h"
#include "tests/enemies/small_play.h"

namespace zephyrant::testing {
namespace {

// Gaps between shots, in steps: 250 and 600 clock units at 5 a step.
constexpr int kShortGapSteps = 50;
constexpr int kLongGapSteps = 120;

template <class Shot>
Shot& PlaceShot(SmallPlay& play, const char* picture, double x, double y) {
  return play.Place<Shot>(Holder::kEnemy, "LittleShell", picture, x, y);
}

// An enemy flies until its gap first allows a shot, and the generator then
// deals the draws of that step.
template <class Enemy>
Enemy& FlyToFirstChance(SmallPlay& play, const char* picture, double x, double y, int gap_steps,
                        const std::function<bool(RandomGenerator&)>& deal) {
  play.GhostShip();
  Enemy& enemy = play.PlaceEnemy<Enemy>(picture, x, y);
  play.Step(gap_steps);
  play.Deal(deal);
  play.SoundsPlayed();
  play.Step();
  return enemy;
}

TEST(SmallEnemyFire, APairOnlyOnceTheGapHasRunAndInTheDrawOrder) {
  SmallPlay play(1);
  const auto& enemy = play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 100);
  // The fire roll comes up at once, but the enemy's own gap has not run.
  play.Deal([](RandomGenerator& r) { return r(250) == 1; });
  play.Step(kShortGapSteps);
  EXPECT_TRUE(play.Alive<Set1BulletOrRocket>().empty());
  // Fire roll, then aim roll, then picture.
  play.Deal([](RandomGenerator& r) { return r(250) == 1 && r(10) == 3 && r(6) == 4; });
  play.SoundsPlayed();
  play.Step();
  const auto shots = play.Alive<Set1BulletOrRocket>();
  ASSERT_EQ(shots.size(), 2u);
  for (const Set1BulletOrRocket* shot : shots) {
    EXPECT_EQ(shot->Image->Name, "shell5");
    EXPECT_EQ(shot->Aim, 64);
    EXPECT_EQ(shot->Y, enemy.Y + 37);
    EXPECT_TRUE(shot->PixelExact);
  }
  EXPECT_EQ(shots[0]->X, 105);
  EXPECT_EQ(shots[1]->X, 125);
  EXPECT_EQ(play.SoundCount("little_shell"), 2);
  // The gap now runs from this pair.
  play.Deal([](RandomGenerator& r) { return r(250) == 1; });
  play.Step();
  EXPECT_EQ(play.Alive<Set1BulletOrRocket>().size(), 2u);
}

TEST(SmallEnemyFire, AimedShotsEachAimFromWhereTheyStart) {
  SmallPlay play(1);
  // The ship's aim point stands straight below the left gun.
  play.PutShip(90, play.PlayerShip().Y);
  play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 100);
  play.Step(kShortGapSteps);
  play.Deal([](RandomGenerator& r) { return r(250) == 1 && r(10) == 1; });
  play.Step();
  const auto shots = play.Alive<Set1BulletOrRocket>();
  ASSERT_EQ(shots.size(), 2u);
  EXPECT_EQ(shots[0]->Aim, 64);
  EXPECT_GT(shots[1]->Aim, 64);  // back to the left
}

TEST(SmallEnemyFire, EachLevelFiresItsOwnShot) {
  {
    SmallPlay play(2);
    auto& enemy = FlyToFirstChance<Set1Enemy>(play, "little_boss_2_10", 800, 50, kLongGapSteps,
                                              [](RandomGenerator& r) { return r(500) == 5; });
    const auto& laser = play.Only<Set1BulletOrLaser>();
    EXPECT_EQ(laser.Image->Name, "shell8");
    EXPECT_EQ(laser.X, enemy.X + 7);
    EXPECT_EQ(laser.Y, enemy.Y + 26);
    EXPECT_EQ(laser.FrameSpeed, 2.0);
    EXPECT_TRUE(laser.FrameLooped);
    EXPECT_EQ(laser.DriftX, 2 * enemy.SpeedX());
    EXPECT_EQ(play.SoundCount("little_lazer"), 1);
  }
  {
    SmallPlay play(6);
    FlyToFirstChance<Set1Enemy>(play, "little_boss_6", 800, 100, kLongGapSteps,
                                [](RandomGenerator& r) { return r(700) == 5; });
    const auto& rocket = play.Only<Set1BulletOrRocket>();
    EXPECT_EQ(rocket.Image->Name, "rocet_1");
    EXPECT_FALSE(rocket.PixelExact);
    EXPECT_EQ(rocket.FrameSpeed, 1.0);
    EXPECT_EQ(rocket.Aim, 0);
    EXPECT_EQ(play.SoundCount("hero_rocet"), 1);
  }
  {
    // The level-10 laser leaves silently.
    SmallPlay play(10);
    auto& enemy = FlyToFirstChance<Set2Enemy>(play, "little_boss_2_10", -37, 100, kLongGapSteps,
                                              [](RandomGenerator& r) { return r(700) == 5; });
    const auto& laser = play.Only<Set2HomingLaser>();
    EXPECT_EQ(laser.X, enemy.X + 20);
    EXPECT_EQ(laser.DriftX, enemy.SpeedX());
    EXPECT_EQ(laser.DriftY, 0.2);
    EXPECT_TRUE(play.SoundsPlayed().empty());
  }
  {
    SmallPlay play(11);
    auto& enemy = FlyToFirstChance<Set2Enemy>(
        play, "little_boss_11", 800, 100, kLongGapSteps,
        [](RandomGenerator& r) { return r(250) == 5 && (r(10), true) && r(6) == 2; });
    const auto& ball = play.Only<Set2Bullet>();
    EXPECT_EQ(ball.Image->Name, "shell_11");
    EXPECT_EQ(ball.X, enemy.X + 18.5);
    EXPECT_EQ(ball.DriftX, enemy.SpeedX());
  }
  {
    SmallPlay play(17);
    auto& enemy =
        FlyToFirstChance<Set3Enemy>(play, "little_boss_17", 900, 0, kLongGapSteps,
                                    [](RandomGenerator& r) { return r(250) == 5 && r(2) == 0; });
    const auto pair = play.Alive<Set3FormationBullet>();
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[1]->X, enemy.X + 35);
    EXPECT_EQ(pair[1]->Y, enemy.Y + 33);
    EXPECT_EQ(pair[1]->Aim, 64);
  }
  {
    SmallPlay play(29);
    auto& enemy = FlyToFirstChance<Set5Enemy>(play, "little_boss_29", 0, 100, kLongGapSteps,
                                              [](RandomGenerator& r) { return r(700) == 5; });
    const auto& shot = play.Only<Set5BulletOrLaser>();
    const double x = enemy.X + 20;
    const double y = enemy.Y + 25;
    EXPECT_EQ(shot.X, x);
    const GameState& state = play.State();
    EXPECT_EQ(shot.Aim, AimToward(state.heroX + 15 - x, state.heroY + 50 - y, -1));
  }
  {
    // Half the shot's own width in from the enemy's edge, less 5.
    SmallPlay play(33);
    auto& enemy = FlyToFirstChance<Set5Enemy>(
        play, "little_boss_5", 100, 100, kShortGapSteps,
        [](RandomGenerator& r) { return r(700) == 1 && (r(3), true) && r(6) == 0; });
    const auto& shot = play.Only<Set5HomingBullet>();
    EXPECT_EQ(shot.X, enemy.X - 2.5);
    EXPECT_EQ(shot.Y, enemy.Y + 37);
  }
}

TEST(SmallEnemyShots, FlyTwelvePixelsAStepDrawnAlongTheirAim) {
  SmallPlay play(3);
  auto& down = PlaceShot<Set1BulletOrLaser>(play, "shell1", 200, 100);
  down.Aim = 64;
  auto& right = PlaceShot<Set1BulletOrLaser>(play, "shell1", 200, 200);
  play.Step();
  EXPECT_NEAR(down.X, 200.076, 0.001);
  EXPECT_NEAR(down.Y, 112, 0.001);
  EXPECT_EQ(down.Angle, 0);
  EXPECT_EQ(right.X, 212);
  EXPECT_EQ(right.Angle, -64);
}

TEST(SmallEnemyShots, HurtTheShipAndNothingElse) {
  SmallPlay play(7);  // no shot moves in a boss level
  const Ship& hero = play.PlayerShip();
  play.PlaceEnemy<Set1Enemy>("little_boss_1", 100, 100);
  auto& miss = PlaceShot<Set1BulletOrRocket>(play, "shell1", 110, 110);
  PlaceShot<Set1BulletOrRocket>(play, "shell1", hero.X + 10, hero.Y + 10);
  PlaceShot<Set2HomingLaser>(play, "shell8", hero.X + 10, hero.Y + 20);
  PlaceShot<Set5BulletOrLaser>(play, "shell1", hero.X + 20, hero.Y + 30);
  play.SoundsPlayed();
  play.Step();
  EXPECT_EQ(play.State().heroDamage, 1.5);
  EXPECT_EQ(play.Alive<Set1BulletOrRocket>().size(), 1u);
  EXPECT_FALSE(miss.Killed());
  EXPECT_TRUE(play.Alive<Set2HomingLaser>().empty());
  EXPECT_TRUE(play.Alive<Set5BulletOrLaser>().empty());
  const auto impacts = play.Alive<ShellImpact>();
  ASSERT_EQ(impacts.size(), 3u);
  EXPECT_EQ(impacts[0]->Image->Name, "ExpLittle");
  EXPECT_EQ(impacts[0]->X, hero.X + 10);
  EXPECT_EQ(impacts[0]->Y, hero.Y + 10);
  EXPECT_EQ(impacts[0]->FrameSpeed, 0.5);
  EXPECT_EQ(impacts[1]->FrameSpeed, 1.0 / 3);
  EXPECT_EQ(impacts[2]->FrameSpeed, 1.0);
  EXPECT_EQ(play.SoundCount("little_shell_exp"), 3);
}

TEST(SmallEnemyShots, HomingShotsBelowTheShipSlideAcrossButNeverClimb) {
  for (int level : {6, 33}) {
    SmallPlay play(level);
    play.GhostShip();
    // The ship's aim point is 15 to the right and 50 below its corner.
    play.PutShip(400, 516);
    RotatedSprite& shot =
        level == 6
            ? static_cast<RotatedSprite&>(PlaceShot<Set1BulletOrRocket>(play, "rocet_1", 600, 580))
            : PlaceShot<Set5HomingBullet>(play, "shell1", 600, 580);
    play.Step();
    EXPECT_LT(shot.X, 600 - 11.8) << level;
    EXPECT_GT(shot.Y, 580) << level;
  }
}

template <class Laser>
void ExpectDriftRestDart(int level) {
  SmallPlay play(level);
  play.GhostShip();
  auto& laser = PlaceShot<Laser>(play, "shell8", 100, 100);
  laser.DriftX = 2;
  laser.DriftY = 0.5;
  play.Step(30);
  EXPECT_EQ(laser.X, 160);
  EXPECT_EQ(laser.Y, 115);
  EXPECT_EQ(laser.Angle, 0);
  play.Step();
  EXPECT_EQ(laser.X, 160);
  EXPECT_EQ(laser.Y, 115);
  EXPECT_EQ(laser.Aim, AimToward(400 + 15 - 160, 516 + 15 - 115, -1));
  // Moving the ship no longer turns it.
  const int aim = laser.Aim;
  play.PutShip(100, 516);
  play.Step();
  EXPECT_NEAR(std::hypot(laser.X - 160, laser.Y - 115), 12, 1e-9);
  EXPECT_EQ(laser.Aim, aim);
  EXPECT_EQ(laser.Angle, aim);
}

TEST(SmallEnemyShots, DriftingLasersRestOneStepThenDartOnOneAim) {
  ExpectDriftRestDart<Set1BulletOrLaser>(2);
  ExpectDriftRestDart<Set5BulletOrLaser>(31);
}

TEST(SmallEnemyShots, TheHomingLaserWarnsThenChasesTheShip) {
  SmallPlay play(10);
  play.GhostShip();
  auto& laser = PlaceShot<Set2HomingLaser>(play, "shell8", 100, 100);
  laser.DriftY = 0.2;
  play.Step(25);
  EXPECT_EQ(play.SoundCount("little_lazer"), 0);
  play.Step();
  EXPECT_EQ(play.SoundCount("little_lazer"), 1);
  play.Step(5);  // the 31st step rests
  EXPECT_NEAR(laser.Y, 106, 1e-9);
  play.Step();
  EXPECT_NEAR(std::hypot(laser.X - 100, laser.Y - 106), 10, 1e-9);
  const int first_aim = laser.Aim;
  play.PutShip(700, 516);
  play.Step();
  EXPECT_LT(laser.Aim, first_aim);  // turned toward the ship's new place
}

TEST(SmallEnemyShots, AreGoneOnceAtOrPastAnEdge) {
  SmallPlay play(15);
  PlaceShot<Set3FallingBullet>(play, "shell1", 100, -30);  // still above the screen
  PlaceShot<Set3FallingBullet>(play, "shell1", 100, 588);
  const auto& inside = PlaceShot<Set3FallingBullet>(play, "shell1", 100, 300);
  play.Step();
  ASSERT_EQ(play.Alive<Set3FallingBullet>().size(), 1u);
  EXPECT_EQ(play.Alive<Set3FallingBullet>().front(), &inside);
}

TEST(SmallEnemyShots, FragmentsOutlastOtherShotsButNotANewGame) {
  SmallPlay play(22);
  auto& fragment = play.Place<MineFragment>(Holder::kBoss, "ListSh", "sh0", 300, 300);
  fragment.DriftX = 1;
  fragment.DriftY = 1;
  PlaceShot<Set4Bullet>(play, "shell1", 300, 100);
  play.State().bossHits = 100;
  play.Step();
  EXPECT_TRUE(play.Alive<Set4Bullet>().empty());
  EXPECT_EQ(fragment.X, 301);
  play.State().bossHits = 0;
  // They stay on through the main menu and the options screen.
  play.State().screenState = kMainMenu;
  play.Step();
  play.State().screenState = kOptions;
  play.Step();
  EXPECT_EQ(play.Alive<MineFragment>().size(), 1u);
  play.State().levelNumber = 1;
  play.Step();
  EXPECT_TRUE(play.Alive<MineFragment>().empty());
}

TEST(SmallEnemyShots, AFragmentWithoutDriftRestsAStepAndDrawsAgain) {
  SmallPlay play(23);
  // Both drifts come out 0 first; the next four draws are kept for later.
  int drift_x = 0;
  int drift_y = 0;
  play.Deal([&](RandomGenerator& r) {
    const int x_first = r(25);
    const int x_second = r(25);
    const int y_first = r(25);
    const int y_second = r(25);
    if (x_first != x_second || y_first != y_second) return false;
    drift_x = r(25);
    drift_x -= r(25);
    drift_y = r(25);
    drift_y -= r(25);
    return drift_x != 0 && drift_y != 0;
  });
  const auto& fragment = play.Place<MineFragment>(Holder::kBoss, "ListSh", "sh2", 300, 300);
  play.Step();
  EXPECT_EQ(fragment.X, 300);
  EXPECT_EQ(fragment.Y, 300);
  play.Step();
  EXPECT_EQ(fragment.X, 300 + drift_x);
  EXPECT_EQ(fragment.Y, 300 + drift_y);
}

}  // namespace
}  // namespace zephyrant::testing
