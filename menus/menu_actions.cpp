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
void MakeRoomForBrowser(TForm1& form) {
  const GameState& state = form.State();
  WindowConfig config;
  config.bordered = true;
  config.stay_on_top = false;
  config.centred = true;
  config.client = state.desktopWidth > kLargeDesktopWidth ? Size{800, 600} : Size{640, 480};
  form.DXDrawFinalize();
  form.Services().display.Configure(config);
  form.DXDrawInitialize();
}

}  // namespace

void ChooseHelp(TForm1& form) {
  PlayClickSound(form);
  KillMenuSlots(form, 0, kMainMenuScreen.last_item);
  form.State().screenState = kEnteringHelp;
}

void ChooseNewGame(TForm1& form) {
  KillMenuSlots(form, 0, kMainMenuScreen.last_item);
  PlayClickSound(form);
  form.State().screenState = kPlaying;
  form.NewGame();
}

void ChooseOptions(TForm1& form) {
  form.State().screenState = kEnteringOptions;
  PlayClickSound(form);
}

void ChooseScores(TForm1& form) {
  form.State().score = 0;
  form.HiScores();
  PlayClickSound(form);
}

void VisitHelpPage(TForm1& form) {
  GameState& state = form.State();
  PlayClickSound(form);
  state.mouseButton = 0;
  // Without a browser nothing opens, nothing on the screen changes and the
  // game simply goes on.
  const std::string url = HelpPageUrl(form.Assets().Folder());
  if (url.empty() || !form.Services().urls.Open(url)) return;
  if (state.fullScreen == 0) MakeRoomForBrowser(form);
}

void LeaveHelp(TForm1& form) {
  PlayClickSound(form);
  form.State().mouseButton = 0;
  KillMenuSlots(form, 0, kHelpScreen.last_item);
  ShowMainMenu(form);
}

}  // namespace zephyrant
