// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A replay's tape: everything that entered the game, in the order it entered,
// from start-up on. The event handlers' calls, the level timers' firings and
// the frames are entries of their own; what the game read from the keyboard,
// the mouse, the gamepad and the pointer is written only where it changed,
// as "from now on this read answers that". The byte layout is in
// docs/replay-format.md.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "framework/geometry.h"
#include "framework/platform.h"

namespace zephyrant {

enum class TapeOp : uint8_t {
  kFrames,      // `count` frames the game clock moved one interval for
  kLagFrame,    // one frame the game clock moved `lag` intervals for
  kIdleFrames,  // `count` runner frames in which the game ran no frame
  kKeyDown,     // key
  kKeyPress,    // character
  kMouseDown,   // button: 0 left, 1 right, 2 middle
  kMouseUp,     // button
  kActive,      // flag: the application became active (or inactive)
  kMinimised,
  kGamepadLost,
  kCall,  // call: a main-window operation a runner script called
  kSet,   // name, value: a game variable a runner script set
  kLevelTimer,
  kBossTimer,
  kForeground,  // flag: what IsForeground answers from now on
  kKeyState,    // key, flag: whether the key reads as held from now on
  kMouse,       // mouse: the sample ReadMouse gives from now on
  kJoystick,    // joystick: the sample ReadJoystick gives from now on
  kPointer,     // pointer: where PointerPosition says the pointer is from now on
  kBrowser,     // flag: whether a web page the game asks for opens from now on
  kCount
};

enum class TapeCall : uint8_t { kNewGame, kHiScores, kToggleFullScreen, kCount };

using TapeValue = std::variant<int32_t, double, std::string>;

struct TapeEntry {
  TapeOp op = TapeOp::kFrames;
  uint32_t count = 1;
  int32_t lag = 1;
  Key key = Key::kNone;
  bool flag = false;
  char character = 0;
  uint8_t button = 0;
  TapeCall call = TapeCall::kNewGame;
  MouseSample mouse;
  JoystickSample joystick;
  Point pointer;
  std::string name;
  TapeValue value;

  bool IsFrame() const { return op <= TapeOp::kIdleFrames; }
};

// What playback answers the game's reads with, kept alike by the recorder so
// that it writes only what differs. Both start from this state.
struct ReadModel {
  bool foreground = true;
  uint64_t keys = 0;  // bit n: Key n held
  MouseSample mouse;
  JoystickSample joystick;
  Point pointer;
  bool browser = true;

  bool KeyHeld(Key key) const { return (keys >> static_cast<int>(key)) & 1u; }
  void Apply(const TapeEntry& entry);
};
static_assert(static_cast<int>(Key::kCount) <= 64, "the model keeps the keys in one word");

// Appends entries to a tape, folding runs of one-interval frames and of idle
// frames into one entry each.
class TapeWriter {
 public:
  void Add(const TapeEntry& entry);
  // Frames of either kind so far.
  uint32_t Frames() const { return frames_; }
  const std::string& Bytes() const { return bytes_; }
  std::string Take();

 private:
  std::string bytes_;
  uint32_t frames_ = 0;
  // The run the last entry was, to be lengthened in place.
  size_t run_at_ = std::string::npos;
  TapeOp run_op_ = TapeOp::kFrames;
  uint32_t run_count_ = 0;
};

// Reads a tape's entries in order. Raises a ReplayError naming `source` at the
// first entry that is damaged or that no recording could have written.
class TapeReader {
 public:
  TapeReader(std::string_view bytes, std::string_view source) : bytes_(bytes), source_(source) {}
  // The next entry; false at the end of the tape.
  bool Next(TapeEntry& entry);
  size_t At() const { return at_; }

 private:
  std::string_view bytes_;
  std::string_view source_;
  size_t at_ = 0;
};

}  // namespace zephyrant
