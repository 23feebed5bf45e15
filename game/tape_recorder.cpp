// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/tape_recorder.h"

#include "world/settings.h"

namespace zephyrant {

static_assert(kReplayTableRows == kHighScoreRows);
static_assert(kReplayMaxDifficulty == kMaxDifficulty && kReplayMaxSpeed == kMaxSpeed &&
              kReplayMaxVolume == kMaxVolume && kReplayMaxName == kMaxNameCharacters);

namespace {

// Room kept for the header and trailer under the file's size limit.
constexpr size_t kTapeRoom = kMaxReplayBytes - (1u << 20);

bool Same(const MouseSample& a, const MouseSample& b) {
  return a.dx == b.dx && a.dy == b.dy && a.left == b.left && a.right == b.right &&
         a.middle == b.middle;
}

bool Same(const JoystickSample& a, const JoystickSample& b) {
  return a.present == b.present && a.x == b.x && a.y == b.y && a.buttons == b.buttons;
}

}  // namespace

class TapeRecorder::Input final : public InputReader {
 public:
  Input(InputReader& real, TapeRecorder& recorder) : real_(real), recorder_(recorder) {}

  bool IsForeground() const override {
    TapeEntry e;
    e.op = TapeOp::kForeground;
    e.flag = real_.IsForeground();
    recorder_.Answer(e);
    return e.flag;
  }
  bool KeyDown(Key key) const override {
    TapeEntry e;
    e.op = TapeOp::kKeyState;
    e.key = key;
    e.flag = real_.KeyDown(key);
    recorder_.Answer(e);
    return e.flag;
  }
  MouseSample ReadMouse() override {
    TapeEntry e;
    e.op = TapeOp::kMouse;
    e.mouse = real_.ReadMouse();
    recorder_.Answer(e);
    return e.mouse;
  }
  JoystickSample ReadJoystick() override {
    TapeEntry e;
    e.op = TapeOp::kJoystick;
    e.joystick = real_.ReadJoystick();
    recorder_.Answer(e);
    return e.joystick;
  }

 private:
  InputReader& real_;
  TapeRecorder& recorder_;
};

class TapeRecorder::Screen final : public Display {
 public:
  Screen(Display& real, TapeRecorder& recorder) : real_(real), recorder_(recorder) {}

  Size DesktopSize() const override { return real_.DesktopSize(); }
  void Configure(const WindowConfig& config) override { real_.Configure(config); }
  bool CanDraw() const override { return real_.CanDraw(); }
  void Present(const Surface& surface) override { real_.Present(surface); }
  void SetPointerVisible(bool visible) override { real_.SetPointerVisible(visible); }
  void WarpPointer(int x, int y) override { real_.WarpPointer(x, y); }
  Point PointerPosition() const override {
    TapeEntry e;
    e.op = TapeOp::kPointer;
    e.pointer = real_.PointerPosition();
    recorder_.Answer(e);
    return e.pointer;
  }
  void SetMouseCaptured(bool captured) override { real_.SetMouseCaptured(captured); }
  void ShowError(const std::string& title, const std::string& message) override {
    real_.ShowError(title, message);
  }

 private:
  Display& real_;
  TapeRecorder& recorder_;
};

// The machine's clock; the seed the game takes from it is the replay's (a
// machine may give another seed each time it is asked).
class TapeRecorder::SeedClock final : public Clock {
 public:
  SeedClock(const Clock& real, TapeRecorder& recorder) : real_(real), recorder_(recorder) {}
  uint32_t NowMs() const override { return real_.NowMs(); }
  uint32_t SeedValue() const override {
    recorder_.seed_ = real_.SeedValue();
    return recorder_.seed_;
  }

 private:
  const Clock& real_;
  TapeRecorder& recorder_;
};

// The machine's web browser; whether a page opened changes the game (a full
// screen gives way to the browser), so the answer is the replay's.
class TapeRecorder::Browser final : public UrlOpener {
 public:
  Browser(UrlOpener& real, TapeRecorder& recorder) : real_(real), recorder_(recorder) {}
  bool Open(const std::string& url) override {
    TapeEntry e;
    e.op = TapeOp::kBrowser;
    e.flag = real_.Open(url);
    recorder_.Answer(e);
    return e.flag;
  }

 private:
  UrlOpener& real_;
  TapeRecorder& recorder_;
};

TapeRecorder::TapeRecorder(Platform& machine, AssetLibrary& assets)
    : state_(assets),
      input_(std::make_unique<Input>(machine.input, *this)),
      screen_(std::make_unique<Screen>(machine.display, *this)),
      clock_(std::make_unique<SeedClock>(machine.clock, *this)),
      urls_(std::make_unique<Browser>(machine.urls, *this)),
      services_{*clock_,          *screen_, machine.audio,      *input_,
                machine.settings, *urls_,   machine.screenshots} {}

TapeRecorder::~TapeRecorder() = default;

void TapeRecorder::Detach() {
  if (window_ != nullptr) window_->SetJournal(nullptr);
  window_ = nullptr;
}

void TapeRecorder::Attach(MainWindow& window) {
  window_ = &window;
  window.SetJournal(this);
}

void TapeRecorder::Started() {
  const GameState& s = window_->State();
  settings_.difficulty = s.difficulty;
  settings_.speed = s.speedSetting;
  settings_.sound = s.soundVolume;
  settings_.music = s.musicVolume;
  settings_.full_screen = s.fullScreen;
  settings_.names = s.hiscoreNames;
  settings_.scores = s.hiscoreScores;
}

void TapeRecorder::IdleFrame() {
  TapeEntry e;
  e.op = TapeOp::kIdleFrames;
  Write(e);
}

void TapeRecorder::Set(std::string_view name, const TapeValue& value) {
  TapeEntry e;
  e.op = TapeOp::kSet;
  e.name = std::string(name);
  e.value = value;
  Write(e);
}

void TapeRecorder::Entered(const TapeEntry& entry) {
  Write(entry);
  if (!game_end_due_) return;
  game_end_due_ = false;
  game_under_way_ = false;
  if (!full_ && OnGameEnd) OnGameEnd(Finish(start_frame_));
}

void TapeRecorder::GameStarted() {
  game_under_way_ = true;
  start_frame_ = writer_.Frames();
}

void TapeRecorder::GameEnded() {
  if (game_under_way_) game_end_due_ = true;
}

void TapeRecorder::Answer(const TapeEntry& e) {
  bool same = true;
  switch (e.op) {
    case TapeOp::kForeground:
      same = model_.foreground == e.flag;
      break;
    case TapeOp::kKeyState:
      same = model_.KeyHeld(e.key) == e.flag;
      break;
    case TapeOp::kMouse:
      same = Same(model_.mouse, e.mouse);
      break;
    case TapeOp::kJoystick:
      same = Same(model_.joystick, e.joystick);
      break;
    case TapeOp::kPointer:
      same = model_.pointer == e.pointer;
      break;
    case TapeOp::kBrowser:
      same = model_.browser == e.flag;
      break;
    default:
      break;
  }
  if (same || full_) return;
  model_.Apply(e);
  Write(e);
}

void TapeRecorder::Write(const TapeEntry& entry) {
  if (full_) return;
  if (writer_.Frames() >= kMaxReplayFrames || writer_.Bytes().size() >= kTapeRoom) {
    full_ = true;
    if (OnFull) OnFull();
    return;
  }
  writer_.Add(entry);
  if (entry.IsFrame() && writer_.Frames() % Replay::kCheckpointEvery == 0 && window_ != nullptr) {
    checkpoints_.push_back(
        ReplayCheckpoint{static_cast<int32_t>(writer_.Frames()), state_.Hash(*window_)});
  }
}

Replay TapeRecorder::Finish(uint32_t start_frame) const {
  Replay replay;
  replay.game_version = std::string(GameVersion());
  replay.seed = seed_;
  replay.settings = settings_;
  replay.start_frame = start_frame;
  replay.tape = writer_.Bytes();
  replay.frame_count = writer_.Frames();
  replay.checkpoints = checkpoints_;
  if (window_ != nullptr) {
    replay.final_score = window_->State().score;
    replay.final_level = window_->State().levelNumber;
    replay.end_hash = state_.Hash(*window_);
  }
  return replay;
}

}  // namespace zephyrant
