// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four menu screens: what each shows in its slots, where, and the
// operations the controller, the pointer and the keys share.

#include <array>
#include <cstdint>

#include "framework/image_list.h"
#include "world/game_state.h"

namespace zephyrant {

class GameWorld;
class MenuItem;

struct MenuItemPictures {
  const char* normal = nullptr;
  const char* highlighted = nullptr;
};

struct MenuScreen {
  int32_t state;  // the screen state it is shown in
  const char* list;
  int last_item;
  double base_y;
  double highlight_shift;
  bool option_table;  // highlight requests in the option table, else the item table
  std::array<MenuItemPictures, kMenuSlots> items;  // by slot; slot 0 is the title
};

extern const MenuScreen kMainMenuScreen;
extern const MenuScreen kOptionsScreen;
extern const MenuScreen kHelpScreen;
extern const MenuScreen kHighScoreButtons;

// The screen shown in this screen state; null in play and in transitions.
const MenuScreen* ShownScreen(int32_t screen_state);

std::array<int32_t, kMenuSlots>& RequestsOf(GameState& state, const MenuScreen& screen);
// Sets one highlight request; slots outside the table are let be.
void SetRequest(std::array<int32_t, kMenuSlots>& requests, int slot, int32_t request);

// Y of a slot's picture of this height: height x slot x 1.4 + base.
double MenuRowY(int picture_height, int slot, double base);
// The menu column's X: the main menu's title centred on the left third.
double MenuColumnX(GameWorld& world);

// The slot's sprite while it lives (not yet killed), else null.
MenuItem* MenuSlot(GameWorld& world, int slot);
void KillMenuSlots(GameWorld& world, int first, int last);
// A new menu sprite in a slot, with nothing pending for it.
MenuItem& PutInSlot(GameWorld& world, int slot, const PictureItem& picture, double x, double y);

void PlayButtonSound(GameWorld& world);
void PlayClickSound(GameWorld& world);

// The main menu's title and items with `new_game` about to be highlighted:
// screen state 1.
void ShowMainMenu(GameWorld& world);

// The options screen's value rows: sound, music, difficulty, full screen.
inline constexpr int kOptionRows = 4;
// Puts up a row's value sprites at the current setting, in place of the old.
void ShowOptionRow(GameWorld& world, int row, bool highlighted);
void KillOptionValues(GameWorld& world);

// The controller's work for one step, whichever menu sprite runs it.
void RunMenuController(GameWorld& world);

}  // namespace zephyrant
