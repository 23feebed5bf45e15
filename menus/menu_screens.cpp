// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/menu_screens.h"

#include "menus/menu_sprites.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr double kTitleY = 20;
// Rows are worked out in extended precision and only then stored, so that
// 30 x 3 x 1.4 + 50 lands on 176 exactly rather than a hair below it.
constexpr long double kRowSpacing = 1.4L;
// A highlighted picture is two pixels taller and sits on the same row.
constexpr int kHighlightRise = 2;
constexpr int kHighlight = 0;
constexpr int kUnhighlight = 1;
constexpr int kNothingPending = 2;

void Replace(GameWorld& world, const MenuScreen& screen, int slot, bool highlighted) {
  GameState& state = world.State();
  MenuSlot(world, slot)->Kill();
  const MenuItemPictures& pictures = screen.items[slot];
  const PictureItem& picture =
      world.Images(screen.list).Item(highlighted ? pictures.highlighted : pictures.normal);
  const double x = state.menuColumnX + (highlighted ? screen.highlight_shift : 0);
  const double y =
      MenuRowY(picture.Height() - (highlighted ? kHighlightRise : 0), slot, screen.base_y);
  PutInSlot(world, slot, picture, x, y);
  RequestsOf(state, screen)[slot] = kNothingPending;
  if (screen.option_table) ShowOptionRow(world, slot, highlighted);
}

// The selected item takes its highlight; its neighbours give theirs back.
// A request further away waits until the selection comes next to it.
void UpdateHighlights(GameWorld& world, const MenuScreen& screen) {
  GameState& state = world.State();
  const std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, screen);
  auto pending = [&](int slot, int32_t request) {
    return slot >= 1 && slot <= screen.last_item && requests[slot] == request &&
           MenuSlot(world, slot) != nullptr;
  };
  const int s = state.menuSelection;
  if (pending(s, kHighlight)) Replace(world, screen, s, true);
  if (pending(s - 1, kUnhighlight)) Replace(world, screen, s - 1, false);
  if (pending(s + 1, kUnhighlight)) Replace(world, screen, s + 1, false);
}

// Title and items of a screen in their normal pictures, nothing pending, the
// first item selected.
void BuildScreen(GameWorld& world, const MenuScreen& screen, const char* title) {
  GameState& state = world.State();
  const ImageList& list = world.Images(screen.list);
  PutInSlot(world, 0, list.Item(title), state.menuColumnX, kTitleY);
  std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, screen);
  requests.fill(kNothingPending);
  for (int slot = 1; slot <= screen.last_item; ++slot) {
    const PictureItem& picture = list.Item(screen.items[slot].normal);
    PutInSlot(world, slot, picture, state.menuColumnX,
              MenuRowY(picture.Height(), slot, screen.base_y));
  }
  requests[1] = kHighlight;
  state.menuSelection = 1;
}

}  // namespace

const MenuScreen kMainMenuScreen{kMainMenu,
                                 "Menu",
                                 5,
                                 50,
                                 -6,
                                 false,
                                 {{{},
                                   {"help_0", "help_1"},
                                   {"new_game", "new_game1"},
                                   {"options", "options1"},
                                   {"scores", "scores1"},
                                   {"exit", "exit1"},
                                   {}}}};

const MenuScreen kOptionsScreen{kOptions,
                                "Option",
                                6,
                                50,
                                -7,
                                true,
                                {{{},
                                  {"sound_0", "sound_1"},
                                  {"music_0", "music_1"},
                                  {"difficulty_0", "difficulty_1"},
                                  {"fullscreen_0", "fullscreen_1"},
                                  {"save_0", "save_1"},
                                  {"cancel_0", "cancel_1"}}}};

const MenuScreen kHelpScreen{
    kHelp, "GameHelp", 2, 370, -3, false, {{{}, {"site_0", "site_1"}, {"cancel_0", "cancel_1"}}}};

const MenuScreen kHighScoreButtons{kHighScores,
                                   "Start",
                                   2,
                                   390,
                                   -3,
                                   false,
                                   {{{}, {"save_0", "save_1"}, {"cancel_0", "cancel_1"}}}};

const MenuScreen* ShownScreen(int32_t screen_state) {
  for (const MenuScreen* screen :
       {&kMainMenuScreen, &kOptionsScreen, &kHelpScreen, &kHighScoreButtons}) {
    if (screen->state == screen_state) return screen;
  }
  return nullptr;
}

std::array<int32_t, kMenuSlots>& RequestsOf(GameState& state, const MenuScreen& screen) {
  return screen.option_table ? state.optionRequests : state.itemRequests;
}

void SetRequest(std::array<int32_t, kMenuSlots>& requests, int slot, int32_t request) {
  if (slot >= 0 && slot < kMenuSlots) requests[slot] = request;
}

double MenuRowY(int picture_height, int slot, double base) {
  return static_cast<double>(picture_height * (slot * kRowSpacing) + base);
}

double MenuColumnX(GameWorld& world) {
  return world.State().surfaceWidth / 3.0 - world.Images("Menu").Item("logo").Width() / 2.0;
}

MenuItem* MenuSlot(GameWorld& world, int slot) {
  if (slot < 0 || slot >= kMenuSlots) return nullptr;
  auto* sprite = dynamic_cast<MenuItem*>(world.Engine().Find(world.State().menuItems[slot]));
  return sprite != nullptr && !sprite->Killed() ? sprite : nullptr;
}

void KillMenuSlots(GameWorld& world, int first, int last) {
  for (int slot = first; slot <= last && slot < kMenuSlots; ++slot) {
    if (MenuItem* sprite = MenuSlot(world, slot)) sprite->Kill();
    world.State().menuItems[slot] = 0;
  }
}

MenuItem& PutInSlot(GameWorld& world, int slot, const PictureItem& picture, double x, double y) {
  MenuItem& sprite = world.Engine().Spawn<MenuItem>();
  sprite.SetImage(picture);
  sprite.X = x;
  sprite.Y = y;
  world.State().menuItems[slot] = sprite.Serial();
  return sprite;
}

void PlayButtonSound(GameWorld& world) {
  world.Sounds("MenuSounds").Item("button").Play();
}

void PlayClickSound(GameWorld& world) {
  world.Sounds("MenuSounds").Item("click").Play();
}

void BuildMainMenu(GameWorld& world) {
  GameState& state = world.State();
  state.menuColumnX = MenuColumnX(world);
  const ImageList& menu = world.Images(kMainMenuScreen.list);
  PutInSlot(world, 0, menu.Item("logo"), state.menuColumnX, kTitleY);
  state.itemRequests[0] = kNothingPending;
  for (int slot = 1; slot <= kMainMenuScreen.last_item; ++slot) {
    const PictureItem& picture = menu.Item(kMainMenuScreen.items[slot].normal);
    PutInSlot(world, slot, picture, state.menuColumnX,
              MenuRowY(picture.Height(), slot, kMainMenuScreen.base_y));
    state.itemRequests[slot] = kNothingPending;
  }
}

void ShowMainMenu(GameWorld& world) {
  GameState& state = world.State();
  BuildMainMenu(world);
  state.itemRequests[2] = kHighlight;
  state.menuSelection = 2;
  state.screenState = kMainMenu;
}

void RunMenuController(GameWorld& world) {
  GameState& state = world.State();
  if (state.screenState == kLeavingOptions) {
    state.screenState = kMainMenu;
    KillOptionValues(world);
    KillMenuSlots(world, 0, kMenuSlots - 1);
    ShowMainMenu(world);
  }
  if (state.screenState == kMainMenu) UpdateHighlights(world, kMainMenuScreen);
  if (state.screenState == kHighScores) UpdateHighlights(world, kHighScoreButtons);
  if (state.screenState == kEnteringHelp) {
    state.screenState = kHelp;
    BuildScreen(world, kHelpScreen, "Help");
  }
  if (state.screenState == kHelp) UpdateHighlights(world, kHelpScreen);
  if (state.screenState == kEnteringOptions) {
    state.screenState = kOptions;
    KillMenuSlots(world, 0, kMainMenuScreen.last_item);
    BuildScreen(world, kOptionsScreen, "options");
    for (int row = 1; row <= kOptionRows; ++row) ShowOptionRow(world, row, false);
  }
  if (state.screenState == kOptions) UpdateHighlights(world, kOptionsScreen);
}

void MenuItem::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  RunMenuController(WorldOf(*this));
}

}  // namespace zephyrant
