// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "platform/common/tape.h"
#include "world/game_state.h"
#include "world/game_world.h"

namespace zephyrant {

class LevelScripts;

// A line of text drawn on the surface in the last frame.
struct TextRecord {
  std::string text;
  int x = 0;
  int y = 0;
  int size = 0;
  Rgb color;
};

enum class MouseButton { kLeft, kRight, kMiddle };

// Hears what enters the game from outside it, for a replay: each call of an
// event handler or operation from outside the main window (not the calls the
// game makes of them itself), each firing of a level timer and each frame
// run. Each is told once it has run, so that whatever it read from the input
// and the display has been read first.
class PlayJournal {
 public:
  virtual ~PlayJournal() = default;
  virtual void Entered(const TapeEntry& entry) = 0;
  // A game began (NewGame), and a game under way ended on its way to the
  // high-score table: lost, won or given up with Escape.
  virtual void GameStarted() {}
  virtual void GameEnded() {}
};

// The main window: the game world the sprites see, with the surface, the
// frame timer, the level scripts and the texts; runs the game loop.
class MainWindow final : public GameWorld {
 public:
  MainWindow(Platform& platform, AssetLibrary& assets);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Start-up: settings, window, random seed, backgrounds, pointer, main menu,
  // decorations, sounds and music.
  void StartUp();
  // After StartUp in a real window: the main menu's first frame runs on the
  // next idle call rather than a frame interval later, so the player sees
  // the game sooner. Runs that keep their own time (replays, the runner) do
  // not call it, and their frames count the same as before.
  void ShowFirstFrameNow() { frame_timer_.MakeDue(); }
  // Called before StartUp: this run starts full screen (0) or in a window
  // (1) whatever the saved setting says, and the setting stays as saved.
  void SetFullScreenForThisRun(int full_screen) { full_screen_for_this_run_ = full_screen; }

  // One pass of the message loop's idle processing: ticks the level timers and
  // runs a frame when one is due. True when a frame ran.
  bool Idle();
  // Milliseconds until a timer wants to run; -1 when only events can wake us.
  int MsUntilNextTick() const;
  void SetApplicationActive(bool active);

  // A game in play pauses on the pause keys, and of itself when the player
  // turns away: the window loses the focus or is minimised, or the gamepad is
  // unplugged. It stays paused until the player resumes it.
  bool Paused() const { return paused_; }
  void OnMinimised();
  void OnGamepadLost();
  // Whether the gamepad's Start pauses now, rather than choosing.
  bool StartPauses() const;

  // Event handlers.
  void OnDisplayReady();
  void OnDisplayClosing();
  void RunFrame(int lag_count);
  void OnMouseDown(MouseButton button);
  void OnMouseUp(MouseButton button);
  void OnKeyDown(Key key);
  void OnKeyPress(char character);
  // Keeps the picture as last drawn (F12).
  void TakeScreenshot();
  // F11 or Alt+Enter: full screen becomes a window and a window full screen,
  // for this run; the options screen shows the change and its `save` keeps it.
  void ToggleFullScreen();
  // The player resized the window (not maximised, not full screen).
  void OnWindowResized(Size client);
  // Keeps the window's last size for the next run, when the player changed it.
  void SaveWindowSize();

  void OnLevelTimer();
  void OnBossTimer();

  // A replay's recording listens from now on (null: nobody does).
  void SetJournal(PlayJournal* journal) { journal_ = journal; }
  // A replay drives the window itself, without its frame timer and level
  // timers: it makes the calls the tape holds, fires the timers with
  // OnLevelTimer and OnBossTimer, runs each frame with RunFrame, and for a
  // pass in which no frame ran calls PlayIdle, which does what Idle does
  // then (a paused game shows its picture) without ticking any timer.
  void PlayIdle();

  // What the sprites ask of the main window.
  void NewGame() override;
  void HiScores() override;
  void OpenTableAfterGame(GameEnding ending) override;
  void WindowMode() override;
  void FullMode() override;
  void ReopenDisplay(const WindowConfig& config) override;

  const Surface& DrawingSurface() const { return surface_; }
  int FrameRate() const { return frame_timer_.FrameRate(); }

  // What the last frame drew as text.
  const std::vector<TextRecord>& Texts() const { return texts_; }

 private:
  // Tells the journal what entered once the outermost call has run.
  class Entering {
   public:
    Entering(MainWindow& window, TapeOp op) : window_(window) {
      entry_.op = op;
      ++window_.entering_depth_;
    }
    ~Entering() {
      if (--window_.entering_depth_ == 0 && window_.journal_ != nullptr) {
        window_.journal_->Entered(entry_);
      }
    }
    Entering(const Entering&) = delete;
    Entering& operator=(const Entering&) = delete;
    TapeEntry& Entry() { return entry_; }

   private:
    MainWindow& window_;
    TapeEntry entry_;
  };

  bool CanDraw() const;
  void ConfigureDisplay(const WindowConfig& config);
  void DrawTexts(bool advance_pulse = true);
  // Outlined text is for what lies over play: the HUD numbers and the prompt.
  void DrawText(int x, int y, const std::string& text, int size, Rgb colour, bool outlined = false);
  void MousePressSeen();
  // The pause, in main_window_pause.cpp.
  bool HandlePauseKey(Key key);
  void PauseWhenAway();
  void Pause();
  void Resume();
  void PaintPaused();

  Surface surface_;
  bool surface_ready_ = false;
  FrameTimer frame_timer_;
  std::unique_ptr<LevelScripts> level_scripts_;
  TextRenderer text_;
  std::vector<TextRecord> texts_;
  // A click made between two frames still counts: its press stands until a
  // move pass has seen it, and its release takes effect after that pass.
  bool mouse_press_unseen_ = false;
  bool mouse_release_due_ = false;
  bool paused_ = false;
  bool paused_picture_due_ = false;  // the paused picture is still to be shown
  bool released_while_paused_ = false;
  Point pointer_at_pause_;
  // The window: whether it covers the screen now, and the size the player
  // last gave it (0 x 0 for the game's own) and whether that changed this run.
  bool showing_full_screen_ = false;
  Size window_client_;
  Size players_window_;
  bool players_window_changed_ = false;
  int full_screen_for_this_run_ = -1;  // -1: as saved
  PlayJournal* journal_ = nullptr;
  int entering_depth_ = 0;
};

}  // namespace zephyrant
