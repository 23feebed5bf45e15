// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A game under way on the headless platform, stepped frame by frame.

#include <vector>

#include "tests/runner/json_reader.h"
#include "tools/sim/sim_runner.h"
#include "world/sprite_kinds.h"

namespace zephyrant::testing {

// Stand-ins for the enemy classes: what the player's shots react to.
class FakeSmallEnemy final : public ImageSprite, public SmallEnemyKind {
 public:
  explicit FakeSmallEnemy(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int) override {}
};

class FakeBoss final : public ImageSprite, public BossKind {
 public:
  explicit FakeBoss(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int) override {}
};

class Play {
 public:
  explicit Play(uint32_t seed = 1) : runner_(Options(seed)) {}

  // A new game as the main menu starts one.
  void StartGame() {
    State().screenState = kPlaying;
    Window().NewGame();
  }

  void Step(int frames = 1) {
    for (int i = 0; i < frames; ++i) runner_.RunFrame();
  }
  // Steps until the ship has climbed in and can be steered.
  void StepUntilShipIsIn() { Step(28); }

  void Hold(Key key) { runner_.Machine().input.SetKey(key, true); }
  void Release(Key key) { runner_.Machine().input.SetKey(key, false); }
  void MovePointer(int x, int y) { runner_.Machine().MovePointer(Point{x, y}); }

  MainWindow& Window() { return runner_.Window(); }
  GameState& State() { return runner_.Window().State(); }
  HeadlessPlatform& Machine() { return runner_.Machine(); }

  // The living sprites of one class, in creation order.
  template <class T>
  std::vector<T*> Alive() {
    std::vector<T*> found;
    for (const Sprite* sprite : Window().Engine().Sprites()) {
      auto* typed = dynamic_cast<T*>(const_cast<Sprite*>(sprite));
      if (typed != nullptr && !typed->Killed()) found.push_back(typed);
    }
    return found;
  }

  template <class T>
  T& Only() {
    const std::vector<T*> all = Alive<T>();
    if (all.size() != 1) throw std::logic_error("expected exactly one sprite of the class");
    return *all.front();
  }

  // A stand-in enemy with a picture of `list` at (x, y).
  template <class T>
  T& Place(Holder holder, const char* list, const char* image, double x, double y) {
    T& sprite = Window().Engine().Spawn<T>();
    sprite.SetImage(Window().Images(holder, list).Item(image));
    sprite.X = x;
    sprite.Y = y;
    return sprite;
  }

  // Sounds started since the last call, by name.
  std::vector<std::string> SoundsPlayed() {
    std::vector<std::string> names;
    const Json dump = JsonReader::Read(runner_.Dump());
    for (const Json& sound : dump["sounds"].Items()) names.push_back(sound["name"].String());
    return names;
  }

 private:
  static SimOptions Options(uint32_t seed) {
    SimOptions options;
    options.seed = seed;
    options.asset_folder = ZEPHYRANT_SOURCE_ASSETS;
    return options;
  }

  SimRunner runner_;
};

}  // namespace zephyrant::testing
