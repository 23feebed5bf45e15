// The main menu's and the help screen's items.

#include "menus/menu_actions.h"

#include "game/main_window.h"
#include "menus/help_page.h"
#include "menus/menu_screens.h"

namespace zephyrant {

namespace {

constexpr int kLargeDesktopWidth = 800;

// The browser cannot come up in front of a window that covers the desktop
// and stays on top, so such a window becomes an ordinary one.
void MakeRoomForBrowser(MainWindow& main_window) {
  const GameState& state = main_window.State();
  WindowConfig config;
  config.bordered = true;
  config.stay_on_top = false;
  config.centred = true;
  config.client = state.desktopWidth > kLargeDesktopWidth ? Size{800, 600} : Size{640, 480};
  main_window.OnDisplayClosing();
  main_window.Services().display.Configure(config);
  main_window.OnDisplayReady();
}

}  // namespace

void ChooseHelp(MainWindow& main_window) {
  PlayClickSound(main_window);
  KillMenuSlots(main_window, 0, kMainMenuScreen.last_item);
  main_window.State().screenState = kEnteringHelp;
}

void ChooseNewGame(MainWindow& main_window) {
  KillMenuSlots(main_window, 0, kMainMenuScreen.last_item);
  PlayClickSound(main_window);
  main_window.State().screenState = kPlaying;
  main_window.NewGame();
}

void ChooseOptions(MainWindow& main_window) {
  main_window.State().screenState = kEnteringOptions;
  PlayClickSound(main_window);
}

void ChooseScores(MainWindow& main_window) {
  main_window.State().score = 0;
  main_window.HiScores();
  PlayClickSound(main_window);
}

void VisitHelpPage(MainWindow& main_window) {
  GameState& state = main_window.State();
  PlayClickSound(main_window);
  state.mouseButton = 0;
  // Without a browser nothing opens, nothing on the screen changes and the
  // game simply goes on.
  const std::string url = HelpPageUrl(main_window.Assets().Folder());
  if (url.empty() || !main_window.Services().urls.Open(url)) return;
  if (state.fullScreen == 0) MakeRoomForBrowser(main_window);
}

void LeaveHelp(MainWindow& main_window) {
  PlayClickSound(main_window);
  main_window.State().mouseButton = 0;
  KillMenuSlots(main_window, 0, kHelpScreen.last_item);
  ShowMainMenu(main_window);
}

}  // namespace zephyrant
