// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small-enemy level on the headless platform: a game under way with the
// ship in and the level timers stopped, so that no script runs and the tests
// place the enemies themselves.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "player/ship.h"
#include "player/shots.h"
#include "tests/player/play.h"

namespace zephyrant::testing {

class SmallPlay : public Play {
 public:
  explicit SmallPlay(int level) {
    StartGame();
    Window().TimerLevel().SetEnabled(false);
    StepUntilShipIsIn();
    State().levelNumber = level;
    // Far from the end of the level, so a kill does not end it.
    State().levelQuota = 1000;
  }

  // An enemy as the level scripts make it: pixel exact, at (x, y).
  template <class Enemy>
  Enemy& PlaceEnemy(const char* image, double x, double y) {
    Enemy& enemy = Place<Enemy>(Holder::kEnemy, "LittleBoss", image, x, y);
    enemy.PixelExact = true;
    return enemy;
  }

  // A player shell over the middle of `target`, as a level-1 volley fires it.
  ShipShell& ShellInto(const Sprite& target) {
    ShipShell& shell = Place<ShipShell>(Holder::kShip, "ListShell", "shell", 0, 0);
    shell.X = target.X + target.Width / 2 - shell.Width / 2;
    shell.Y = target.Y + target.Height / 2 - shell.Height / 2;
    shell.PixelExact = true;
    return shell;
  }

  Rocket& RocketInto(const Sprite& target) {
    Rocket& rocket = Place<Rocket>(Holder::kShip, "ListShell", "rocet", 0, 0);
    rocket.X = target.X + target.Width / 2 - rocket.Width / 2;
    rocket.Y = target.Y + target.Height / 2 - rocket.Height / 2;
    return rocket;
  }

  // One shell into `target` per step, `count` times.
  void Shoot(const Sprite& target, int count) {
    for (int i = 0; i < count; ++i) {
      ShellInto(target);
      Step();
    }
  }

  Ship& PlayerShip() { return Only<Ship>(); }
  // Enemies and shots pass through the ship without touching it.
  void GhostShip() { PlayerShip().Collidable = false; }

  // The ship stays where it is put while nothing steers it.
  void PutShip(double x, double y) {
    PlayerShip().X = x;
    PlayerShip().Y = y;
    State().heroX = x;
    State().heroY = y;
  }

  // Seeds the generator so that the next draws satisfy `deal`, which makes
  // them in the order the game will.
  void Deal(const std::function<bool(RandomGenerator&)>& deal) {
    for (uint32_t seed = 1; seed < 50'000'000; ++seed) {
      RandomGenerator trial(seed);
      if (deal(trial)) {
        Window().Random().SetSeed(seed);
        return;
      }
    }
    throw std::logic_error("no seed deals that");
  }

  int SoundCount(const std::string& name) {
    const std::vector<std::string> sounds = SoundsPlayed();
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
  }
};

}  // namespace zephyrant::testing
