// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/replay_viewer.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "framework/assets.h"
#include "game/main_window.h"
#include "game/state_text.h"
#include "game/tape_player.h"
#include "platform/common/memory_settings.h"
#include "platform/common/replay_file.h"
#include "platform/common/screenshot_folder.h"
#include "platform/sdl/replay_watch.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_session.h"

namespace zephyrant {

namespace {

// While passing over the start of a run, the window still hears its events
// this often, so that Escape and the close button answer.
constexpr uint32_t kFramesBetweenLooks = 64;

// The tape answers every read of the input; the viewer's own keys and mouse
// never reach the game.
class NoInput final : public InputReader {
 public:
  bool IsForeground() const override { return true; }
  bool KeyDown(Key) const override { return false; }
  MouseSample ReadMouse() override { return {}; }
  JoystickSample ReadJoystick() override { return {}; }
};

// Watching opens no web page: whether the recorded game's page opened is the
// replay's to say.
class NoBrowser final : public UrlOpener {
 public:
  bool Open(const std::string&) override { return true; }
};

uint64_t NowMs() {
  using namespace std::chrono;
  return static_cast<uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

class Viewer {
 public:
  Viewer(const Replay& replay, TapePlayer& player, MainWindow& window, SdlDisplay& display,
         ViewerScreen& screen, HeldBackAudio& sound, ReplayClock& clock)
      : replay_(replay),
        player_(player),
        window_(window),
        display_(display),
        screen_(screen),
        sound_(sound),
        clock_(clock),
        pace_(NowMs()) {}

  // Plays the tape to its end, or until the viewer is closed.
  void Run(const std::string& source, StateWriter& state) {
    DesyncWatch watch(replay_, source);
    const bool pass_over = replay_.start_frame > 0;
    if (pass_over) {
      sound_.HoldBack();
      screen_.Show(false);
    }
    player_.BeforeFrame = [this](int lag) { BeforeFrame(lag); };
    while (!stopped_ && player_.PlayFrame()) {
      const uint32_t frame = player_.Frame();
      if (watch.Checks(frame)) {
        const std::string desync = watch.Check(frame, state.Hash(window_));
        if (!desync.empty()) std::fprintf(stderr, "zephyrant: %s\n", desync.c_str());
      }
      if (sound_.HeldBack() && frame >= replay_.start_frame) {
        // The game this replay keeps starts with the next frame.
        sound_.LetGo();
        screen_.Show(true);
        pace_ = ReplayPace(NowMs());
      }
    }
  }

 private:
  void BeforeFrame(int lag) {
    clock_.Advance(static_cast<uint32_t>(lag) * static_cast<uint32_t>(kFrameIntervalMs));
    if (sound_.HeldBack()) {
      if (player_.Frame() % kFramesBetweenLooks == 0) LookAtEvents(0);
      return;
    }
    const uint64_t due = pace_.Next(lag, NowMs());
    for (uint64_t now = NowMs(); !stopped_; now = NowMs()) {
      LookAtEvents(now < due ? static_cast<int>(due - now) : 0);
      if (NowMs() >= due) break;
    }
  }

  // Handles the window's events, waiting up to `wait_ms` for the first.
  void LookAtEvents(int wait_ms) {
    SDL_Event event;
    int pending = wait_ms > 0 ? SDL_WaitEventTimeout(&event, wait_ms) : SDL_PollEvent(&event);
    while (pending != 0 && !stopped_) {
      Handle(event);
      pending = SDL_PollEvent(&event);
    }
  }

  void Handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        stopped_ = true;
        break;
      case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) stopped_ = true;
        if (event.key.keysym.sym == SDLK_F12 && event.key.repeat == 0) window_.TakeScreenshot();
        break;
      case SDL_WINDOWEVENT:
        HandleWindow(event.window);
        break;
      case SDL_RENDER_DEVICE_RESET:
        display_.OnRenderDeviceReset();
        break;
      default:
        break;
    }
  }

  void HandleWindow(const SDL_WindowEvent& event) {
    if (display_.Window() == nullptr || event.windowID != SDL_GetWindowID(display_.Window())) {
      return;
    }
    switch (event.event) {
      case SDL_WINDOWEVENT_CLOSE:
        stopped_ = true;
        break;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        display_.OnFocusLost();
        break;
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        display_.OnWindowSizeChanged();
        break;
      case SDL_WINDOWEVENT_EXPOSED:
        display_.Repaint();
        break;
      default:
        break;
    }
  }

  const Replay& replay_;
  TapePlayer& player_;
  MainWindow& window_;
  SdlDisplay& display_;
  ViewerScreen& screen_;
  HeldBackAudio& sound_;
  ReplayClock& clock_;
  ReplayPace pace_;
  bool stopped_ = false;
};

}  // namespace

int WatchReplay(const CommandLine& line, int argc, char** argv, const ReplaySetter& sets) {
  const std::string& source = line.replay_file;
  // The file is read and checked whole before any window opens.
  std::optional<Replay> replay;
  try {
    replay = ReadReplayFile(source, GameVersion());
    if (!sets) CheckWatchable(*replay, source);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zephyrant: %s\n", error.what());
    return 1;
  }

  SdlSession session;
  if (!session.Video()) return Fail(nullptr, "cannot open a display: " + session.VideoProblem());

  SdlDisplay display;
  SdlAudio audio(session.Audio());
  ReportSilence(session, audio);
  HeldBackAudio sound(audio);
  ViewerScreen screen(display, line.full_screen);
  const std::string title =
      "Zephyrant replay: " + std::filesystem::path(source).filename().string();
  screen.OnConfigured = [&display, &title] {
    if (display.Window() != nullptr) SDL_SetWindowTitle(display.Window(), title.c_str());
  };
  ReplayClock clock;
  NoInput input;
  NoBrowser urls;
  MemorySettings unused;
  try {
    AssetLibrary assets(DataFolderFor(line, argc, argv), sound, nullptr);
    ScreenshotFolder screenshots(DefaultScreenshotFolder());
    Platform machine{clock, screen, sound, input, unused, urls, screenshots};
    TapePlayer player(*replay, machine, source);
    MainWindow window(player.Services(), assets);
    StateWriter state(assets);
    Viewer viewer(*replay, player, window, display, screen, sound, clock);
    if (sets) player.OnSet = [&sets, &window](const TapeEntry& e) { sets(window.State(), e); };
    player.Start(window);
    ShowGameIcon(display, assets);
    viewer.Run(source, state);
  } catch (const std::exception& error) {
    return Fail(&display, error.what());
  }
  return 0;
}

}  // namespace zephyrant
