// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A boss fight on the headless platform: a game under way with the ship in,
// the level timers stopped so that no script runs, and ways to place the
// ship and to choose what the random generator deals next.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "player/ship.h"
#include "tests/player/play.h"

namespace zephyrant::testing {

class BossFight : public Play {
 public:
  explicit BossFight(int level) {
    StartGame();
    Window().TimerLevel().SetEnabled(false);
    StepUntilShipIsIn();
    State().levelNumber = level;
  }

  template <class Boss>
  Boss& PlaceBoss(const char* image, double x, double y) {
    return Place<Boss>(Holder::kBoss, "Boss", image, x, y);
  }

  template <class Shot>
  Shot& PlaceShot(const char* image, double x, double y) {
    return Place<Shot>(Holder::kBoss, "ListShell", image, x, y);
  }

  Ship& PlayerShip() { return Only<Ship>(); }

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

  // Sprites created since `serial`, of one class.
  template <class T>
  std::vector<T*> NewSince(uint32_t serial) {
    std::vector<T*> found;
    for (T* sprite : Alive<T>()) {
      if (sprite->Serial() > serial) found.push_back(sprite);
    }
    return found;
  }

  uint32_t LastSerial() {
    uint32_t last = 0;
    for (const Sprite* sprite : Window().Engine().Sprites())
      last = std::max(last, sprite->Serial());
    return last;
  }
};

// How many times `name` is among `sounds`.
inline int Count(const std::vector<std::string>& sounds, const std::string& name) {
  return static_cast<int>(std::count(sounds.begin(), sounds.end(), name));
}

}  // namespace zephyrant::testing
