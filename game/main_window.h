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

class TForm1;
class TForm6;

// The sprite engine of the main window: the way every sprite reaches the
// game state, the lists and the devices.
class TGameEngine final : public TSpriteEngine {
 public:
  explicit TGameEngine(TForm1& form) : form_(form) {}
  TForm1& Form() const { return form_; }

 private:
  TForm1& form_;
};

inline TForm1& FormOf(const TSprite& sprite) {
  return static_cast<TGameEngine*>(sprite.Engine)->Form();
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
class TForm1 {
 public:
  TForm1(Platform& platform, TAssets& assets);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Start-up: settings, window, random seed, backgrounds, pointer, main menu,
  // decorations, sounds and music.
  void FormCreate();

  // One pass of the message loop's idle processing: ticks the level timers and
  // runs a frame when one is due. True when a frame ran.
  bool Idle();
  // Milliseconds until a timer wants to run; -1 when only events can wake us.
  int MsUntilNextTick() const;
  void SetApplicationActive(bool active);

  // Event handlers.
  void DXDrawInitialize();
  void DXDrawFinalize();
  void DXTimerTimer(int lag_count);
  void DXDrawMouseDown(MouseButton button);
  void DXDrawMouseUp(MouseButton button);
  void FormKeyDown(Key key);
  void FormKeyPress(char character);

  void TimerLevelTimer();
  void TimerBossTimer();

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
  TGameEngine& Engine() { return *engine_; }
  TDXInput& Input() { return input_; }
  TRandom& Random() { return random_; }
  TAssets& Assets() { return assets_; }
  Platform& Services() { return platform_; }
  const Surface& DrawingSurface() const { return surface_; }
  TTimer& TimerLevel() { return timer_level_; }
  TTimer& TimerBoss() { return timer_boss_; }
  int FrameRate() const { return dx_timer_.FrameRate(); }

  const TDXImageList& Images(Holder holder, const std::string& list) const {
    return assets_.Images(holder, list);
  }
  const TDXImageList& Images(const std::string& list) const {
    return assets_.Images(Holder::kMain, list);
  }
  TDXWaveList& Waves(const std::string& list) { return assets_.Waves(list); }
  // Plays a sound of the shots and explosions list once, without waiting.
  void PlayShellSound(std::string_view name) { Waves("DXWaveShell").Item(name).Play(false); }

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
  TAssets& assets_;
  GameState state_;
  TRandom random_;
  Surface surface_;
  bool surface_ready_ = false;
  TDXTimer dx_timer_;
  TDXInput input_;
  TTimer timer_level_;
  TTimer timer_boss_;
  std::unique_ptr<TForm6> level_scripts_;
  TTextRenderer text_;
  std::vector<TextRecord> texts_;
  std::unique_ptr<TGameEngine> engine_;
  bool terminated_ = false;
  // A click made between two frames still counts: its press stands until a
  // move pass has seen it, and its release takes effect after that pass.
  bool mouse_press_unseen_ = false;
  bool mouse_release_due_ = false;
};

}  // namespace zephyrant
