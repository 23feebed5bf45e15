// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pieces of watching a replay in the window that need no SDL: what the
// game hears and shows while the viewer passes over the start of a run,
// the pace of the frames, and the check that the replay still plays as it
// was recorded.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "framework/platform.h"
#include "platform/common/replay_file.h"

namespace zephyrant {

// Raises a ReplayError naming `source` when the replay holds what only the
// headless runner can play: game variables set by a runner script.
void CheckWatchable(const Replay& replay, std::string_view source);

// The sound device, silent while held back. Looped sounds (the music) that
// would be playing when it is let go start then, so the game sounds as if
// it had been heard all along.
class HeldBackAudio final : public AudioDevice {
 public:
  explicit HeldBackAudio(AudioDevice& real) : real_(real) {}

  void HoldBack() { held_ = true; }
  void LetGo();
  bool HeldBack() const { return held_; }

  bool IsOpen() const override { return real_.IsOpen(); }
  int LoadSound(const WaveData& wave) override { return real_.LoadSound(wave); }
  int CreateVoice(int sound) override { return real_.CreateVoice(sound); }
  void Play(int voice, int volume, int pan, bool looped) override;
  void Stop(int voice) override;
  bool IsPlaying(int voice) const override;
  void SetVolume(int voice, int volume) override;
  void PauseAll() override;
  void ResumeAll() override;

 private:
  struct Loop {
    int volume = 0;
    int pan = 0;
  };

  AudioDevice& real_;
  bool held_ = false;
  bool paused_ = false;
  std::map<int, Loop> loops_;  // by voice, while held back
};

// The window the replay shows in. Frames reach the real display only while
// shown; --fullscreen or --window (`forced`, the game state's 0 or 1)
// chooses the window once for the whole replay, and the switches the replay
// makes then leave it as it is.
class ViewerScreen final : public Display {
 public:
  ViewerScreen(Display& real, std::optional<int> forced) : real_(real), forced_(forced) {}

  void Show(bool shown) { shown_ = shown; }
  // Called after each change of the window, which may have made it anew.
  std::function<void()> OnConfigured;

  Size DesktopSize() const override { return real_.DesktopSize(); }
  void Configure(const WindowConfig& config) override;
  bool CanDraw() const override { return real_.CanDraw(); }
  void Present(const Surface& surface) override;
  void SetPointerVisible(bool visible) override { real_.SetPointerVisible(visible); }
  void WarpPointer(int x, int y) override { real_.WarpPointer(x, y); }
  Point PointerPosition() const override { return real_.PointerPosition(); }
  void SetMouseCaptured(bool captured) override { real_.SetMouseCaptured(captured); }
  void ShowError(const std::string& title, const std::string& message) override {
    real_.ShowError(title, message);
  }

 private:
  Display& real_;
  std::optional<int> forced_;
  bool configured_ = false;
  bool shown_ = true;
};

// The game clock of a replay: it moves by the frames' lags, whatever the
// real time, as it did for the game when it was recorded.
class ReplayClock final : public Clock {
 public:
  uint32_t NowMs() const override { return now_; }
  uint32_t SeedValue() const override { return 0; }
  void Advance(uint32_t ms) { now_ += ms; }

 private:
  uint32_t now_ = 0;
};

// The real time each frame of a replay is due at: its lag's worth of frame
// intervals after the one before. A viewer that fell behind (the machine
// was busy, the window was dragged) carries on from now instead of rushing
// to catch up, and one very late frame of the recording (a machine woken
// from sleep) is not waited out in full.
class ReplayPace {
 public:
  static constexpr uint64_t kLongestFrameMs = 1000;
  static constexpr uint64_t kMostBehindMs = 250;

  explicit ReplayPace(uint64_t now_ms) : due_(now_ms) {}
  // When the next frame, of this lag, is due.
  uint64_t Next(int lag, uint64_t now_ms);

 private:
  uint64_t due_;
};

// Compares the state after the frames the recording kept a hash for; says
// once, at the first that differs, that the replay left its recording.
class DesyncWatch {
 public:
  DesyncWatch(const Replay& replay, std::string source) : replay_(replay), source_(source) {}
  // Whether the recording kept a hash for the frame just played.
  bool Checks(uint32_t frame);
  // The line to tell, the first time a kept hash differs; empty otherwise.
  std::string Check(uint32_t frame, uint64_t hash);

 private:
  const Replay& replay_;
  std::string source_;
  size_t next_ = 0;
  bool told_ = false;
};

}  // namespace zephyrant
