#include "menus/menu_screens.h"

#include "game/main_window.h"
#include "menus/menu_sprites.h"

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

void Replace(MainWindow& main_window, const MenuScreen& screen, int slot, bool highlighted) {
  GameState& state = main_window.State();
  MenuSlot(main_window, slot)->Kill();
  const MenuItemPictures& pictures = screen.items[slot];
  const PictureItem& picture =
      main_window.Images(screen.list).Item(highlighted ? pictures.highlighted : pictures.normal);
  const double x = state.menuColumnX + (highlighted ? screen.highlight_shift : 0);
  const double y =
      MenuRowY(picture.Height() - (highlighted ? kHighlightRise : 0), slot, screen.base_y);
  PutInSlot(main_window, slot, picture, x, y);
  RequestsOf(state, screen)[slot] = kNothingPending;
  if (screen.option_table) ShowOptionRow(main_window, slot, highlighted);
}

// The selected item takes its highlight; its neighbours give theirs back.
// A request further away waits until the selection comes next to it.
void UpdateHighlights(MainWindow& main_window, const MenuScreen& screen) {
  GameState& state = main_window.State();
  const std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, screen);
  auto pending = [&](int slot, int32_t request) {
    return slot >= 1 && slot <= screen.last_item && requests[slot] == request &&
           MenuSlot(main_window, slot) != nullptr;
  };
  const int s = state.menuSelection;
  if (pending(s, kHighlight)) Replace(main_window, screen, s, true);
  if (pending(s - 1, kUnhighlight)) Replace(main_window, screen, s - 1, false);
  if (pending(s + 1, kUnhighlight)) Replace(main_window, screen, s + 1, false);
}

// Title and items of a screen in their normal pictures, nothing pending, the
// first item selected.
void BuildScreen(MainWindow& main_window, const MenuScreen& screen, const char* title) {
  GameState& state = main_window.State();
  const ImageList& list = main_window.Images(screen.list);
  PutInSlot(main_window, 0, list.Item(title), state.menuColumnX, kTitleY);
  std::array<int32_t, kMenuSlots>& requests = RequestsOf(state, screen);
  requests.fill(kNothingPending);
  for (int slot = 1; slot <= screen.last_item; ++slot) {
    const PictureItem& picture = list.Item(screen.items[slot].normal);
    PutInSlot(main_window, slot, picture, state.menuColumnX,
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

double MenuColumnX(MainWindow& main_window) {
  return main_window.State().surfaceWidth / 3.0 -
         main_window.Images("Menu").Item("logo").Width() / 2.0;
}

MenuItem* MenuSlot(MainWindow& main_window, int slot) {
  if (slot < 0 || slot >= kMenuSlots) return nullptr;
  auto* sprite =
      dynamic_cast<MenuItem*>(main_window.Engine().Find(main_window.State().menuItems[slot]));
  return sprite != nullptr && !sprite->Killed() ? sprite : nullptr;
}

void KillMenuSlots(MainWindow& main_window, int first, int last) {
  for (int slot = first; slot <= last && slot < kMenuSlots; ++slot) {
    if (MenuItem* sprite = MenuSlot(main_window, slot)) sprite->Kill();
    main_window.State().menuItems[slot] = 0;
  }
}

MenuItem& PutInSlot(MainWindow& main_window, int slot, const PictureItem& picture, double x,
                    double y) {
  MenuItem& sprite = main_window.Engine().Spawn<MenuItem>();
  sprite.SetImage(picture);
  sprite.X = x;
  sprite.Y = y;
  main_window.State().menuItems[slot] = sprite.Serial();
  return sprite;
}

void PlayButtonSound(MainWindow& main_window) {
  main_window.Sounds("MenuSounds").Item("button").Play();
}

void PlayClickSound(MainWindow& main_window) {
  main_window.Sounds("MenuSounds").Item("click").Play();
}

void BuildMainMenu(MainWindow& main_window) {
  GameState& state = main_window.State();
  state.menuColumnX = MenuColumnX(main_window);
  const ImageList& menu = main_window.Images(kMainMenuScreen.list);
  PutInSlot(main_window, 0, menu.Item("logo"), state.menuColumnX, kTitleY);
  state.itemRequests[0] = kNothingPending;
  for (int slot = 1; slot <= kMainMenuScreen.last_item; ++slot) {
    const PictureItem& picture = menu.Item(kMainMenuScreen.items[slot].normal);
    PutInSlot(main_window, slot, picture, state.menuColumnX,
              MenuRowY(picture.Height(), slot, kMainMenuScreen.base_y));
    state.itemRequests[slot] = kNothingPending;
  }
}

void ShowMainMenu(MainWindow& main_window) {
  GameState& state = main_window.State();
  BuildMainMenu(main_window);
  state.itemRequests[2] = kHighlight;
  state.menuSelection = 2;
  state.screenState = kMainMenu;
}

void RunMenuController(MainWindow& main_window) {
  GameState& state = main_window.State();
  if (state.screenState == kLeavingOptions) {
    state.screenState = kMainMenu;
    KillOptionValues(main_window);
    KillMenuSlots(main_window, 0, kMenuSlots - 1);
    ShowMainMenu(main_window);
  }
  if (state.screenState == kMainMenu) UpdateHighlights(main_window, kMainMenuScreen);
  if (state.screenState == kHighScores) UpdateHighlights(main_window, kHighScoreButtons);
  if (state.screenState == kEnteringHelp) {
    state.screenState = kHelp;
    BuildScreen(main_window, kHelpScreen, "Help");
  }
  if (state.screenState == kHelp) UpdateHighlights(main_window, kHelpScreen);
  if (state.screenState == kEnteringOptions) {
    state.screenState = kOptions;
    KillMenuSlots(main_window, 0, kMainMenuScreen.last_item);
    BuildScreen(main_window, kOptionsScreen, "options");
    for (int row = 1; row <= kOptionRows; ++row) ShowOptionRow(main_window, row, false);
  }
  if (state.screenState == kOptions) UpdateHighlights(main_window, kOptionsScreen);
}

void MenuItem::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  RunMenuController(WindowOf(*this));
}

}  // namespace zephyrant
