// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays a replay's tape into a main window, frame by frame, without the
// window's own timers: the calls, timer firings and frames come from the
// tape, and so does every answer the game gets from the input and pointer.
// The window's settings come from the replay, in memory: playback never
// reads or writes the player's own.

#include <functional>
#include <memory>
#include <string>

#include "framework/platform.h"
#include "game/main_window.h"
#include "platform/common/memory_settings.h"
#include "platform/common/replay_file.h"
#include "platform/common/tape.h"

namespace zephyrant {

class TapePlayer {
 public:
  // `machine`'s clock, audio and screenshots serve the game and
  // its display shows it; `replay` must outlive the player.
  TapePlayer(const Replay& replay, Platform& machine, std::string source);
  ~TapePlayer();
  TapePlayer(const TapePlayer&) = delete;
  TapePlayer& operator=(const TapePlayer&) = delete;

  // What the main window to be played is made with.
  Platform& Services() { return services_; }
  // Starts the window up with the replay's settings and seed.
  void Start(MainWindow& window);
  // Plays the next frame: the entries before it, then the frame itself (or,
  // in a pass in which the recorded game ran no frame, PlayIdle). After the
  // last frame, the entries that came after it too (a game ended by a key
  // between frames). False, with nothing played, once the tape has no frame
  // left.
  bool PlayFrame();
  // Frames played so far.
  uint32_t Frame() const { return frame_; }

  // Called just before each frame with its lag (1 for a pass without a game
  // frame), so that a runner can move its clock.
  std::function<void(int lag)> BeforeFrame;
  // Applies a game variable a runner's script set. Without it a tape that
  // sets one is refused when it gets there.
  std::function<void(const TapeEntry& entry)> OnSet;

 private:
  class Input;
  class Screen;
  class SeedClock;
  class Browser;

  void Apply(const TapeEntry& entry);
  void Play(TapeOp op, int lag);

  const Replay& replay_;
  std::string source_;
  ReadModel model_;
  std::unique_ptr<Input> input_;
  std::unique_ptr<Screen> screen_;
  std::unique_ptr<SeedClock> clock_;
  std::unique_ptr<Browser> urls_;
  MemorySettings settings_;
  Platform services_;
  MainWindow* window_ = nullptr;
  TapeReader reader_;
  TapeEntry entry_;
  TapeOp run_op_ = TapeOp::kFrames;
  uint32_t run_left_ = 0;
  uint32_t frame_ = 0;
  // Where the entries after the last frame begin.
  size_t last_frame_end_ = 0;
};

}  // namespace zephyrant
