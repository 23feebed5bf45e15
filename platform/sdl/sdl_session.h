// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every run of the game in a window starts the same way, whether it is
// played or a replay is watched: SDL itself, the sound device's report, the
// data folder and the way a run that cannot go on says so.

#include <string>

#include "platform/common/command_line.h"

namespace zephyrant {

class AssetLibrary;
class SdlAudio;
class SdlDisplay;

// SDL for the length of one run. Sound and game controllers are optional:
// without them the game plays silent, from the keyboard and mouse.
class SdlSession {
 public:
  SdlSession();
  ~SdlSession();
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;

  bool Video() const { return video_problem_.empty(); }
  // Why there is no display to play on.
  const std::string& VideoProblem() const { return video_problem_; }
  bool Audio() const { return audio_; }
  // Why SDL's audio did not start; empty when it did.
  const std::string& AudioProblem() const { return audio_problem_; }

 private:
  std::string video_problem_;
  bool audio_ = false;
  std::string audio_problem_;
};

// The game plays silent without a sound device, and says so once.
void ReportSilence(const SdlSession& session, const SdlAudio& audio);

// The data folder as the command line, the environment and the place of the
// binary give it; raises std::runtime_error naming every place looked at
// when there is none.
std::string DataFolderFor(const CommandLine& line, int argc, char** argv);

// The ship as the window's icon, for task bars and window switchers.
void ShowGameIcon(SdlDisplay& display, AssetLibrary& assets);

// Says on standard error, and in an error box once there is a display, why
// the run ends; the exit status of such a run.
int Fail(SdlDisplay* display, const std::string& message);

}  // namespace zephyrant
