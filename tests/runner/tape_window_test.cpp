// SPDX-License-Identifier: GPL-3.0-or-later
// Recording games played through the main window as the window's own loop
// drives it (events between frames, timers on the clock, a seed the machine
// gives anew each time it is asked) and playing the tapes back.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "framework/assets.h"
#include "game/main_window.h"
#include "game/state_text.h"
#include "game/tape_player.h"
#include "game/tape_recorder.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/scratch_folder.h"
#include "world/settings.h"

namespace zephyrant {
namespace {

void SetVar(GameState& state, const std::string& name, const TapeValue& value) {
  for (const VarRef& var : Vars(state)) {
    if (name != var.name) continue;
    if (auto* d = std::get_if<double*>(&var.pointer)) **d = std::get<double>(value);
    if (auto* i = std::get_if<int32_t*>(&var.pointer)) **i = std::get<int32_t>(value);
  }
}

// The machine's clock, but like a real machine's it gives another seed each
// time it is asked.
class RestlessClock final : public Clock {
 public:
  explicit RestlessClock(const Clock& time) : time_(time) {}
  uint32_t NowMs() const override { return time_.NowMs(); }
  uint32_t SeedValue() const override { return 12345u + 7919u * asked_++; }

 private:
  const Clock& time_;
  mutable uint32_t asked_ = 0;
};

// A session in a window: the window's loop, its events and the player.
class Session {
 public:
  explicit Session(bool full_screen = false)
      : machine_(HeadlessOptions{1, HeadlessDisplay::kDefaultDesktop, folder_.Path()}),
        clock_(machine_.clock),
        platform_{
            clock_,        machine_.display,    machine_.audio, machine_.input, machine_.settings,
            machine_.urls, machine_.screenshots},
        assets_(ZEPHYRANT_SOURCE_ASSETS, machine_.audio, nullptr),
        recorder_(platform_, assets_) {
    // The player's own settings, which the replay must carry.
    SavedSettings saved;
    LoadStartupSettings(machine_.settings, saved);
    saved.difficulty = 2;
    saved.sound = 40;
    saved.names[0] = "p0i0l0o0t0";
    saved.scores[0] = 777;
    if (full_screen) saved.full = 0;
    SaveAllSettings(machine_.settings, saved);
    recorder_.OnGameEnd = [this](const Replay& replay) { games.push_back(replay); };
    window_ = std::make_unique<MainWindow>(recorder_.Services(), assets_);
    recorder_.Attach(*window_);
    window_->StartUp();
    recorder_.Started();
  }

  // The loop wakes every few milliseconds, so timers fire between frames at
  // odd moments, as they do in the window.
  void Run(int ms) {
    for (int t = 0; t < ms; t += 7) {
      machine_.clock.Advance(7);
      window_->Idle();
    }
  }
  // A held key: the handler hears the press, the game reads it held.
  void Hold(Key key) {
    machine_.input.SetKey(key, true);
    window_->OnKeyDown(key);
  }
  void Release(Key key) { machine_.input.SetKey(key, false); }

  // Starts a game from the main menu and plays it: keys, the mouse, a stall,
  // the window losing the focus and a pause.
  void PlayAGame() {
    Run(400);
    window_->OnKeyDown(Key::kReturn);
    Run(1500);
    Hold(Key::kSpace);
    Hold(Key::kLeft);
    Run(900);
    Release(Key::kLeft);
    machine_.MovePointer(Point{500, 300});
    machine_.input.SetRight(true);
    window_->OnMouseDown(MouseButton::kRight);
    Run(200);
    machine_.input.SetRight(false);
    window_->OnMouseUp(MouseButton::kRight);
    machine_.clock.Advance(130);  // a late frame
    Run(1000);
    machine_.input.SetForeground(false);
    window_->SetApplicationActive(false);
    Run(600);
    machine_.input.SetForeground(true);
    window_->SetApplicationActive(true);
    window_->OnKeyDown(LetterKey('p'));
    Run(5000);
  }

  // A variable set as the runner's script sets one, on the tape too.
  void Set(const char* name, const TapeValue& value) {
    SetVar(window_->State(), name, value);
    recorder_.Set(name, value);
  }

  MainWindow& Window() { return *window_; }
  TapeRecorder& Recorder() { return recorder_; }
  uint64_t Hash() { return StateWriter(assets_).Hash(*window_); }

  std::vector<Replay> games;

 private:
  ScratchFolder folder_;
  HeadlessPlatform machine_;
  RestlessClock clock_;
  Platform platform_;
  AssetLibrary assets_;
  TapeRecorder recorder_;
  std::unique_ptr<MainWindow> window_;
};

struct Playback {
  uint64_t end_hash = 0;
  int32_t difficulty = 0;
  std::string first_name;
  std::vector<ReplayCheckpoint> checkpoints;
  bool settings_written = false;
};

// Plays the replay on a fresh machine whose own settings are the first run's.
Playback Play(const Replay& replay) {
  ScratchFolder folder;
  HeadlessPlatform machine(HeadlessOptions{99, HeadlessDisplay::kDefaultDesktop, folder.Path()});
  AssetLibrary assets(ZEPHYRANT_SOURCE_ASSETS, machine.audio, nullptr);
  TapePlayer player(replay, machine.services, "game.zrp");
  MainWindow window(player.Services(), assets);
  player.OnSet = [&window](const TapeEntry& e) { SetVar(window.State(), e.name, e.value); };
  player.Start(window);
  const StateWriter state(assets);
  Playback playback;
  size_t next = 0;
  // As many frames as the replay holds: whatever came after the last is
  // played with it.
  for (uint32_t frame = 0; frame < replay.frame_count; ++frame) {
    if (!player.PlayFrame()) ADD_FAILURE() << "the tape ended at frame " << frame;
    if (next < replay.checkpoints.size() &&
        replay.checkpoints[next].frame == static_cast<int32_t>(player.Frame())) {
      playback.checkpoints.push_back(
          ReplayCheckpoint{static_cast<int32_t>(player.Frame()), state.Hash(window)});
      ++next;
    }
  }
  playback.end_hash = state.Hash(window);
  playback.difficulty = window.State().difficulty;
  playback.first_name = window.State().hiscoreNames[0];
  playback.settings_written = !std::filesystem::is_empty(folder.Path());
  return playback;
}

TEST(TapeWindow, AGameGivenUpWithEscapePlaysBackToTheSameEnd) {
  Session session;
  session.PlayAGame();
  ASSERT_TRUE(session.Recorder().GameUnderWay());
  ASSERT_EQ(session.Window().State().screenState, kPlaying);
  // Escape between two frames ends the game; the replay ends there.
  session.Window().OnKeyDown(Key::kEscape);
  ASSERT_EQ(session.games.size(), 1u);
  const Replay& game = session.games[0];
  EXPECT_FALSE(session.Recorder().GameUnderWay());
  EXPECT_EQ(game.end_hash, session.Hash());
  EXPECT_GT(game.start_frame, 0u);
  EXPECT_LT(game.start_frame, game.frame_count);
  EXPECT_EQ(game.settings.difficulty, 2);
  EXPECT_EQ(game.settings.sound, 40);
  EXPECT_GE(game.checkpoints.size(), 1u);

  const Playback playback = Play(game);
  EXPECT_EQ(playback.checkpoints, game.checkpoints);
  EXPECT_EQ(playback.end_hash, game.end_hash);
  EXPECT_EQ(playback.difficulty, 2);
  EXPECT_EQ(playback.first_name, "p0i0l0o0t0");
  EXPECT_FALSE(playback.settings_written) << "playback wrote the player's settings";

  // The session goes on; the menus after it are no game.
  session.Run(1000);
  EXPECT_EQ(session.games.size(), 1u);
}

TEST(TapeWindow, ALostGameIsKeptWhenItsTableOpens) {
  Session session;
  session.PlayAGame();
  // Every ship lost; at the game-over prompt any key opens the table.
  for (int i = 0; i < 6 && session.games.empty(); ++i) {
    session.Set("hero_damage", 10.0);
    session.Run(8000);
    session.Window().OnKeyDown(LetterKey('a'));
    session.Run(500);
  }
  ASSERT_EQ(session.games.size(), 1u);
  EXPECT_FALSE(session.Recorder().GameUnderWay());
  EXPECT_NE(session.Window().State().screenState, kPlaying);
  // The table took the window back and put the pointer in its middle.
  EXPECT_EQ(Play(session.games[0]).end_hash, session.games[0].end_hash);
}

TEST(TapeWindow, AGameTheWindowClosedOnIsKeptAsFarAsItWent) {
  Session session;
  session.PlayAGame();
  ASSERT_TRUE(session.Recorder().GameUnderWay());
  EXPECT_TRUE(session.games.empty());
  const Replay game = session.Recorder().FinishGame();
  EXPECT_EQ(game.end_hash, session.Hash());
  EXPECT_EQ(Play(game).end_hash, game.end_hash);
}

TEST(TapeWindow, WhetherTheHelpPagesSiteOpenedIsTheReplays) {
  // Full screen, the site gives way to the browser; this machine has none.
  Session session(/*full_screen=*/true);
  session.Run(400);
  session.Window().OnKeyDown(Key::kUp);
  session.Run(300);
  session.Window().OnKeyDown(Key::kReturn);
  session.Run(600);
  ASSERT_EQ(session.Window().State().screenState, kHelp);
  session.Window().OnKeyDown(Key::kReturn);
  session.Run(600);
  // F11 goes by what the screen shows: still the whole screen here, a window
  // where the browser came up.
  session.Window().OnKeyDown(Key::kF11);
  session.Run(300);
  ASSERT_EQ(session.Window().State().fullScreen, 1) << "from the whole screen to a window";
  const Replay run = session.Recorder().Finish();
  const Playback playback = Play(run);
  EXPECT_EQ(playback.checkpoints, run.checkpoints);
  EXPECT_EQ(playback.end_hash, run.end_hash) << "played as if the page had opened";
}

}  // namespace
}  // namespace zephyrant
