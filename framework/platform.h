// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The narrow services the game needs from the machine it runs on. The SDL
// platform implements them for play; the headless platform implements them
// in memory for tests and the runner. Nothing in the game can tell which.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/geometry.h"

namespace zephyrant {

class Surface;

// The game clock: milliseconds that only ever grow. The SDL loop feeds it real
// time; the runner advances it by one frame interval per frame.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t NowMs() const = 0;
  // The value the random generator is seeded from at start-up.
  virtual uint32_t SeedValue() const = 0;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// How the game window should look: a window of a client size, or the whole
// screen. The presenter keeps the surface's 4:3 shape inside the client area.
struct WindowConfig {
  bool bordered = false;
  bool stay_on_top = false;
  bool exclusive_full_screen = false;  // the display switched to display_size
  // The window system's own full screen over the desktop, in its own video
  // mode; other windows come in front of it like in front of any window.
  bool full_screen = false;
  bool resizable = false;  // the player may resize and maximise the window
  Size client;             // client area of the window
  Size display;            // video mode for exclusive full screen
  bool centred = true;     // centred on the desktop, else at (0, 0)
};

// The smallest window the player can make: a fifth of the surface each way.
inline constexpr Size kMinWindowSize{kSurfaceWidth / 5, kSurfaceHeight / 5};

class Display {
 public:
  virtual ~Display() = default;
  virtual Size DesktopSize() const = 0;
  // Sets up the window; raises "Display mode cannot be changed (%dx%d %dbit)"
  // when the mode cannot be set.
  virtual void Configure(const WindowConfig& config) = 0;
  // True while the window can show frames.
  virtual bool CanDraw() const = 0;
  virtual void Present(const Surface& surface) = 0;
  // The system pointer, in surface pixels.
  virtual void SetPointerVisible(bool visible) = 0;
  virtual void WarpPointer(int x, int y) = 0;
  virtual Point PointerPosition() const = 0;
  // While captured, the pointer is hidden, motion is relative and the
  // position in surface pixels follows that motion, whatever the scaling.
  virtual void SetMouseCaptured(bool captured) = 0;
  virtual void ShowError(const std::string& title, const std::string& message) = 0;
};

// One decoded sound: interleaved little-endian PCM (8-bit unsigned or 16-bit signed).
struct WaveData {
  int sample_rate = 0;
  int bits_per_sample = 0;
  int channels = 0;
  std::vector<uint8_t> pcm;

  int FrameBytes() const { return channels * bits_per_sample / 8; }
  double Seconds() const {
    const int frame = FrameBytes();
    return frame > 0 && sample_rate > 0 ? static_cast<double>(pcm.size() / frame) / sample_rate
                                        : 0.0;
  }
};

// A mixer of several playing copies at once.
class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  virtual bool IsOpen() const = 0;
  // Prepares a sound for playing; -1 when it cannot be.
  virtual int LoadSound(const WaveData& wave) = 0;
  // A playback copy of a loaded sound; -1 when none can be made.
  virtual int CreateVoice(int sound) = 0;
  // Stops and rewinds the copy, sets its volume (hundredths of a decibel,
  // 0 full, -10000 silent) and pan, and starts it once or looping.
  virtual void Play(int voice, int volume, int pan, bool looped) = 0;
  virtual void Stop(int voice) = 0;
  virtual bool IsPlaying(int voice) const = 0;
  virtual void SetVolume(int voice, int volume) = 0;
  // Holds every copy that is playing, the music too, where it is; resuming
  // lets them all go on from there. A copy started in between plays at once.
  virtual void PauseAll() = 0;
  virtual void ResumeAll() = 0;
};

// Linear gain for a volume in hundredths of a decibel; 0 and above play at full.
double VolumeToGain(int volume);

// The game's virtual keys.
enum class Key : uint8_t {
  kNone,
  kUp,
  kDown,
  kLeft,
  kRight,
  kReturn,
  kEscape,
  kSpace,
  kShift,
  kBackSpace,
  kF2,
  kKeypad2,
  kKeypad4,
  kKeypad6,
  kKeypad8,
  kPause,
  kF11,
  kF12,
  kA,
  kZ = kA + 25,
  k0,
  k9 = k0 + 9,
  kCount
};

inline Key LetterKey(char c) {
  return static_cast<Key>(static_cast<int>(Key::kA) + (c - 'a'));
}
inline Key DigitKey(char c) {
  return static_cast<Key>(static_cast<int>(Key::k0) + (c - '0'));
}

struct MouseSample {
  int dx = 0;  // relative motion since the last read
  int dy = 0;
  // A button reads as down while it is held, and once after a press that
  // was let go again before the read, so that a quick click is not lost.
  bool left = false;
  bool right = false;
  bool middle = false;
};

// A joystick or gamepad. Axes run from -32768 to 32767; button n (from 0)
// stands for the device's button n + 1.
struct JoystickSample {
  bool present = false;
  int x = 0;
  int y = 0;
  uint32_t buttons = 0;
};

class InputReader {
 public:
  virtual ~InputReader() = default;
  virtual bool IsForeground() const = 0;
  virtual bool KeyDown(Key key) const = 0;
  // Reading the mouse consumes its accumulated motion.
  virtual MouseSample ReadMouse() = 0;
  virtual JoystickSample ReadJoystick() = 0;
};

// The per-user settings store: one key path holding named string and 32-bit
// integer values. Writes are kept until CloseKey, which stores them at once.
// Other copies of the game may share the store: a close stores the values
// written since opening over what they saved meanwhile.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens the key; with create, makes it when missing. False when it cannot.
  virtual bool OpenKey(std::string_view path, bool create) = 0;
  // Stores what was written since opening; false when that failed (the
  // previous contents then stay as they were).
  virtual bool CloseKey() = 0;
  // A missing string reads as empty.
  virtual std::string ReadString(std::string_view name) = 0;
  // Whether a string is stored under the name, so an empty one can be told
  // from one that is missing or could not be read.
  virtual bool HasString(std::string_view name) = 0;
  // Missing, or of another type: no value.
  virtual std::optional<int32_t> ReadInteger(std::string_view name) = 0;
  virtual void WriteString(std::string_view name, std::string_view value) = 0;
  virtual void WriteInteger(std::string_view name, int32_t value) = 0;
  // From BeginUpdate to EndUpdate no other copy of the game stores anything,
  // so values read, changed and written back in between cannot undo what
  // another copy saved. Keys may be opened and closed any number of times
  // in between; updates may nest. A store no other copy shares has nothing
  // to hold off.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}
};

// Holds the store for one update (above) for as long as it lives.
class SettingsUpdate {
 public:
  explicit SettingsUpdate(SettingsStore& store) : store_(store) { store_.BeginUpdate(); }
  ~SettingsUpdate() { store_.EndUpdate(); }
  SettingsUpdate(const SettingsUpdate&) = delete;
  SettingsUpdate& operator=(const SettingsUpdate&) = delete;

 private:
  SettingsStore& store_;
};

class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  // Opens a web page or file URL in the default browser; false when nothing could.
  virtual bool Open(const std::string& url) = 0;
};

// Keeps pictures of the game for the player. Whatever goes wrong is the
// sink's to report; the game goes on either way.
class ScreenshotSink {
 public:
  virtual ~ScreenshotSink() = default;
  // Keeps a copy of the surface as it is now.
  virtual void Save(const Surface& surface) = 0;
};

// Everything the main window gets from the machine.
struct Platform {
  Clock& clock;
  Display& display;
  AudioDevice& audio;
  InputReader& input;
  SettingsStore& settings;
  UrlOpener& urls;
  ScreenshotSink& screenshots;
};

}  // namespace zephyrant
