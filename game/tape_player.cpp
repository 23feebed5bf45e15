// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/tape_player.h"

#include "world/settings.h"

namespace zephyrant {

class TapePlayer::Input final : public InputReader {
 public:
  explicit Input(const ReadModel& model) : model_(model) {}
  bool IsForeground() const override { return model_.foreground; }
  bool KeyDown(Key key) const override { return model_.KeyHeld(key); }
  MouseSample ReadMouse() override { return model_.mouse; }
  JoystickSample ReadJoystick() override { return model_.joystick; }

 private:
  const ReadModel& model_;
};

// Shows the game on the viewer's display. The pointer is the tape's: the
// viewer's own is neither moved, nor captured, nor hidden, and a window the
// viewer minimises does not change the game.
class TapePlayer::Screen final : public Display {
 public:
  Screen(Display& real, const ReadModel& model) : real_(real), model_(model) {}

  Size DesktopSize() const override { return real_.DesktopSize(); }
  void Configure(const WindowConfig& config) override { real_.Configure(config); }
  bool CanDraw() const override { return true; }
  void Present(const Surface& surface) override { real_.Present(surface); }
  void SetPointerVisible(bool) override {}
  void WarpPointer(int, int) override {}
  Point PointerPosition() const override { return model_.pointer; }
  void SetMouseCaptured(bool) override {}
  void ShowError(const std::string& title, const std::string& message) override {
    real_.ShowError(title, message);
  }

 private:
  Display& real_;
  const ReadModel& model_;
};

// The machine's time with the replay's seed.
class TapePlayer::SeedClock final : public Clock {
 public:
  SeedClock(const Clock& machine, uint32_t seed) : machine_(machine), seed_(seed) {}
  uint32_t NowMs() const override { return machine_.NowMs(); }
  uint32_t SeedValue() const override { return seed_; }

 private:
  const Clock& machine_;
  uint32_t seed_;
};

// Opens nothing: whether the recorded game's page opened is on the tape.
class TapePlayer::Browser final : public UrlOpener {
 public:
  explicit Browser(const ReadModel& model) : model_(model) {}
  bool Open(const std::string&) override { return model_.browser; }

 private:
  const ReadModel& model_;
};

TapePlayer::TapePlayer(const Replay& replay, Platform& machine, std::string source)
    : replay_(replay),
      source_(std::move(source)),
      input_(std::make_unique<Input>(model_)),
      screen_(std::make_unique<Screen>(machine.display, model_)),
      clock_(std::make_unique<SeedClock>(machine.clock, replay.seed)),
      urls_(std::make_unique<Browser>(model_)),
      services_{*clock_, *screen_, machine.audio, *input_, settings_, *urls_, machine.screenshots},
      reader_(replay_.tape, source_) {
  const ReplaySettings& r = replay.settings;
  SavedSettings saved;
  saved.names = r.names;
  saved.scores = r.scores;
  saved.sound = r.sound;
  saved.music = r.music;
  saved.speed = r.speed;
  saved.difficulty = r.difficulty;
  saved.full = r.full_screen;
  SaveAllSettings(settings_, saved);
  TapeReader scan(replay_.tape, source_);
  for (TapeEntry e; scan.Next(e);) {
    if (e.IsFrame()) last_frame_end_ = scan.At();
  }
}

TapePlayer::~TapePlayer() = default;

void TapePlayer::Start(MainWindow& window) {
  window_ = &window;
  window.StartUp();
}

bool TapePlayer::PlayFrame() {
  if (run_left_ > 0) {
    --run_left_;
    Play(run_op_, 1);
  } else {
    bool found = false;
    while (!found && reader_.Next(entry_)) {
      found = entry_.IsFrame();
      if (!found) Apply(entry_);
    }
    if (!found) return false;
    if (entry_.op == TapeOp::kLagFrame) {
      Play(TapeOp::kFrames, entry_.lag);
    } else {
      run_op_ = entry_.op;
      run_left_ = entry_.count - 1;
      Play(run_op_, 1);
    }
  }
  if (run_left_ == 0 && reader_.At() == last_frame_end_) {
    while (reader_.Next(entry_)) Apply(entry_);
  }
  return true;
}

void TapePlayer::Play(TapeOp op, int lag) {
  ++frame_;
  if (BeforeFrame) BeforeFrame(lag);
  if (window_->Terminated()) return;
  if (op == TapeOp::kIdleFrames) {
    window_->PlayIdle();
  } else {
    window_->RunFrame(lag);
  }
}

void TapePlayer::Apply(const TapeEntry& e) {
  MainWindow& w = *window_;
  // A game that has quit takes nothing more, as when it was recorded.
  if (w.Terminated()) return;
  switch (e.op) {
    case TapeOp::kKeyDown:
      w.OnKeyDown(e.key);
      break;
    case TapeOp::kKeyPress:
      w.OnKeyPress(e.character);
      break;
    case TapeOp::kMouseDown:
      w.OnMouseDown(static_cast<MouseButton>(e.button));
      break;
    case TapeOp::kMouseUp:
      w.OnMouseUp(static_cast<MouseButton>(e.button));
      break;
    case TapeOp::kActive:
      w.SetApplicationActive(e.flag);
      break;
    case TapeOp::kMinimised:
      w.OnMinimised();
      break;
    case TapeOp::kGamepadLost:
      w.OnGamepadLost();
      break;
    case TapeOp::kCall:
      if (e.call == TapeCall::kNewGame) w.NewGame();
      if (e.call == TapeCall::kHiScores) w.HiScores();
      if (e.call == TapeCall::kToggleFullScreen) w.ToggleFullScreen();
      break;
    case TapeOp::kSet:
      if (!OnSet) {
        throw ReplayError(source_ + ": frame " + std::to_string(frame_ + 1) +
                          ": a variable set by a runner script, which only the runner plays");
      }
      OnSet(e);
      break;
    case TapeOp::kLevelTimer:
      w.OnLevelTimer();
      break;
    case TapeOp::kBossTimer:
      w.OnBossTimer();
      break;
    default:
      model_.Apply(e);
      break;
  }
}

}  // namespace zephyrant
