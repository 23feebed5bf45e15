// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The runner's input script: one event a line, "F EVENT", applied just before
// the input update of frame F (counting from 1). '#' starts a comment.
//
//   12 key down Space        12 key up LShift        3 char a
//   40 mouse move 400 310    41 mouse down left      42 mouse up left
//   50 lag 3                 60 focus out            70 focus in
//   80 minimise              90 pad unplug
//   95 pad 0 -32768 1        96 pad press Return
//   1 set screen_state 11    2 call NewGame
//
// Key names: Up Down Left Right Return Escape Space LShift RShift BackSpace
// F2 KP_2 KP_4 KP_6 KP_8, a letter or a digit. "char" takes one character,
// or Space, Return, Escape or BackSpace for those that cannot stand alone.
// "minimise" is the window minimised, "pad unplug" the gamepad in use
// unplugged; in play either pauses the game, as "focus out" does. "pad X Y
// BUTTONS" is the gamepad's stick (-32768 to 32767 each way) and buttons (bit
// n for button n + 1) from now on; "pad press KEY" is a key press the gamepad
// makes for the menus, which holds no key down.
// "set" takes a whole-number, decimal or text variable by its dump name,
// a number within the variable's range (script_limits.h).
// "call" runs one of the main window's operations: NewGame, HiScores or
// ToggleFullScreen (what F11 and Alt+Enter do).
// Lines are at most kMaxScriptLine characters, scripts kMaxScriptBytes.

#include <cstdint>
#include <istream>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/geometry.h"
#include "framework/platform.h"
#include "game/main_window.h"

namespace zephyrant {

// A line the parser cannot read; the message names the line and its text.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& text, const std::string& reason);
  int Line() const { return line_; }

 private:
  int line_;
};

struct ScriptEvent {
  enum class Kind {
    kKeyDown,
    kKeyUp,
    kChar,
    kMouseMove,
    kMouseDown,
    kMouseUp,
    kLag,
    kFocusOut,
    kFocusIn,
    kMinimise,
    kPadUnplug,
    kPad,
    kPadPress,
    kSet,
    kCall
  };
  using Value = std::variant<int32_t, double, std::string>;

  int frame = 0;
  int line = 0;
  Kind kind = Kind::kKeyDown;
  Key key = Key::kNone;                     // key down, key up, pad press
  char character = 0;                       // char; also the character a key down types
  Point pointer;                            // mouse move; pad: the stick
  uint32_t buttons = 0;                     // pad
  MouseButton button = MouseButton::kLeft;  // mouse down, mouse up
  int lag_count = 1;                        // lag
  std::string var;                          // set: the variable's dump name; call: the operation
  Value value;                              // set: already of the variable's type
};

class Script {
 public:
  // Raises a ScriptError for the first line it cannot read.
  static Script Parse(std::istream& in);
  static Script Parse(std::string_view text);
  // Events already checked, in frame order.
  static Script FromEvents(std::vector<ScriptEvent> events);

  bool Empty() const { return events_.empty(); }
  // The events of one frame, in the order the script gives them.
  std::span<const ScriptEvent> EventsAt(int frame) const;
  const std::vector<ScriptEvent>& Events() const { return events_; }

 private:
  std::vector<ScriptEvent> events_;  // by frame, then by line
};

// The key a script names ("Up", "LShift", "KP_8", "q", "7"); none when unknown.
std::optional<Key> KeyByName(std::string_view name);

}  // namespace zephyrant
