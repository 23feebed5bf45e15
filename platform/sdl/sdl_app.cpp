// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_app.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/assets.h"
#include "game/main_window.h"
#include "game/tape_recorder.h"
#include "platform/common/command_line.h"
#include "platform/common/data_folder.h"
#include "platform/common/replay_folder.h"
#include "platform/common/screenshot_folder.h"
#include "platform/common/settings_file.h"
#include "platform/sdl/pad_menu_keys.h"
#include "platform/sdl/replay_viewer.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_session.h"
#include "platform/sdl/sdl_url_opener.h"

namespace zephyrant {

namespace {

constexpr int kExitUsage = 2;

std::optional<MouseButton> ButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT:
      return MouseButton::kLeft;
    case SDL_BUTTON_RIGHT:
      return MouseButton::kRight;
    case SDL_BUTTON_MIDDLE:
      return MouseButton::kMiddle;
    default:
      return std::nullopt;
  }
}

// Turns SDL's events into the main window's handlers.
class EventHandler {
 public:
  EventHandler(MainWindow& main_window, SdlDisplay& display, SdlInput& input)
      : main_window_(main_window), display_(display), input_(input) {}

  // False when the run must end at once.
  bool Handle(const SDL_Event& event) {
    switch (event.type) {
      case SDL_QUIT:
        return false;
      case SDL_WINDOWEVENT:
        return HandleWindow(event.window);
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (event.type == SDL_MOUSEBUTTONDOWN) input_.OnMouseButtonDown(event.button.button);
        if (const auto button = ButtonOf(event.button.button)) {
          if (event.type == SDL_MOUSEBUTTONDOWN) {
            main_window_.OnMouseDown(*button);
          } else {
            main_window_.OnMouseUp(*button);
          }
        }
        return true;
      case SDL_MOUSEMOTION:
        // Where relative mode is refused, the ship's warps of the free
        // pointer come back as motion; counted, they would push the ship on.
        if (!display_.TakeWarpEcho(event.motion.x, event.motion.y)) {
          input_.OnMouseMotion(event.motion.xrel, event.motion.yrel);
        }
        display_.OnMouseMotion(event.motion.xrel, event.motion.yrel);
        return true;
      case SDL_KEYDOWN:
        if (!HandleFullScreenKey(event.key)) HandleKey(event.key.keysym.sym, event.key.repeat != 0);
        return true;
      case SDL_TEXTINPUT:
        for (const char* c = event.text.text; *c != '\0'; ++c) {
          // Letters and digits are all the game types; other scripts pass by.
          if (static_cast<unsigned char>(*c) < 0x80) main_window_.OnKeyPress(*c);
        }
        return true;
      case SDL_KEYMAPCHANGED:
        input_.OnKeymapChanged();
        return true;
      case SDL_JOYDEVICEADDED:
        input_.Joysticks().OnDeviceAdded(event.jdevice.which);
        return true;
      case SDL_CONTROLLERDEVICEADDED:
        input_.Joysticks().OnDeviceAdded(event.cdevice.which);
        return true;
      case SDL_JOYDEVICEREMOVED:
        if (input_.Joysticks().OnDeviceRemoved(event.jdevice.which)) main_window_.OnGamepadLost();
        return true;
      case SDL_CONTROLLERDEVICEREMOVED:
        if (input_.Joysticks().OnDeviceRemoved(event.cdevice.which)) main_window_.OnGamepadLost();
        return true;
      case SDL_RENDER_DEVICE_RESET:
        display_.OnRenderDeviceReset();
        return true;
      default:
        return true;
    }
  }

 private:
  bool HandleWindow(const SDL_WindowEvent& event) {
    if (display_.Window() == nullptr || event.windowID != SDL_GetWindowID(display_.Window())) {
      return true;
    }
    switch (event.event) {
      case SDL_WINDOWEVENT_CLOSE:
        return false;
      case SDL_WINDOWEVENT_FOCUS_GAINED:
        main_window_.SetApplicationActive(true);
        return true;
      case SDL_WINDOWEVENT_FOCUS_LOST:
        display_.OnFocusLost();
        main_window_.SetApplicationActive(false);
        return true;
      case SDL_WINDOWEVENT_SIZE_CHANGED:
        display_.OnWindowSizeChanged();
        if (const auto size = display_.PlayersWindowSize()) main_window_.OnWindowResized(*size);
        return true;
      case SDL_WINDOWEVENT_MINIMIZED:
        main_window_.OnMinimised();
        return true;
      case SDL_WINDOWEVENT_EXPOSED:
        // A paused game draws no frames, so the last one is shown again.
        display_.Repaint();
        return true;
      default:
        return true;
    }
  }

  // F11 and Alt+Enter switch between full screen and a window, once per
  // press however long the key is held; Alt+Enter is no Enter for the menus.
  // True when the key was one of them.
  bool HandleFullScreenKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode code = key.keysym.sym;
    const bool alt_enter =
        (code == SDLK_RETURN || code == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT) != 0;
    if (!alt_enter && code != SDLK_F11) return false;
    if (key.repeat == 0) main_window_.ToggleFullScreen();
    return true;
  }

  void HandleKey(SDL_Keycode code, bool repeat) {
    // Keys the game has no use for still count as "any key".
    const Key key = KeyFromKeycode(code);
    // A held pause key pauses once instead of toggling with every repeat, and
    // a held F12 takes one picture.
    if (repeat && (key == Key::kPause || key == LetterKey('p') || key == Key::kF12)) return;
    main_window_.OnKeyDown(key);
    // Backspace types no text, but name entry treats it as a typed key.
    if (key == Key::kBackSpace && !main_window_.Terminated()) main_window_.OnKeyPress('\b');
  }

  MainWindow& main_window_;
  SdlDisplay& display_;
  SdlInput& input_;
};

// The gamepad's presses reach the key handler like the keyboard's. Out of
// the foreground the pad counts as gone, so nothing held then is pressed later.
void PressPadKeys(MainWindow& main_window, SdlInput& input, PadMenuKeys& pad_keys,
                  std::vector<Key>& keys) {
  keys.clear();
  const PadMenuReading pad =
      input.IsForeground() ? input.Joysticks().ReadFirstForMenus() : PadMenuReading{};
  pad_keys.Read(pad, SDL_GetTicks(), keys, main_window.StartPauses());
  for (const Key key : keys) {
    if (main_window.Terminated()) return;
    main_window.OnKeyDown(key);
  }
}

int Sooner(int a, int b) {
  if (a < 0) return b;
  if (b < 0) return a;
  return a < b ? a : b;
}

// Runs until the game terminates itself or the window or system asks it to
// end; either way nothing more is done for the game on the way out.
void RunMessageLoop(MainWindow& main_window, SdlDisplay& display, SdlInput& input) {
  EventHandler handler(main_window, display, input);
  PadMenuKeys pad_keys;
  std::vector<Key> keys;
  while (!main_window.Terminated()) {
    // Sleep until an event comes, a timer of the game is due or a held
    // gamepad direction repeats.
    const int wait = Sooner(main_window.MsUntilNextTick(), pad_keys.MsUntilRepeat(SDL_GetTicks()));
    SDL_Event event;
    int pending = wait < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, wait);
    while (pending != 0 && !main_window.Terminated()) {
      if (!handler.Handle(event)) return;
      pending = SDL_PollEvent(&event);
    }
    if (main_window.Terminated()) return;
    PressPadKeys(main_window, input, pad_keys, keys);
    if (main_window.Terminated()) return;
    main_window.Idle();
  }
}

// Answers --help and --version, and refuses a command line it cannot read;
// the exit status, or -1 when the game is to be played.
int AnswerCommandLine(const CommandLine& line) {
  switch (line.action) {
    case CommandLine::Action::kHelp:
      std::fputs(UsageText().c_str(), stdout);
      return 0;
    case CommandLine::Action::kVersion:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case CommandLine::Action::kUsageError:
      std::fprintf(stderr, "%s\n", line.error.c_str());
      return kExitUsage;
    case CommandLine::Action::kPlay:
      break;
  }
  return -1;
}

// Every game played is kept as a replay of the session up to its end.
void KeepReplays(TapeRecorder& recorder, ReplayFolder& replays) {
  recorder.OnGameEnd = [&replays](const Replay& replay) { replays.Save(replay); };
  recorder.OnFull = [] {
    std::fputs("zephyrant: this session is too long to record; its later games keep no replay\n",
               stderr);
  };
}

}  // namespace

int RunGame(int argc, char** argv) {
  // Before SDL starts, so that --help and --version need no display.
  const CommandLine line = ParseCommandLine(argc, argv);
  if (const int status = AnswerCommandLine(line); status >= 0) return status;
  if (!line.replay_file.empty()) return WatchReplay(line, argc, argv);

  SdlSession session;
  if (!session.Video()) return Fail(nullptr, "cannot open a display: " + session.VideoProblem());

  SdlDisplay display;
  SdlAudio audio(session.Audio());
  ReportSilence(session, audio);
  SdlInput input(display);
  SdlClock clock;
  SdlUrlOpener urls;
  try {
    // Every asset loads before the settings store is even opened, so a run
    // that cannot start leaves the player's settings as they were.
    AssetLibrary assets(DataFolderFor(line, argc, argv), audio, nullptr);
    SettingsFile settings(DefaultSettingsFolder());
    ScreenshotFolder screenshots(DefaultScreenshotFolder());
    Platform platform{clock, display, audio, input, settings, urls, screenshots};
    TapeRecorder recorder(platform, assets);
    ReplayFolder replays(DefaultReplayFolder());
    KeepReplays(recorder, replays);
    MainWindow main_window(recorder.Services(), assets);
    recorder.Attach(main_window);
    if (line.full_screen) main_window.SetFullScreenForThisRun(*line.full_screen);
    main_window.StartUp();
    main_window.ShowFirstFrameNow();
    recorder.Started();
    ShowGameIcon(display, assets);
    SDL_StartTextInput();
    RunMessageLoop(main_window, display, input);
    main_window.SaveWindowSize();
    // A game the window closed on is kept as far as it went.
    if (recorder.GameUnderWay() && !recorder.Full()) replays.Save(recorder.FinishGame());
  } catch (const std::exception& error) {
    return Fail(&display, error.what());
  }
  return 0;
}

}  // namespace zephyrant
