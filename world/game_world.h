// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/assets.h"
#include "framework/frame_timer.h"
#include "framework/game_clock.h"
#include "framework/input.h"
#include "framework/platform.h"
#include "framework/random.h"
#include "framework/sprite.h"
#include "world/game_state.h"

namespace zephyrant {

class GameWorld;

// The sprite engine of the game: the way every sprite reaches the game state,
// the lists and the devices.
class GameEngine final : public SpriteEngine {
 public:
  explicit GameEngine(GameWorld& world) : world_(world) {}
  GameWorld& World() const { return world_; }

 private:
  GameWorld& world_;
};

inline GameWorld& WorldOf(const Sprite& sprite) {
  return static_cast<GameEngine*>(sprite.Engine)->World();
}

// How a game ended on its way to the high-score table.
enum class GameEnding {
  kWon,   // the last level's boss is beaten
  kLost,  // the game-over banner has fallen out after the last ship
};

// What every sprite sees of the main window: the game state, the random
// generator, the input, the lists, the level and boss timers, the platform's
// services, and the few things only the main window can do, which it
// provides by overriding the hooks below. The player, the enemies and the
// menus know the main window through this alone.
class GameWorld {
 public:
  GameWorld(Platform& platform, AssetLibrary& assets);
  virtual ~GameWorld();
  GameWorld(const GameWorld&) = delete;
  GameWorld& operator=(const GameWorld&) = delete;

  // Starts a game at level 1 with three ships; the screen state is already 5.
  virtual void NewGame() = 0;
  // Opens the high-score table with the current score as the new score.
  virtual void HiScores() = 0;
  // After a game's end the table opens for the player's name.
  virtual void OpenTableAfterGame(GameEnding ending) = 0;
  // Window configurations for the full-screen setting.
  virtual void WindowMode() = 0;
  virtual void FullMode() = 0;
  // Closes the display, configures the window anew and opens it again.
  virtual void ReopenDisplay(const WindowConfig& config) = 0;

  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  GameState& State() { return state_; }
  const GameState& State() const { return state_; }
  GameEngine& Engine() { return *engine_; }
  InputDevices& Input() { return input_; }
  RandomGenerator& Random() { return random_; }
  AssetLibrary& Assets() { return assets_; }
  Platform& Services() { return platform_; }
  IntervalTimer& TimerLevel() { return timer_level_; }
  IntervalTimer& TimerBoss() { return timer_boss_; }

  const ImageList& Images(Holder holder, const std::string& list) const {
    return assets_.Images(holder, list);
  }
  const ImageList& Images(const std::string& list) const {
    return assets_.Images(Holder::kMain, list);
  }
  SoundList& Sounds(const std::string& list) { return assets_.Sounds(list); }
  // Plays a sound of the shots and explosions list once, without waiting.
  void PlayEffectSound(std::string_view name) { Sounds("EffectSounds").Item(name).Play(false); }

  // Sets every sound volume from the sound and music settings.
  void ApplySoundVolumes();

 protected:
  Platform& platform_;
  AssetLibrary& assets_;
  GameState state_;
  RandomGenerator random_;
  InputDevices input_;
  // What the frame timer and the level timers count on; it stops while the
  // game is paused.
  GameClock game_clock_;
  IntervalTimer timer_level_;
  IntervalTimer timer_boss_;
  std::unique_ptr<GameEngine> engine_;

 private:
  bool terminated_ = false;
};

}  // namespace zephyrant
