// SPDX-License-Identifier: GPL-3.0-or-later
// The ship as the player flies it: climbing in, steering, gliding, firing,
// being destroyed and replaced.

#include "player/ship.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/banners.h"
#include "common/explosions.h"
#include "player/display.h"
#include "player/mounts.h"
#include "player/shots.h"
#include "tests/player/play.h"

namespace zephyrant::testing {
namespace {

// Opening or open: the table's own step moves it on from the opening.
bool OnTheHighScores(Play& play) {
  const int state = play.State().screenState;
  return state == kEnteringHighScores || state == kHighScores;
}

TEST(ShipEntry, ClimbsFrom600To516In28StepsWithoutSteering) {
  Play play;
  play.StartGame();
  play.Hold(Key::kLeft);
  play.Step(27);
  EXPECT_EQ(play.Only<Ship>().Y, 519);
  EXPECT_EQ(play.Only<Ship>().X, 400);
  play.Release(Key::kLeft);
  play.Step();
  EXPECT_EQ(play.Only<Ship>().Y, 516);
  play.Step(10);
  EXPECT_EQ(play.Only<Ship>().Y, 516);
  EXPECT_EQ(play.State().heroY, 516);
}

TEST(ShipEntry, FlamesSitUnderTheNozzles) {
  Play play;
  play.StartGame();
  play.Step(30);
  const Ship& hero = play.Only<Ship>();
  EXPECT_EQ(play.Only<LeftFlame>().X, hero.X + 5);
  EXPECT_EQ(play.Only<RightFlame>().X, hero.X + 36);
  EXPECT_EQ(play.Only<LeftFlame>().Y, hero.Y + 72);
}

TEST(ShipSteering, KeysMoveFourPixelsAStepAndGlideHalvingAfterRelease) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const double start = play.Only<Ship>().X;
  play.Hold(Key::kRight);
  play.Step(3);
  EXPECT_DOUBLE_EQ(play.Only<Ship>().X, start + 12);
  play.Release(Key::kRight);
  double last = play.Only<Ship>().X;
  for (double expected : {2.0, 1.0, 0.5, 0.25}) {
    play.Step();
    EXPECT_DOUBLE_EQ(play.Only<Ship>().X - last, expected);
    last = play.Only<Ship>().X;
  }
}

TEST(ShipSteering, OpposingKeysGoRightAndDown) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const Ship& hero = play.Only<Ship>();
  const double x = hero.X;
  const double y = hero.Y;
  play.Hold(Key::kLeft);
  play.Hold(Key::kRight);
  play.Hold(Key::kUp);
  play.Hold(Key::kDown);
  play.Step();
  EXPECT_DOUBLE_EQ(hero.X, x + 4);
  EXPECT_DOUBLE_EQ(hero.Y, y);  // already on the lowest line, held there
}

TEST(ShipSteering, StaysInsideThePlayfield) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  const Ship& hero = play.Only<Ship>();
  play.Hold(Key::kRight);
  play.Hold(Key::kUp);
  play.Step(200);
  EXPECT_EQ(hero.X, 755);
  EXPECT_EQ(hero.Y, 1);
  play.Release(Key::kRight);
  play.Release(Key::kUp);
  play.Hold(Key::kLeft);
  play.Hold(Key::kDown);
  play.Step(200);
  EXPECT_EQ(hero.X, 1);
  EXPECT_EQ(hero.Y, 516);
}

TEST(ShipSteering, FollowsTheMouseAndKeepsThePointerOnTheShip) {
  Play play;
  play.StartGame();
  play.Step();
  EXPECT_TRUE(play.Machine().display.MouseCaptured());
  play.StepUntilShipIsIn();
  const Ship& hero = play.Only<Ship>();
  // Moving left also sets the Left state, so the ship runs 4 pixels ahead.
  play.MovePointer(200, 300);
  play.Step();
  EXPECT_EQ(hero.X, 196);
  EXPECT_EQ(hero.Y, 296);
  EXPECT_EQ(play.Machine().display.PointerPosition().x, 196);
  // A pointer outside the playfield is pulled back to its edge first.
  play.MovePointer(799, 599);
  play.Step();
  EXPECT_EQ(hero.X, 755);
  EXPECT_EQ(hero.Y, 516);
}

// Steps on which new shells appeared while fire was held from the start.
std::vector<int> VolleySteps(Play& play, int steps) {
  std::vector<int> volleys;
  std::vector<const ShipShell*> known;
  for (int step = 1; step <= steps; ++step) {
    play.Step();
    for (const ShipShell* shell : play.Alive<ShipShell>()) {
      if (std::find(known.begin(), known.end(), shell) == known.end()) {
        known.push_back(shell);
        if (volleys.empty() || volleys.back() != step) volleys.push_back(step);
      }
    }
  }
  return volleys;
}

TEST(ShipFiring, AVolleyAtMostEvery14StepsFromTheFifteenth) {
  Play play;
  play.StartGame();
  play.Hold(Key::kSpace);
  EXPECT_EQ(VolleySteps(play, 45), (std::vector<int>{15, 29, 43}));
}

TEST(ShipFiring, RocketsWaitWhileTheFireKeyIsHeld) {
  Play play;
  play.StartGame();
  play.State().rocketCount = 5;
  play.Hold(Key::kSpace);
  play.Hold(Key::kShift);
  play.Step(60);
  EXPECT_TRUE(play.Alive<Rocket>().empty());
  EXPECT_EQ(play.State().rocketCount, 5);
  play.Release(Key::kSpace);
  play.Step(14);
  const auto rockets = play.Alive<Rocket>();
  ASSERT_EQ(rockets.size(), 2u);
  EXPECT_EQ(play.State().rocketCount, 4);
  const Ship& hero = play.Only<Ship>();
  EXPECT_EQ(rockets[1]->X - rockets[0]->X, hero.Width);
  EXPECT_EQ(rockets[0]->X, hero.X - 5);
}

TEST(ShipFiring, NoRocketsWithoutRocketsLeft) {
  Play play;
  play.StartGame();
  play.Hold(Key::kShift);
  play.Step(40);
  EXPECT_TRUE(play.Alive<Rocket>().empty());
  EXPECT_EQ(play.State().rocketCount, 0);
}

// Fires one volley at the weapon level and returns its shots.
std::vector<ShipShell*> OneVolley(Play& play, int weapon_level) {
  play.StartGame();
  play.State().weaponLevel = weapon_level;
  play.Step(14);
  play.Hold(Key::kSpace);
  play.Step();
  play.Release(Key::kSpace);
  return play.Alive<ShipShell>();
}

TEST(ShipFiring, WeaponLevelsFireTheirVolleys) {
  {
    Play play;
    const auto shells = OneVolley(play, 1);
    ASSERT_EQ(shells.size(), 1u);
    EXPECT_EQ(shells[0]->X, play.Only<Ship>().X + 20);
    EXPECT_TRUE(shells[0]->PixelExact);
    EXPECT_EQ(shells[0]->Image->Name, "shell");
  }
  {
    Play play;
    const auto shells = OneVolley(play, 2);
    ASSERT_EQ(shells.size(), 2u);
    EXPECT_EQ(shells[0]->X, play.Only<Ship>().X + 7);
    EXPECT_EQ(shells[1]->X, play.Only<Ship>().X + 30);
    EXPECT_FALSE(shells[0]->PixelExact);
    EXPECT_EQ(play.State().cannonFired, 1);
  }
  {
    Play play;
    const auto bolts = OneVolley(play, 3);
    ASSERT_EQ(bolts.size(), 3u);
    for (const ShipShell* bolt : bolts) {
      EXPECT_EQ(bolt->X, play.Only<Ship>().X + 20);
      EXPECT_EQ(bolt->Image->Name, "shell_can");
    }
    EXPECT_EQ(bolts[0]->Y - bolts[1]->Y, 60);
    EXPECT_EQ(bolts[1]->Y - bolts[2]->Y, 60);
    const auto sounds = play.SoundsPlayed();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "hero_lazer"), 3);
  }
}

TEST(ShipFiring, DoubleCannonReplaysItsFiringFramesOnEveryVolley) {
  Play play;
  play.StartGame();
  play.State().weaponLevel = 2;
  CreateCannonMount(play.Window(), CannonMount::kIdleFrameSpeed);
  play.Step(14);
  const CannonMount* idle = &play.Only<CannonMount>();
  EXPECT_EQ(idle->PatternIndex(), 3);  // played once and holds the last frame
  play.Hold(Key::kSpace);
  play.Step(2);
  const CannonMount& firing = play.Only<CannonMount>();
  EXPECT_NE(&firing, idle);
  EXPECT_EQ(firing.PatternIndex(), 1);
  EXPECT_EQ(firing.FrameSpeed, 1);
  EXPECT_EQ(play.State().cannonFired, 0);
  EXPECT_EQ(firing.X, play.State().heroX + 7);
}

TEST(ShipDamage, TenDestroysAndNineNinetyNineDoesNot) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  Ship* first = &play.Only<Ship>();
  play.State().heroDamage = 9.99;
  play.Step();
  EXPECT_EQ(&play.Only<Ship>(), first);
  EXPECT_EQ(play.State().livesIndex, 2);

  const double x = first->X;
  const double y = first->Y;
  play.State().heroDamage = 10.0;
  play.Step();
  const Ship& next = play.Only<Ship>();
  EXPECT_NE(&next, first);
  EXPECT_EQ(next.X, 400);
  EXPECT_EQ(play.State().livesIndex, 1);
  EXPECT_EQ(play.State().heroDamage, 0);
  EXPECT_EQ(play.Alive<LifeIcon>().size(), 2u);
  const Explosion& blast = play.Only<Explosion>();
  EXPECT_EQ(blast.X, x);
  EXPECT_EQ(blast.Y, y - 72);
  const auto sounds = play.SoundsPlayed();
  EXPECT_NE(std::find(sounds.begin(), sounds.end(), "hero_dead_exp"), sounds.end());
  // The new ship brings its flames; the old ones, which saw the damage
  // already repaired, follow it too and settle on its nozzles.
  play.Step(30);
  for (const LeftFlame* flame : play.Alive<LeftFlame>()) EXPECT_EQ(flame->X, next.X + 5);
  for (const RightFlame* flame : play.Alive<RightFlame>()) EXPECT_EQ(flame->Y, next.Y + 72);
  EXPECT_FALSE(play.Alive<RightFlame>().empty());
}

TEST(ShipDamage, ALostShipTakesOneWeaponLevel) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  play.State().weaponLevel = 3;
  play.State().heroDamage = 10;
  play.Step();
  EXPECT_EQ(play.State().weaponLevel, 2);
  EXPECT_EQ(play.Alive<CannonMount>().size(), 1u);
  play.State().heroDamage = 10;
  play.Step();
  EXPECT_EQ(play.State().weaponLevel, 1);
  play.Step();
  EXPECT_TRUE(play.Alive<CannonMount>().empty());
  play.State().heroDamage = 10;
  play.Step();
  EXPECT_EQ(play.State().weaponLevel, 1);
}

TEST(ShipDamage, LosingTheLastShipEndsTheGameAfterAKey) {
  Play play;
  play.StartGame();
  play.StepUntilShipIsIn();
  play.State().livesIndex = 0;
  play.State().heroDamage = 10;
  play.Step();
  EXPECT_TRUE(play.Alive<Ship>().empty());
  EXPECT_EQ(play.State().gameOverPhase, 1);
  EXPECT_EQ(play.Only<GameOverBanner>().X, 235);
  play.Step(2);
  EXPECT_TRUE(play.Alive<LeftFlame>().empty());
  EXPECT_EQ(play.Alive<LifeIcon>().size(), 2u);

  // The banner comes to rest in the middle and "Press any key" pulses.
  play.Step(80);
  EXPECT_EQ(play.Only<GameOverBanner>().Y, 270);
  const auto& texts = play.Window().Texts();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                          [](const TextRecord& t) { return t.text == "Press any key"; }));

  play.Window().OnKeyDown(Key::kShift);
  EXPECT_EQ(play.State().gameOverPhase, 2);
  EXPECT_EQ(play.State().heroDamage, 10);
  play.Step(70);
  EXPECT_TRUE(play.Alive<GameOverBanner>().empty());
  EXPECT_TRUE(OnTheHighScores(play));
  EXPECT_EQ(play.State().bossHits, 500);
  play.Step();
  EXPECT_FALSE(play.Machine().display.MouseCaptured());
  EXPECT_TRUE(play.Alive<HealthLabel>().empty());
}

TEST(ShipLevels, MeetingTheQuotaEndsTheLevelAndWinningResetsToLevelOne) {
  Play play;
  play.StartGame();
  play.Step(5);
  play.State().levelQuota = 3;
  play.State().enemiesGone = 4;
  play.Step();
  EXPECT_EQ(play.State().levelNumber, 2);
  EXPECT_EQ(play.State().bossHits, 500);
  EXPECT_EQ(play.State().enemiesGone, 0);
  EXPECT_EQ(play.State().levelPhase, 2);  // the complete banner is out
  const auto banners = play.Alive<LevelBanner>();
  ASSERT_FALSE(banners.empty());
  EXPECT_EQ(banners.back()->Image->Name, "complete");
  EXPECT_EQ(banners.back()->X, 400 - 373 / 2.0);

  play.State().levelNumber = 35;
  play.State().enemiesGone = 4;
  play.Step();
  EXPECT_EQ(play.State().levelNumber, 1);
  EXPECT_TRUE(OnTheHighScores(play));
}

}  // namespace
}  // namespace zephyrant::testing
