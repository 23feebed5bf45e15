// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/sim_runner.h"

#include <stdexcept>
#include <utility>
#include <variant>

#include "common/banners.h"
#include "player/ship.h"
#include "tools/sim/replay_sets.h"

namespace zephyrant {

namespace {

std::unique_ptr<ScratchFolder> ScratchUnless(const std::filesystem::path& config_dir) {
  return config_dir.empty() ? std::make_unique<ScratchFolder>() : nullptr;
}

HeadlessOptions MachineOptions(const SimOptions& options, const ScratchFolder* scratch) {
  return HeadlessOptions{options.replay != nullptr ? options.replay->seed : options.seed,
                         options.desktop,
                         scratch != nullptr ? scratch->Path() : options.config_dir};
}

std::unique_ptr<TapeRecorder> RecorderIf(const SimOptions& options, HeadlessPlatform& machine,
                                         AssetLibrary& assets) {
  if (!options.record) return nullptr;
  return std::make_unique<TapeRecorder>(machine.services, assets);
}

std::unique_ptr<TapePlayer> PlayerIf(const SimOptions& options, HeadlessPlatform& machine) {
  if (options.replay == nullptr) return nullptr;
  return std::make_unique<TapePlayer>(*options.replay, machine.services, options.replay_source);
}

// A game is under way from NewGame until the high-score table opens: its
// ship flies or, once the last ship is lost, the game-over banner hangs.
bool GameUnderWay(SpriteEngine& engine) {
  for (int i = 0; i < engine.ChildCount(); ++i) {
    const Sprite& sprite = engine.Child(i);
    if (sprite.Killed()) continue;
    if (dynamic_cast<const Ship*>(&sprite) != nullptr) return true;
    if (dynamic_cast<const GameOverBanner*>(&sprite) != nullptr) return true;
  }
  return false;
}

}  // namespace

SimRunner::SimRunner(const SimOptions& options)
    : scratch_(ScratchUnless(options.config_dir)),
      machine_(MachineOptions(options, scratch_.get())),
      assets_(options.asset_folder, machine_.audio, &sound_log_),
      recorder_(RecorderIf(options, machine_, assets_)),
      player_(PlayerIf(options, machine_)),
      main_window_(GameServices(), assets_),
      dump_writer_(assets_) {
  if (!options.screenshot_dir.empty()) machine_.screenshots.KeepFilesIn(options.screenshot_dir);
  if (player_) {
    player_->BeforeFrame = [this](int lag) {
      machine_.clock.Advance(static_cast<uint32_t>(kFrameIntervalMs) * static_cast<uint32_t>(lag));
    };
    player_->OnSet = [this](const TapeEntry& e) { SetVar(main_window_.State(), e.name, e.value); };
    player_->Start(main_window_);
    return;
  }
  if (recorder_) recorder_->Attach(main_window_);
  main_window_.StartUp();
  if (recorder_) recorder_->Started();
}

SimRunner::~SimRunner() {
  // The window goes before the recorder that listens to it.
  if (recorder_) recorder_->Detach();
}

Platform& SimRunner::GameServices() {
  if (recorder_) return recorder_->Services();
  if (player_) return player_->Services();
  return machine_.services;
}

void SimRunner::Apply(const ScriptEvent& e) {
  using Kind = ScriptEvent::Kind;
  switch (e.kind) {
    case Kind::kKeyDown:
      machine_.input.SetKey(e.key, true);
      main_window_.OnKeyDown(e.key);
      if (e.character != 0) main_window_.OnKeyPress(e.character);
      break;
    case Kind::kKeyUp:
      machine_.input.SetKey(e.key, false);
      break;
    case Kind::kChar:
      main_window_.OnKeyPress(e.character);
      break;
    case Kind::kMouseMove:
      machine_.MovePointer(e.pointer);
      break;
    case Kind::kMouseDown:
    case Kind::kMouseUp: {
      const bool down = e.kind == Kind::kMouseDown;
      if (e.button == MouseButton::kLeft) machine_.input.SetLeft(down);
      if (e.button == MouseButton::kRight) machine_.input.SetRight(down);
      if (e.button == MouseButton::kMiddle) machine_.input.SetMiddle(down);
      if (down) {
        main_window_.OnMouseDown(e.button);
      } else {
        main_window_.OnMouseUp(e.button);
      }
      break;
    }
    case Kind::kLag:
      lag_count_ = e.lag_count;
      break;
    case Kind::kFocusOut:
    case Kind::kFocusIn:
      active_ = e.kind == Kind::kFocusIn;
      machine_.input.SetForeground(active_);
      main_window_.SetApplicationActive(active_);
      break;
    case Kind::kMinimise:
      main_window_.OnMinimised();
      break;
    case Kind::kPadUnplug:
      machine_.input.SetJoystick(JoystickSample{});
      main_window_.OnGamepadLost();
      break;
    case Kind::kPad:
      machine_.input.SetJoystick(JoystickSample{true, e.pointer.x, e.pointer.y, e.buttons});
      break;
    case Kind::kPadPress:
      main_window_.OnKeyDown(e.key);
      break;
    case Kind::kSet:
      SetVar(main_window_.State(), e.var, e.value);
      if (recorder_) recorder_->Set(e.var, e.value);
      break;
    case Kind::kCall:
      if (const std::string refusal = CallRefusal(e.var); !refusal.empty()) {
        Note("script line " + std::to_string(e.line) + ": call " + e.var + " ignored, " + refusal);
      } else if (e.var == "NewGame") {
        main_window_.NewGame();
      } else if (e.var == "HiScores") {
        main_window_.HiScores();
      } else if (e.var == "ToggleFullScreen") {
        main_window_.ToggleFullScreen();
      }
      break;
  }
}

std::string SimRunner::CallRefusal(const std::string& operation) {
  const int32_t screen = main_window_.State().screenState;
  if (operation == "NewGame") {
    // The main menu's `new game` sets the playing state and then starts one.
    if (screen != kPlaying) return "the screen state is not 5 (set it first, as the menu does)";
    if (GameUnderWay(main_window_.Engine())) return "a game is already under way";
  }
  if (operation == "HiScores") {
    // From the main menu's `scores`, or when a game ends or is given up.
    if (screen == kEnteringHighScores || screen == kHighScores || screen == kLeavingHighScores ||
        screen == kGlyphTyped || screen == kGlyphErased) {
      return "the high-score table is already open";
    }
    if (screen != kMainMenu && screen != kPlaying) {
      return "the table opens only from the main menu or from play";
    }
  }
  return "";
}

void SimRunner::Note(std::string note) {
  notes_.push_back("frame " + std::to_string(frame_) + ": " + std::move(note));
}

std::vector<std::string> SimRunner::TakeNotes() {
  return std::exchange(notes_, {});
}

void SimRunner::RunFrame(std::span<const ScriptEvent> events) {
  if (player_) throw std::logic_error("a replay's runner plays its frames with PlayFrame");
  ++frame_;
  lag_count_ = 1;
  // Once the game has quit, the runner's frames go on without it, and
  // nothing the script does reaches it any more.
  for (const ScriptEvent& e : events) {
    if (main_window_.Terminated()) break;
    Apply(e);
  }
  machine_.clock.Advance(static_cast<uint32_t>(kFrameIntervalMs) *
                         static_cast<uint32_t>(lag_count_));
  if (main_window_.Terminated()) {
    if (!quit_noted_) Note("the game has quit; the script's later events are ignored");
    quit_noted_ = true;
    if (recorder_) recorder_->IdleFrame();
    return;
  }
  const bool paused = main_window_.Paused();
  const bool ran = main_window_.Idle();
  if (!ran && recorder_) recorder_->IdleFrame();
  if (ran != (active_ && !paused)) {
    throw std::logic_error("frame " + std::to_string(frame_) +
                           (ran ? paused ? ": the game ran a frame while paused"
                                         : ": the game ran a frame while inactive"
                                : ": the game ran no frame"));
  }
}

bool SimRunner::PlayFrame() {
  if (!player_) throw std::logic_error("the runner has no replay to play");
  if (!player_->PlayFrame()) return false;
  ++frame_;
  return true;
}

Replay SimRunner::FinishRecording() {
  if (!recorder_) throw std::logic_error("the runner is not recording");
  return recorder_->Finish();
}

uint64_t SimRunner::StateHash() {
  return dump_writer_.StateHash(main_window_);
}

std::string SimRunner::Dump() {
  return dump_writer_.Dump(frame_, main_window_, sound_log_);
}

}  // namespace zephyrant
