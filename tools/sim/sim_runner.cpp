// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/sim_runner.h"

#include <stdexcept>
#include <utility>
#include <variant>

#include "common/banners.h"
#include "player/ship.h"
#include "tools/sim/replay_events.h"

namespace zephyrant {

namespace {

std::unique_ptr<ScratchFolder> ScratchUnless(const std::filesystem::path& config_dir) {
  return config_dir.empty() ? std::make_unique<ScratchFolder>() : nullptr;
}

HeadlessOptions MachineOptions(const SimOptions& options, const ScratchFolder* scratch) {
  return HeadlessOptions{options.seed, options.desktop,
                         scratch != nullptr ? scratch->Path() : options.config_dir};
}

// The value was checked against the variable's type when the script was read.
void SetVar(GameState& state, const std::string& name, const ScriptEvent::Value& value) {
  for (const VarRef& var : Vars(state)) {
    if (name != var.name) continue;
    if (auto* i = std::get_if<int32_t*>(&var.pointer)) **i = std::get<int32_t>(value);
    if (auto* d = std::get_if<double*>(&var.pointer)) **d = std::get<double>(value);
    if (auto* s = std::get_if<std::string*>(&var.pointer)) **s = std::get<std::string>(value);
    return;
  }
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
      main_window_(machine_.services, assets_),
      dump_writer_(assets_) {
  if (!options.screenshot_dir.empty()) machine_.screenshots.KeepFilesIn(options.screenshot_dir);
  main_window_.StartUp();
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
      main_window_.OnGamepadLost();
      break;
    case Kind::kSet:
      SetVar(main_window_.State(), e.var, e.value);
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
  ++frame_;
  lag_count_ = 1;
  // Once the game has quit, the runner's frames go on without it, and
  // nothing the script does reaches it any more.
  ReplayFrame* recorded = nullptr;
  if (recording_) recorded = &recording_->frames.emplace_back();
  for (const ScriptEvent& e : events) {
    if (main_window_.Terminated()) break;
    Apply(e);
    if (recorded != nullptr && e.kind != ScriptEvent::Kind::kLag) {
      recorded->events.push_back(ToReplayEvent(e));
    }
  }
  if (recorded != nullptr) recorded->lag_count = lag_count_;
  machine_.clock.Advance(static_cast<uint32_t>(kFrameIntervalMs) *
                         static_cast<uint32_t>(lag_count_));
  if (main_window_.Terminated()) {
    if (!quit_noted_) Note("the game has quit; the script's later events are ignored");
    quit_noted_ = true;
    return;
  }
  const bool paused = main_window_.Paused();
  const bool ran = main_window_.Idle();
  if (ran != (active_ && !paused)) {
    throw std::logic_error("frame " + std::to_string(frame_) +
                           (ran ? paused ? ": the game ran a frame while paused"
                                         : ": the game ran a frame while inactive"
                                : ": the game ran no frame"));
  }
  if (recording_ && recording_->frames.size() % Replay::kCheckpointEvery == 0) {
    recording_->checkpoints.push_back(
        ReplayCheckpoint{static_cast<int32_t>(recording_->frames.size()), StateHash()});
  }
}

void SimRunner::StartRecording() {
  Replay replay;
  replay.game_version = std::string(GameVersion());
  replay.seed = machine_.clock.SeedValue();
  replay.difficulty = main_window_.State().difficulty;
  replay.speed = main_window_.State().speedSetting;
  recording_ = std::move(replay);
}

Replay SimRunner::FinishRecording() {
  Replay replay = std::move(recording_).value_or(Replay{});
  recording_.reset();
  replay.final_score = main_window_.State().score;
  replay.final_level = main_window_.State().levelNumber;
  replay.end_hash = StateHash();
  return replay;
}

uint64_t SimRunner::StateHash() {
  return Fnv1a64(dump_writer_.StateText(main_window_));
}

void SimRunner::UseReplaySettings(const Replay& replay) {
  main_window_.State().difficulty = replay.difficulty;
  main_window_.State().speedSetting = replay.speed;
}

std::string SimRunner::Dump() {
  return dump_writer_.Dump(frame_, main_window_, sound_log_);
}

}  // namespace zephyrant
