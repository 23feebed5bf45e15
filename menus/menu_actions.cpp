// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu's and the help screen's items.

#include "menus/menu_actions.h"

#include "menus/help_page.h"
#include "menus/menu_screens.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kLargeDesktopWidth = 800;

// The browser cannot come up in front of a window that covers the desktop
// and stays on top, so such a window becomes an ordinary one.
void MakeRoomForBrowser(GameWorld& world) {
  const GameState& state = world.State();
  WindowConfig config;
  config.bordered = true;
  config.stay_on_top = false;
  config.centred = true;
  config.client = state.desktopWidth > kLargeDesktopWidth ? Size{800, 600} : Size{640, 480};
  world.ReopenDisplay(config);
}

}  // namespace

void ChooseHelp(GameWorld& world) {
  PlayClickSound(world);
  KillMenuSlots(world, 0, kMainMenuScreen.last_item);
  world.State().screenState = kEnteringHelp;
}

void ChooseNewGame(GameWorld& world) {
  KillMenuSlots(world, 0, kMainMenuScreen.last_item);
  PlayClickSound(world);
  world.State().screenState = kPlaying;
  world.NewGame();
}

void ChooseOptions(GameWorld& world) {
  world.State().screenState = kEnteringOptions;
  PlayClickSound(world);
}

void ChooseScores(GameWorld& world) {
  world.State().score = 0;
  world.HiScores();
  PlayClickSound(world);
}

void VisitHelpPage(GameWorld& world) {
  GameState& state = world.State();
  PlayClickSound(world);
  state.mouseButton = 0;
  // Without a browser nothing opens, nothing on the screen changes and the
  // game simply goes on.
  const std::string url = HelpPageUrl(world.Assets().Folder());
  if (url.empty() || !world.Services().urls.Open(url)) return;
  if (state.fullScreen == 0) MakeRoomForBrowser(world);
}

void LeaveHelp(GameWorld& world) {
  PlayClickSound(world);
  world.State().mouseButton = 0;
  KillMenuSlots(world, 0, kHelpScreen.last_item);
  ShowMainMenu(world);
}

}  // namespace zephyrant
