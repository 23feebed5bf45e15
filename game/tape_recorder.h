// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Records a replay's tape while the game is played: the main window tells it
// what entered, and the input and display it hands the window tell it what
// the game read. The same recorder serves the window and the runner.

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "framework/assets.h"
#include "framework/platform.h"
#include "game/main_window.h"
#include "game/state_text.h"
#include "platform/common/replay_file.h"
#include "platform/common/tape.h"

namespace zephyrant {

class TapeRecorder final : public PlayJournal {
 public:
  // Listens to `machine`'s input and display, and to the seed its clock gives.
  TapeRecorder(Platform& machine, AssetLibrary& assets);
  ~TapeRecorder() override;
  TapeRecorder(const TapeRecorder&) = delete;
  TapeRecorder& operator=(const TapeRecorder&) = delete;

  // The machine's services with the listening input and display: the main
  // window to be recorded is made with these.
  Platform& Services() { return services_; }
  // Listens to the window from now on, which is before its StartUp. The
  // window is made after the recorder and goes before it.
  void Attach(MainWindow& window);
  // Stops listening; a window that is to go before its recorder must be let
  // go of first.
  void Detach();
  // After the window's StartUp: the settings it started with.
  void Started();
  // A runner's pass in which the game ran no frame (paused, inactive).
  void IdleFrame();
  // A game variable the runner's script set.
  void Set(std::string_view name, const TapeValue& value);

  void Entered(const TapeEntry& entry) override;
  void GameStarted() override;
  void GameEnded() override;

  // Whether a game has begun and not yet ended.
  bool GameUnderWay() const { return game_under_way_; }
  // The tape up to now with the game under way marked as its game.
  Replay FinishGame() const { return Finish(start_frame_); }
  // Called with the tape up to each game's end, once the call or frame in
  // which it ended has run; never once the tape is full.
  std::function<void(const Replay& replay)> OnGameEnd;
  // Called once, when the tape reaches the format's limits and stops.
  std::function<void()> OnFull;

  // Frames recorded so far.
  uint32_t Frames() const { return writer_.Frames(); }
  // Whether the tape reached the format's limits and records no more.
  bool Full() const { return full_; }
  // The replay so far, ending with the state now; the game of it began
  // after frame `start_frame`.
  Replay Finish(uint32_t start_frame = 0) const;

 private:
  class Input;
  class Screen;
  class SeedClock;
  class Browser;
  friend class Input;
  friend class Screen;
  friend class SeedClock;
  friend class Browser;

  void Write(const TapeEntry& entry);
  // What the game read; written only when the model would answer otherwise.
  void Answer(const TapeEntry& entry);

  StateWriter state_;
  std::unique_ptr<Input> input_;
  std::unique_ptr<Screen> screen_;
  std::unique_ptr<SeedClock> clock_;
  std::unique_ptr<Browser> urls_;
  Platform services_;
  MainWindow* window_ = nullptr;
  uint32_t seed_ = 0;
  ReplaySettings settings_;
  TapeWriter writer_;
  ReadModel model_;
  std::vector<ReplayCheckpoint> checkpoints_;
  bool full_ = false;
  bool game_under_way_ = false;
  bool game_end_due_ = false;
  uint32_t start_frame_ = 0;
};

}  // namespace zephyrant
