#pragma once

#include "framework/sprite.h"

namespace zephyrant {

class TForm1;

// A title, item or option value of a menu screen.
class TMenu final : public TImageSprite {
 public:
  explicit TMenu(TSprite* parent) : TImageSprite(parent) {}
};

// The menu pointer: the player's mouse on the menu screens.
class TCursor1 final : public TImageSprite {
 public:
  static constexpr double kFrameSpeed = 0.5;
  explicit TCursor1(TSprite* parent);
};

// A decoration drifting over the menus.
class TMenu_Img final : public TImageSprite {
 public:
  explicit TMenu_Img(TSprite* parent) : TImageSprite(parent) {}
  double SpeedX = 0;
  double SpeedY = 0;
};

// The main menu's title and five items on the menu column.
void BuildMainMenu(TForm1& form);
// The pointer at the middle of the surface.
void CreatePointer(TForm1& form);
// Seven decorations at random places, animated at `frame_speed`.
void CreateDecorations(TForm1& form, double frame_speed);

}  // namespace zephyrant
