#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class TForm1;

// The blinking name-entry cursor of the high-score table.
class TCursor final : public TImageSprite {
 public:
  explicit TCursor(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// Cursor blink speeds after a lost game and after a won or aborted one.
inline constexpr double kLostGameCursorSpeed = 1.0 / 3.0;
inline constexpr double kEndedGameCursorSpeed = 0.2;

// The `cr` cursor at the name-entry position, under the glyphs.
void CreateNameEntryCursor(TForm1& form, double frame_speed);

}  // namespace zephyrant
