// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/geometry.h"
#include "framework/sprite.h"

namespace zephyrant {

class GameWorld;

// A title, item or option value of a menu screen. Its move step is the menu
// controller: it builds the screen the screen state asks for and swaps items
// between their normal and highlighted pictures.
class MenuItem final : public ImageSprite {
 public:
  explicit MenuItem(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
};

// The menu pointer: the player's mouse on the menu screens. Touching a menu
// sprite hovers over and clicks the item on the pointer's row.
class MenuPointer final : public ImageSprite {
 public:
  static constexpr double kFrameSpeed = 0.5;
  explicit MenuPointer(Sprite* parent);
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  // The system pointer as this step read it, kept inside the surface.
  Point SystemPointer() const { return system_pointer_; }

 private:
  Point system_pointer_;
  bool reacted_ = false;  // the menus answer the pointer once a step
};

// A decoration drifting over the menus; it bursts at the bottom or under the
// pointer, and a new one comes in at the top.
class MenuDecoration final : public ImageSprite {
 public:
  explicit MenuDecoration(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  double SpeedX = 0;
  double SpeedY = 0;

 private:
  void Burst();
};

// A spark of a burst decoration.
class DecorationSpark final : public ImageSprite {
 public:
  explicit DecorationSpark(Sprite* parent) : ImageSprite(parent) {}
  void MoveStep(int move_count) override;

  int Age = 0;
  double SpeedX = 0;
  double SpeedY = 0;
};

// The main menu's title and five items on the menu column, nothing pending.
void BuildMainMenu(GameWorld& world);
// The pointer at the middle of the surface.
void CreatePointer(GameWorld& world);
// The pointer, unless one is already there.
void EnsurePointer(GameWorld& world);
// Seven decorations at random places, animated at `frame_speed`.
void CreateDecorations(GameWorld& world, double frame_speed);

}  // namespace zephyrant
