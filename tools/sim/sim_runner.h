// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "framework/assets.h"
#include "game/main_window.h"
#include "game/tape_player.h"
#include "game/tape_recorder.h"
#include "platform/common/replay_file.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/scratch_folder.h"
#include "tools/sim/dump.h"
#include "tools/sim/script.h"

namespace zephyrant {

struct SimOptions {
  uint32_t seed = 1;
  Size desktop = HeadlessDisplay::kDefaultDesktop;
  // The settings store's folder; empty: a new empty folder, removed afterwards.
  std::filesystem::path config_dir;
  std::string asset_folder;
  // Where F12's shots go as files; empty: they are only counted.
  std::filesystem::path screenshot_dir;
  // Records everything that enters the game on a replay's tape.
  bool record = false;
  // Plays this replay instead of taking events (its seed wins); it must
  // outlive the runner. `replay_source` names it in messages.
  const Replay* replay = nullptr;
  std::string replay_source;
};

// The real main window on the headless platform, one frame interval per
// frame. Starting it runs the window's start-up; every RunFrame is one frame
// of the runner, whether or not the game draws one.
class SimRunner {
 public:
  // Raises a MediaError when the assets cannot be loaded.
  explicit SimRunner(const SimOptions& options);
  ~SimRunner();
  SimRunner(const SimRunner&) = delete;
  SimRunner& operator=(const SimRunner&) = delete;

  // Applies the events, lets the frame's time pass and idles the window once.
  // Raises std::logic_error when the window runs a frame while it should be
  // frozen (inactive or paused), or none while it should draw. Once the game has quit, events
  // are ignored.
  void RunFrame(std::span<const ScriptEvent> events = {});
  // A call the game itself could not make at this point (see CallRefusal)
  // does nothing but leave a note.
  void Apply(const ScriptEvent& event);

  // What the runner let pass without effect since the last call, one line
  // each: calls refused and the frame the game quit.
  std::vector<std::string> TakeNotes();

  // With a replay: plays its next frame; false once it has none left.
  bool PlayFrame();

  // When recording: the run so far as a replay, ending with the state now.
  Replay FinishRecording();
  // The game's state now (variables and sprites) as one hash.
  uint64_t StateHash();

  int Frame() const { return frame_; }
  // The state now, with the sounds started since the previous dump.
  std::string Dump();

  MainWindow& Window() { return main_window_; }
  HeadlessPlatform& Machine() { return machine_; }

 private:
  // Why the game could not run the operation now; empty when it could.
  std::string CallRefusal(const std::string& operation);
  void Note(std::string note);

  Platform& GameServices();

  std::unique_ptr<ScratchFolder> scratch_;
  std::vector<SoundEvent> sound_log_;
  HeadlessPlatform machine_;
  AssetLibrary assets_;
  std::unique_ptr<TapeRecorder> recorder_;
  std::unique_ptr<TapePlayer> player_;
  MainWindow main_window_;
  DumpWriter dump_writer_;
  int frame_ = 0;
  int lag_count_ = 1;
  bool active_ = true;
  bool quit_noted_ = false;
  std::vector<std::string> notes_;
};

}  // namespace zephyrant
