// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_session.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "framework/assets.h"
#include "platform/common/data_folder.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/window_icon.h"

namespace zephyrant {

namespace {

constexpr const char* kErrorTitle = "Zephyrant";

// True when the comma-separated list of video drivers names this one.
bool NamesDriver(const char* list, const char* driver) {
  if (list == nullptr) return false;
  const std::string_view names(list);
  const size_t length = std::strlen(driver);
  for (size_t start = 0; start <= names.size();) {
    size_t end = names.find(',', start);
    if (end == std::string_view::npos) end = names.size();
    if (end - start == length && SDL_strncasecmp(list + start, driver, length) == 0) return true;
    start = end + 1;
  }
  return false;
}

// Without a window system SDL falls back to drivers that show nothing, and
// the game would run unseen for ever; they serve only who asks for them.
bool ShowsNothingUnasked(const char* driver) {
  if (driver == nullptr) return false;
  const bool invisible =
      SDL_strcasecmp(driver, "offscreen") == 0 || SDL_strcasecmp(driver, "dummy") == 0;
  return invisible && !NamesDriver(SDL_GetHint(SDL_HINT_VIDEODRIVER), driver);
}

std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return std::string(name) + (value != nullptr ? "=" + std::string(value) : " unset");
}

// The executable as the system sees it, so that the assets beside it are
// found however the game was started (from a PATH search, a relative path or
// a link).
std::string ExecutablePath(int argc, char** argv) {
  const std::string given = argc > 0 && argv[0] != nullptr ? argv[0] : "";
  char* base = SDL_GetBasePath();
  if (base == nullptr) return given;
  const std::filesystem::path name = std::filesystem::path(given).filename();
  const std::string path = (std::filesystem::path(base) / name).string();
  SDL_free(base);
  return path;
}

}  // namespace

SdlSession::SdlSession() {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    video_problem_ = SDL_GetError();
    return;
  }
  if (ShowsNothingUnasked(SDL_GetCurrentVideoDriver())) {
    video_problem_ = "no X11 or Wayland display (" + Setting("DISPLAY") + ", " +
                     Setting("WAYLAND_DISPLAY") + ")";
    return;
  }
  audio_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!audio_) audio_problem_ = SDL_GetError();
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
}

SdlSession::~SdlSession() {
  SDL_Quit();
}

void ReportSilence(const SdlSession& session, const SdlAudio& audio) {
  if (audio.IsOpen()) return;
  std::string reason = session.Audio() ? audio.OpenProblem() : session.AudioProblem();
  if (reason.empty()) reason = "no reason given";
  std::fprintf(stderr, "zephyrant: no sound device (%s); playing silent\n", reason.c_str());
}

std::string DataFolderFor(const CommandLine& line, int argc, char** argv) {
  const std::filesystem::path binary_folder =
      std::filesystem::path(ExecutablePath(argc, argv)).parent_path();
  const DataFolder found = FindDataFolder(DataSearchFor(line.data_folder, binary_folder));
  if (found.folder.empty()) throw std::runtime_error(NoDataMessage(found));
  return found.folder.string();
}

void ShowGameIcon(SdlDisplay& display, AssetLibrary& assets) {
  const std::vector<uint32_t> icon =
      MakeWindowIcon(assets.Images(Holder::kShip, "Hero").Item("hero"));
  display.SetIcon(icon.data(), Size{kWindowIconSide, kWindowIconSide});
}

int Fail(SdlDisplay* display, const std::string& message) {
  std::fprintf(stderr, "zephyrant: %s\n", message.c_str());
  if (display != nullptr) display->ShowError(kErrorTitle, message);
  return 1;
}

}  // namespace zephyrant
