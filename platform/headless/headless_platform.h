// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The platform in memory: a clock that moves only when told, a display that
// shows nothing, a mixer that plays silently for each sound's real length, an
// input reader fed by a script, and a URL opener that only takes notes. The
// runner and the scenario tests drive the real main window with these.

#include <bitset>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/platform.h"
#include "framework/surface.h"
#include "platform/common/screenshot_folder.h"
#include "platform/common/settings_file.h"

namespace zephyrant {

class ManualClock final : public Clock {
 public:
  explicit ManualClock(uint32_t seed = 1, uint32_t start_ms = 0) : seed_(seed), now_(start_ms) {}

  uint32_t NowMs() const override { return now_; }
  uint32_t SeedValue() const override { return seed_; }

  void SetNowMs(uint32_t now) { now_ = now; }
  void Advance(uint32_t ms) { now_ += ms; }

 private:
  uint32_t seed_;
  uint32_t now_;
};

class HeadlessDisplay final : public Display {
 public:
  static constexpr Size kDefaultDesktop{1920, 1080};

  explicit HeadlessDisplay(Size desktop = kDefaultDesktop) : desktop_(desktop) {}

  Size DesktopSize() const override { return desktop_; }
  void Configure(const WindowConfig& config) override;
  bool CanDraw() const override { return true; }
  void Present(const Surface& surface) override;
  void SetPointerVisible(bool visible) override { pointer_visible_ = visible; }
  void WarpPointer(int x, int y) override { pointer_ = Point{x, y}; }
  Point PointerPosition() const override { return pointer_; }
  void SetMouseCaptured(bool captured) override { captured_ = captured; }
  void ShowError(const std::string& title, const std::string& message) override;

  // The pointer as the player left it; unlike a warp this is not the game's doing.
  void SetPointerPosition(Point p) { pointer_ = p; }

  const WindowConfig& LastConfig() const { return last_config_; }
  int ConfigureCount() const { return configure_count_; }
  int PresentCount() const { return present_count_; }
  bool PointerVisible() const { return pointer_visible_; }
  bool MouseCaptured() const { return captured_; }
  // Every error the game showed, as "title: message".
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  Size desktop_;
  WindowConfig last_config_;
  int configure_count_ = 0;
  int present_count_ = 0;
  Point pointer_;
  bool pointer_visible_ = true;
  bool captured_ = false;
  std::vector<std::string> errors_;
};

// Always open. A voice plays for its sound's length on the game clock; a
// looped voice plays until it is stopped.
class HeadlessAudio final : public AudioDevice {
 public:
  explicit HeadlessAudio(const Clock& clock) : clock_(clock) {}

  bool IsOpen() const override { return true; }
  int LoadSound(const WaveData& wave) override;
  int CreateVoice(int sound) override;
  void Play(int voice, int volume, int pan, bool looped) override;
  void Stop(int voice) override;
  bool IsPlaying(int voice) const override;
  void SetVolume(int voice, int volume) override;
  void PauseAll() override;
  void ResumeAll() override;

  // Between PauseAll and ResumeAll.
  bool Paused() const { return paused_; }
  int SoundCount() const { return static_cast<int>(sound_lengths_ms_.size()); }
  int VoiceCount() const { return static_cast<int>(voices_.size()); }
  // The voice's last volume and pan; 0 for a voice that does not exist.
  int VoiceVolume(int voice) const;
  int VoicePan(int voice) const;

  // How long a sound plays: whole PCM frames at its sample rate, in ms.
  static uint32_t LengthMs(const WaveData& wave);

 private:
  struct Voice {
    int sound = 0;
    bool started = false;
    bool looped = false;
    uint32_t start_ms = 0;
    int volume = 0;
    int pan = 0;
    bool held = false;  // paused at held_ms
    uint32_t held_ms = 0;
  };
  bool Valid(int voice) const { return voice >= 0 && voice < VoiceCount(); }
  // How far the voice has played.
  uint32_t PlayedMs(const Voice& v) const;

  const Clock& clock_;
  std::vector<uint32_t> sound_lengths_ms_;
  std::vector<Voice> voices_;
  bool paused_ = false;
};

// What the keyboard, mouse and gamepad are doing, as a script says.
class HeadlessInput final : public InputReader {
 public:
  bool IsForeground() const override { return foreground_; }
  bool KeyDown(Key key) const override { return keys_.test(static_cast<size_t>(key)); }
  MouseSample ReadMouse() override;
  JoystickSample ReadJoystick() override { return joystick_; }

  void SetForeground(bool foreground) { foreground_ = foreground; }
  // The gamepad from now on; none is plugged in at first.
  void SetJoystick(const JoystickSample& joystick) { joystick_ = joystick; }
  void SetKey(Key key, bool down) { keys_.set(static_cast<size_t>(key), down); }
  // Motion adds up until the game reads it.
  void AddMotion(int dx, int dy);
  // A press is read once even when the button is let go before the read.
  void SetLeft(bool down) { Set(left_, down); }
  void SetRight(bool down) { Set(right_, down); }
  void SetMiddle(bool down) { Set(middle_, down); }

 private:
  bool foreground_ = true;
  JoystickSample joystick_;
  std::bitset<static_cast<size_t>(Key::kCount)> keys_;
  int dx_ = 0;
  int dy_ = 0;
  struct Button {
    bool held = false;
    bool pressed = false;  // since the last read
  };
  static void Set(Button& button, bool down) {
    button.held = down;
    if (down) button.pressed = true;
  }
  static bool Read(Button& button) {
    const bool down = button.held || button.pressed;
    button.pressed = false;
    return down;
  }

  Button left_;
  Button right_;
  Button middle_;
};

// Opens nothing; remembers what the game asked for.
class NullUrlOpener final : public UrlOpener {
 public:
  bool Open(const std::string& url) override;
  const std::vector<std::string>& Urls() const { return urls_; }

 private:
  std::vector<std::string> urls_;
};

// Remembers the shots the game asked for, and writes them as files too once
// given a folder.
class HeadlessScreenshots final : public ScreenshotSink {
 public:
  void Save(const Surface& surface) override;

  // From now on each shot is written into the folder as well.
  void KeepFilesIn(const std::filesystem::path& folder);

  int Count() const { return count_; }
  // The last shot's picture; none before the first.
  const std::optional<Surface>& Last() const { return last_; }
  // Where the shots are written as files; null when they are not.
  const ScreenshotFolder* Folder() const { return folder_.get(); }

 private:
  int count_ = 0;
  std::optional<Surface> last_;
  std::unique_ptr<ScreenshotFolder> folder_;
};

struct HeadlessOptions {
  uint32_t seed = 1;
  Size desktop = HeadlessDisplay::kDefaultDesktop;
  std::filesystem::path settings_folder;
};

// One machine's worth of headless services, ready to hand to a main window.
// Each instance is independent, so several games can run in one process.
class HeadlessPlatform {
 public:
  explicit HeadlessPlatform(const HeadlessOptions& options);
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  ManualClock clock;
  HeadlessDisplay display;
  HeadlessAudio audio;
  HeadlessInput input;
  SettingsFile settings;
  NullUrlOpener urls;
  HeadlessScreenshots screenshots;
  Platform services;

  // The player moves the pointer to (x, y) in surface pixels: the display
  // shows it there and the mouse reports the motion from where it was.
  void MovePointer(Point to);
};

}  // namespace zephyrant
