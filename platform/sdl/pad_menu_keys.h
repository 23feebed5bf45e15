// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The menus and the game-over prompt listen for key presses. A gamepad makes
// them too: a direction of the d-pad or the left stick presses the arrow key
// of that way (and repeats while held, like a held key), the south face button
// and Start press Enter, Back presses Escape, and every other button presses
// a key that means nothing but "a key" (enough for the game-over prompt). In
// play Start presses Pause instead.

#include <cstdint>
#include <vector>

#include "framework/platform.h"

namespace zephyrant {

// The first gamepad or joystick as the menus read it.
struct PadMenuReading {
  bool present = false;
  int x = 0;  // left stick, -32768 .. 32767
  int y = 0;
  bool up = false;  // d-pad, or a plain joystick's hat
  bool down = false;
  bool left = false;
  bool right = false;
  // Buttons by their role, one bit each.
  uint32_t enter_buttons = 0;
  uint32_t start_buttons = 0;
  uint32_t escape_buttons = 0;
  uint32_t other_buttons = 0;
};

class PadMenuKeys {
 public:
  static constexpr uint32_t kRepeatDelayMs = 400;
  static constexpr uint32_t kRepeatIntervalMs = 90;
  // The stick counts as pushed past half way and as let go below a quarter,
  // so a stick resting near the line does not chatter.
  static constexpr int kPushed = 16384;
  static constexpr int kLetGo = 8192;

  // Appends the key presses since the last reading to `keys`, in order. What
  // is held when a pad first appears counts as nothing until let go. With
  // start_pauses, Start presses Pause rather than Enter.
  void Read(const PadMenuReading& pad, uint32_t now_ms, std::vector<Key>& keys,
            bool start_pauses = false);
  // Milliseconds until a held direction repeats; -1 when none will.
  int MsUntilRepeat(uint32_t now_ms) const;

 private:
  Key Direction(const PadMenuReading& pad) const;

  bool present_ = false;
  uint32_t buttons_ = 0;  // every button held at the last reading
  Key held_ = Key::kNone;
  bool repeating_ = false;
  uint32_t next_repeat_ms_ = 0;
};

}  // namespace zephyrant
