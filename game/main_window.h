#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/assets.h"
#include "framework/frame_timer.h"
#include "framework/input.h"
#include "framework/platform.h"
#include "framework/random.h"
#include "framework/sprite.h"
#include "framework/surface.h"
#include "framework/text.h"
#include "game/game_state.h"

namespace zephyrant {

class MainWindow;
class LevelScripts;

// The sprite engine of the main window: the way every sprite reaches the
// game state, the lists and the devices.
class GameEngine final : public SpriteEngine {
 public:
  explicit GameEngine(MainWindow& main_window) : main_window_(main_window) {}
  MainWindow& Window() const { return main_window_; }

 private:
  MainWindow& main_window_;
};

inline MainWindow& WindowOf(const Sprite& sprite) {
  return static_cast<GameEngine*>(sprite.Engine)->Window();
}

// A line of text drawn on the surface in the last frame.
struct TextRecord {
  std::string text;
  int x = 0;
  int y = 0;
  int size = 0;
  Rgb color;
};

enum class MouseButton { kLeft, kRight, kMiddle };

// The main window: owns the surface, the frame timer, the sprite engine, the
// input device, the lists and the level timers, and runs the game loop.
class MainWindow {
 public:
  MainWindow(Platform& platform, AssetLibrary& assets);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Start-up: settings, window, random seed, backgrounds, pointer, main menu,
  // decorations, sounds and music.
  void StartUp();

  // One pass of the message loop's idle processing: ticks the level timers and
  // runs a frame when one is due. True when a frame ran.
  bool Idle();
  // Milliseconds until a timer wants to run; -1 when only events can wake us.
  int MsUntilNextTick() const;
  void SetApplicationActive(bool active);

  // Event handlers.
  void OnDisplayReady();
  void OnDisplayClosing();
  void RunFrame(int lag_count);
  void OnMouseDown(MouseButton button);
  void OnMouseUp(MouseButton button);
  void OnKeyDown(Key key);
  void OnKeyPress(char character);

  void OnLevelTimer();
  void OnBossTimer();

  // Window configurations for the full-screen setting.
  void WindowMode();
  void FullMode();

  // Starts a game at level 1 with three ships; the screen state is already 5.
  void NewGame();
  // Opens the high-score table with the current score as the new score.
  void HiScores();

  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  GameState& State() { return state_; }
  const GameState& State() const { return state_; }
  GameEngine& Engine() { return *engine_; }
  InputDevices& Input() { return input_; }
  RandomGenerator& Random() { return random_; }
  AssetLibrary& Assets() { return assets_; }
  Platform& Services() { return platform_; }
  const Surface& DrawingSurface() const { return surface_; }
  IntervalTimer& TimerLevel() { return timer_level_; }
  IntervalTimer& TimerBoss() { return timer_boss_; }
  int FrameRate() const { return frame_timer_.FrameRate(); }

  const ImageList& Images(Holder holder, const std::string& list) const {
    return assets_.Images(holder, list);
  }
  const ImageList& Images(const std::string& list) const {
    return assets_.Images(Holder::kMain, list);
  }
  SoundList& Sounds(const std::string& list) { return assets_.Sounds(list); }
  // Plays a sound of the shots and explosions list once, without waiting.
  void PlayEffectSound(std::string_view name) { Sounds("EffectSounds").Item(name).Play(false); }

  // What the last frame drew as text.
  const std::vector<TextRecord>& Texts() const { return texts_; }

  // Sets every sound volume from the sound and music settings.
  void ApplySoundVolumes();

 private:
  bool CanDraw() const;
  void ConfigureDisplay(const WindowConfig& config);
  void DrawTexts();
  void DrawText(int x, int y, const std::string& text, int size, Rgb colour);
  void MousePressSeen();

  Platform& platform_;
  AssetLibrary& assets_;
  GameState state_;
  RandomGenerator random_;
  Surface surface_;
  bool surface_ready_ = false;
  FrameTimer frame_timer_;
  InputDevices input_;
  IntervalTimer timer_level_;
  IntervalTimer timer_boss_;
  std::unique_ptr<LevelScripts> level_scripts_;
  TextRenderer text_;
  std::vector<TextRecord> texts_;
  std::unique_ptr<GameEngine> engine_;
  bool terminated_ = false;
  // A click made between two frames still counts: its press stands until a
  // move pass has seen it, and its release takes effect after that pass.
  bool mouse_press_unseen_ = false;
  bool mouse_release_due_ = false;
};

}  // namespace zephyrant
