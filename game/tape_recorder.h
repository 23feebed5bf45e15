// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Records a replay's tape while the game is played: the main window tells it
// what entered, and the input and display it hands the window tell it what
// the game read. The same recorder serves the window and the runner.

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
  // Listens to `machine`'s input and display.
  TapeRecorder(Platform& machine, AssetLibrary& assets);
  ~TapeRecorder() override;
  TapeRecorder(const TapeRecorder&) = delete;
  TapeRecorder& operator=(const TapeRecorder&) = delete;

  // The machine's services with the listening input and display: the main
  // window to be recorded is made with these.
  Platform& Services() { return services_; }
  // Listens to the window from now on, which is before its StartUp.
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
  friend class Input;
  friend class Screen;

  void Write(const TapeEntry& entry);
  // What the game read; written only when the model would answer otherwise.
  void Answer(const TapeEntry& entry);

  Platform& machine_;
  StateWriter state_;
  std::unique_ptr<Input> input_;
  std::unique_ptr<Screen> screen_;
  Platform services_;
  MainWindow* window_ = nullptr;
  uint32_t seed_ = 0;
  ReplaySettings settings_;
  TapeWriter writer_;
  ReadModel model_;
  std::vector<ReplayCheckpoint> checkpoints_;
  bool full_ = false;
};

}  // namespace zephyrant
