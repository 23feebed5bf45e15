// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/pad_menu_keys.h"

#include <cstdlib>

namespace zephyrant {

namespace {

// True once `now` has reached `due`, across the millisecond counter's wrap.
bool Reached(uint32_t now, uint32_t due) {
  return static_cast<int32_t>(now - due) >= 0;
}

void PressEach(uint32_t pressed, Key key, std::vector<Key>& keys) {
  for (; pressed != 0; pressed &= pressed - 1) keys.push_back(key);
}

}  // namespace

Key PadMenuKeys::Direction(const PadMenuReading& pad) const {
  if (pad.up) return Key::kUp;
  if (pad.down) return Key::kDown;
  if (pad.left) return Key::kLeft;
  if (pad.right) return Key::kRight;
  // A stick direction lasts until the stick is nearly back.
  if ((held_ == Key::kUp && pad.y <= -kLetGo) || (held_ == Key::kDown && pad.y >= kLetGo) ||
      (held_ == Key::kLeft && pad.x <= -kLetGo) || (held_ == Key::kRight && pad.x >= kLetGo)) {
    return held_;
  }
  const int ax = std::abs(pad.x);
  const int ay = std::abs(pad.y);
  if (ax < kPushed && ay < kPushed) return Key::kNone;
  // Only the axis pushed further counts, so a diagonal is one direction.
  if (ax > ay) return pad.x < 0 ? Key::kLeft : Key::kRight;
  return pad.y < 0 ? Key::kUp : Key::kDown;
}

void PadMenuKeys::Read(const PadMenuReading& pad, uint32_t now_ms, std::vector<Key>& keys,
                       bool start_pauses) {
  if (!pad.present) {
    *this = PadMenuKeys{};
    return;
  }
  const uint32_t buttons =
      pad.enter_buttons | pad.start_buttons | pad.escape_buttons | pad.other_buttons;
  const Key direction = Direction(pad);
  if (!present_) {
    present_ = true;
    buttons_ = buttons;
    held_ = direction;
    repeating_ = false;
    return;
  }
  const uint32_t pressed = buttons & ~buttons_;
  buttons_ = buttons;
  PressEach(pressed & pad.escape_buttons, Key::kEscape, keys);
  PressEach(pressed & pad.enter_buttons, Key::kReturn, keys);
  PressEach(pressed & pad.start_buttons, start_pauses ? Key::kPause : Key::kReturn, keys);
  PressEach(pressed & pad.other_buttons, Key::kNone, keys);

  if (direction != held_) {
    held_ = direction;
    repeating_ = direction != Key::kNone;
    if (repeating_) {
      keys.push_back(direction);
      next_repeat_ms_ = now_ms + kRepeatDelayMs;
    }
  } else if (repeating_ && Reached(now_ms, next_repeat_ms_)) {
    keys.push_back(direction);
    next_repeat_ms_ = now_ms + kRepeatIntervalMs;
  }
}

int PadMenuKeys::MsUntilRepeat(uint32_t now_ms) const {
  if (!repeating_) return -1;
  if (Reached(now_ms, next_repeat_ms_)) return 0;
  return static_cast<int>(next_repeat_ms_ - now_ms);
}

}  // namespace zephyrant
