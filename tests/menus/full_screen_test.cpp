// SPDX-License-Identifier: GPL-3.0-or-later
// F11 and Alt+Enter (the runner's `call ToggleFullScreen`), and the window
// size the game keeps between runs.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/headless/scratch_folder.h"
#include "tests/menus/menu_game.h"
#include "world/settings.h"

namespace zephyrant {
namespace {

using Pictures = std::multiset<std::string>;
const Pictures kMainMenuWithNewGame{"logo", "help_0", "new_game1", "options", "scores", "exit"};

bool ShowsFullScreen(MenuGame& game) {
  return game.Machine().display.LastConfig().full_screen;
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(FullScreenKeys, SwitchBetweenFullScreenAndAResizableWindowAndNothingElse) {
  MenuGame game;
  ASSERT_EQ(game.State().fullScreen, 0) << "the first run opens full screen";
  ASSERT_TRUE(ShowsFullScreen(game));
  game.Press("F11");
  EXPECT_EQ(game.State().fullScreen, 1);
  const WindowConfig& window = game.Machine().display.LastConfig();
  EXPECT_FALSE(window.full_screen);
  EXPECT_TRUE(window.bordered);
  EXPECT_TRUE(window.resizable);
  EXPECT_EQ(window.client, (Size{800, 600}));
  game.Step({"call ToggleFullScreen"});
  EXPECT_EQ(game.State().fullScreen, 0);
  EXPECT_TRUE(ShowsFullScreen(game));
  // The menu did not see a key: the same item is highlighted, no sound.
  game.Sounds();
  game.Press("F11");
  EXPECT_EQ(game.Shown(), kMainMenuWithNewGame);
  EXPECT_EQ(game.State().menuSelection, 2);
  EXPECT_TRUE(game.Sounds().empty());
}

TEST(FullScreenKeys, DoNotCountAsAnyKeyAtTheEndOfAGame) {
  MenuGame game;
  game.Step({"set screen_state 5", "call NewGame"});
  game.State().gameOverPhase = 1;
  game.Press("F11");
  EXPECT_EQ(game.State().gameOverPhase, 1) << "the prompt still waits";
  EXPECT_EQ(game.State().fullScreen, 1);
  game.Press("Space");
  EXPECT_EQ(game.State().gameOverPhase, 2);
}

TEST(FullScreenKeys, OnTheOptionsScreenTheValueFollowsAndSaveKeepsIt) {
  ScratchFolder config;
  {
    MenuGame game(config.Path());
    game.Press("Down");
    game.Press("Return");
    ASSERT_EQ(game.State().screenState, kOptions);
    game.Press("F11");
    EXPECT_EQ(game.Shown().count("no_0"), 1u);
    EXPECT_EQ(game.Shown().count("yes_0"), 0u);
    game.Press("Down", 3);
    EXPECT_EQ(game.Shown().count("no_1"), 1u) << "the selected row shows it highlighted";
    game.Press("F11");
    EXPECT_EQ(game.Shown().count("yes_1"), 1u);
    EXPECT_EQ(game.Shown().count("no_1"), 0u);
    game.Press("F11");
    game.Press("Down");
    game.Press("Return");  // save
    ASSERT_EQ(game.State().screenState, kMainMenu);
  }
  MenuGame game(config.Path());
  EXPECT_EQ(game.State().fullScreen, 1);
  EXPECT_FALSE(ShowsFullScreen(game)) << "the next run opens as a window";
}

TEST(FullScreenKeys, OutsideTheOptionsScreenTheSwitchLastsForThisRunOnly) {
  ScratchFolder config;
  {
    MenuGame game(config.Path());
    game.Press("F11");
    EXPECT_EQ(game.State().fullScreen, 1);
  }
  MenuGame game(config.Path());
  EXPECT_EQ(game.State().fullScreen, 0);
}

// The real main window on a headless machine with a desktop of its own.
struct Machine {
  Machine(const std::filesystem::path& config, Size desktop)
      : platform(HeadlessOptions{1, desktop, config}),
        assets(ZEPHYRANT_SOURCE_ASSETS, platform.audio, nullptr),
        window(platform.services, assets) {
    window.StartUp();
  }
  const WindowConfig& Config() const { return platform.display.LastConfig(); }

  HeadlessPlatform platform;
  AssetLibrary assets;
  MainWindow window;
};

TEST(WindowSize, ThePlayersSizeOpensTheWindowNextRunCutToTheDesktop) {
  ScratchFolder config;
  {
    Machine run(config.Path(), Size{1920, 1080});
    run.window.ToggleFullScreen();
    ASSERT_EQ(run.Config().client, (Size{800, 600}));
    run.window.OnWindowResized(Size{1000, 700});
    run.window.ToggleFullScreen();
    // Full screen is not the player's window size.
    run.window.OnWindowResized(Size{1920, 1080});
    run.window.ToggleFullScreen();
    EXPECT_EQ(run.Config().client, (Size{1000, 700})) << "the same size for the rest of the run";
    run.window.SaveWindowSize();
  }
  {
    Machine run(config.Path(), Size{1920, 1080});
    EXPECT_TRUE(run.Config().full_screen) << "the size does not change the setting";
    run.window.ToggleFullScreen();
    EXPECT_EQ(run.Config().client, (Size{1000, 700}));
  }
  // On a smaller desktop the window is cut down to it.
  Machine run(config.Path(), Size{900, 650});
  run.window.ToggleFullScreen();
  EXPECT_EQ(run.Config().client, (Size{900, 650}));
}

TEST(WindowSize, NothingIsWrittenWhenThePlayerLeftTheWindowAsItOpened) {
  ScratchFolder config;
  {
    Machine run(config.Path(), Size{1920, 1080});
    run.window.ToggleFullScreen();
    // The window system reports the size the game asked for.
    run.window.OnWindowResized(Size{800, 600});
    run.window.SaveWindowSize();
  }
  const std::string text = FileText(config.Path() / SettingsFile::kFileName);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.find("window_"), std::string::npos) << text;
}

}  // namespace
}  // namespace zephyrant
