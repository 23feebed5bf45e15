// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu, the options and the help screen as the player works them.

#include <gtest/gtest.h>

#include "platform/headless/scratch_folder.h"
#include "tests/menus/menu_game.h"
#include "world/settings.h"

namespace zephyrant {
namespace {

using Pictures = std::multiset<std::string>;

const Pictures kMainMenuWithNewGame{"logo", "help_0", "new_game1", "options", "scores", "exit"};

TEST(MainMenu, FirstFrameShowsNewGameHighlighted) {
  MenuGame game;
  EXPECT_EQ(game.Shown(), kMainMenuWithNewGame);
  EXPECT_DOUBLE_EQ(game.Menu("new_game1").X, 800 / 3.0 - 268 / 2.0 - 6);
  EXPECT_EQ(game.Menu("new_game1").Y, 134);
  EXPECT_EQ(game.State().menuSelection, 2);
}

TEST(MainMenu, ArrowsMoveTheHighlightAndStopAtTheEnds) {
  MenuGame game;
  game.Press("Down");
  game.Press("Up");
  EXPECT_EQ(game.Shown(), kMainMenuWithNewGame) << "Down then Up gives the old highlight back";
  game.Sounds();
  game.Press("Down", 4);
  EXPECT_EQ(game.Shown(), (Pictures{"logo", "help_0", "new_game", "options", "scores", "exit1"}));
  EXPECT_EQ(Count(game.Sounds(), "button"), 4) << "the press that stays on the last item too";
  game.Press("Down");
  EXPECT_EQ(game.State().menuSelection, 5);
  EXPECT_EQ(Count(game.Sounds(), "button"), 1);
  game.Press("Up", 6);
  EXPECT_EQ(game.State().menuSelection, 1);
  EXPECT_EQ(game.Shown(), (Pictures{"logo", "help_1", "new_game", "options", "scores", "exit"}));
}

TEST(MainMenu, PointerHighlightsTheRowUnderIt) {
  MenuGame game;
  game.Point(200, 100);
  EXPECT_EQ(game.State().menuSelection, 1);
  EXPECT_EQ(game.Shown(), (Pictures{"logo", "help_1", "new_game", "options", "scores", "exit"}));
  // A jump from row 1 to row 4 gives back the neighbours' highlights only.
  game.Point(200, 230);
  EXPECT_EQ(game.State().menuSelection, 4);
  EXPECT_EQ(game.Shown(), (Pictures{"logo", "help_1", "new_game", "options", "scores1", "exit"}));
  // Off the menu sprites the pointer selects nothing, whatever its row.
  game.Point(700, 100);
  EXPECT_EQ(game.State().menuSelection, 4);
}

TEST(MainMenu, ClickChoosesTheItemUnderThePointerEvenOnArrival) {
  MenuGame game;
  game.Step({"mouse move 200 190", "mouse down left"});
  EXPECT_EQ(game.State().screenState, kOptions);
  EXPECT_EQ(game.State().mouseButton, 0) << "one press chooses once";
}

TEST(MainMenu, EscapeOrExitEndsTheProgram) {
  MenuGame by_escape;
  by_escape.Press("Escape");
  EXPECT_TRUE(by_escape.Window().Terminated());
  EXPECT_TRUE(by_escape.Machine().display.PointerVisible());

  MenuGame by_enter;
  by_enter.Press("Down", 3);
  by_enter.Press("Return");
  EXPECT_TRUE(by_enter.Window().Terminated());

  MenuGame by_mouse;
  by_mouse.Point(200, 270);
  by_mouse.Click();
  EXPECT_TRUE(by_mouse.Window().Terminated());
}

TEST(HelpScreen, ShowsItsTextsAndLeavesByCancel) {
  MenuGame game;
  game.Press("Up");
  game.Press("Return");
  EXPECT_EQ(game.State().screenState, kHelp);
  EXPECT_EQ(game.Shown(), (Pictures{"Help", "site_1", "cancel_0"}));
  EXPECT_EQ(game.Menu("site_1").Y, 412);
  EXPECT_EQ(game.Menu("cancel_0").Y, 454);
  const auto& texts = game.Window().Texts();
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                          [](const TextRecord& t) { return t.text == "Keyboard Controls"; }));
  game.Press("Down", 2);
  EXPECT_EQ(game.Shown(), (Pictures{"Help", "site_0", "cancel_1"}));
  game.Press("Return");
  EXPECT_EQ(game.Shown(), kMainMenuWithNewGame);

  // The same by mouse.
  game.Point(200, 100);
  game.Click();
  game.Point(200, 470);
  game.Click();
  EXPECT_EQ(game.State().screenState, kMainMenu);
  EXPECT_EQ(game.Shown(), kMainMenuWithNewGame);
}

TEST(HelpScreen, EscapeReturnsToTheMainMenuLikeCancel) {
  MenuGame game;
  game.Press("Up");
  game.Press("Return");
  ASSERT_EQ(game.State().screenState, kHelp);
  game.Sounds();
  game.Press("Escape");
  EXPECT_FALSE(game.Window().Terminated()) << "the main menu's Escape does not follow on";
  EXPECT_EQ(game.State().screenState, kMainMenu);
  EXPECT_EQ(game.Shown(), kMainMenuWithNewGame);
  EXPECT_EQ(Count(game.Sounds(), "click"), 1);
  // A second Escape, now on the main menu, is that menu's own.
  game.Press("Escape");
  EXPECT_TRUE(game.Window().Terminated());
}

TEST(HelpScreen, SiteAsksForTheShippedPageAndWithoutABrowserChangesNothing) {
  MenuGame game;
  game.Press("Up");
  game.Press("Return");
  const int configured = game.Machine().display.ConfigureCount();
  game.Press("Return");
  game.Point(200, 420);
  game.Click();
  const std::vector<std::string>& urls = game.Machine().urls.Urls();
  ASSERT_EQ(urls.size(), 2u);
  EXPECT_EQ(urls[0].rfind("file:///", 0), 0u) << urls[0];
  EXPECT_EQ(urls[0].substr(urls[0].size() - 15), "/docs/help.html");
  EXPECT_EQ(game.Machine().display.ConfigureCount(), configured);
  EXPECT_EQ(game.State().screenState, kHelp);
}

// A desktop whose browser opens whatever it is given.
class Browser final : public UrlOpener {
 public:
  bool Open(const std::string&) override { return true; }
};

TEST(HelpScreen, FullScreenWindowStepsAsideForTheBrowser) {
  ScratchFolder config;
  HeadlessPlatform machine(HeadlessOptions{1, HeadlessDisplay::kDefaultDesktop, config.Path()});
  Browser browser;
  Platform services{machine.clock,    machine.display, machine.audio,      machine.input,
                    machine.settings, browser,         machine.screenshots};
  AssetLibrary assets(ZEPHYRANT_SOURCE_ASSETS, machine.audio, nullptr);
  MainWindow main_window(services, assets);
  main_window.StartUp();
  main_window.OnKeyDown(Key::kUp);
  main_window.OnKeyDown(Key::kReturn);
  machine.clock.Advance(kFrameIntervalMs);
  ASSERT_TRUE(main_window.Idle());
  main_window.OnKeyDown(Key::kReturn);
  const WindowConfig& window = machine.display.LastConfig();
  EXPECT_TRUE(window.bordered);
  EXPECT_FALSE(window.stay_on_top);
  EXPECT_EQ(window.client, (Size{800, 600}));
  EXPECT_EQ(main_window.State().screenState, kHelp);
}

void OpenOptions(MenuGame& game) {
  game.Press("Down");
  game.Press("Return");
  ASSERT_EQ(game.State().screenState, kOptions);
}

TEST(Options, ShowTheCurrentValues) {
  MenuGame game;
  OpenOptions(game);
  EXPECT_EQ(game.Shown(), (Pictures{"options", "sound_1", "music_0", "difficulty_0", "fullscreen_0",
                                    "save_0", "cancel_0", "track2_1", "track1_1", "track2_0",
                                    "track1_0", "medium_0", "yes_0"}));
  EXPECT_DOUBLE_EQ(game.Menu("track1_1").X, game.Column() + 282 + 100);
  EXPECT_DOUBLE_EQ(game.Menu("track2_1").X, game.Column() + 270);
  EXPECT_EQ(game.Menu("track2_1").Width, 160);
  EXPECT_EQ(game.Menu("cancel_0").Y, 302);
}

TEST(Options, LeftAndRightStopAtTheLimitsAndWrapAround) {
  MenuGame game;
  OpenOptions(game);
  game.Sounds();
  game.Press("Right", 20);
  EXPECT_EQ(game.State().soundVolume, kMaxVolume);
  EXPECT_EQ(Count(game.Sounds(), "click"), 20);
  EXPECT_DOUBLE_EQ(game.Menu("track1_1").X, game.Column() + 282 + 130);
  EXPECT_EQ(game.Window().Sounds("MenuSounds").Item("click").Volume, 130 * 80 - 10000);
  game.Press("Left", 70);
  EXPECT_EQ(game.State().soundVolume, 0);

  game.Press("Down");
  game.Press("Right");
  EXPECT_EQ(game.State().musicVolume, 102);
  EXPECT_EQ(game.Window().Sounds("Music").Item("music1").Volume, 102 * 80 - 10000);

  game.Press("Down");
  game.Press("Right", 3);
  EXPECT_EQ(game.State().difficulty, 1) << "three steps right come round again";
  game.Press("Left", 2);
  EXPECT_EQ(game.State().difficulty, 2) << "left of easy is hard";
  EXPECT_EQ(game.Menu("hard_1").Y, 176 + (30 - 25) / 2.0);

  game.Press("Down");
  game.Press("Right");
  EXPECT_EQ(game.State().fullScreen, 1);
  EXPECT_TRUE(game.Machine().display.LastConfig().bordered);
  EXPECT_EQ(game.Shown().count("no_1"), 1u);
  game.Press("Right");
  EXPECT_EQ(game.State().fullScreen, 0);
  EXPECT_FALSE(game.Machine().display.LastConfig().bordered);
  EXPECT_FALSE(game.Machine().display.LastConfig().exclusive_full_screen)
      << "the keys re-apply the window, they do not switch the display";
  game.Press("Left");
  EXPECT_EQ(game.State().fullScreen, 1);
}

TEST(Options, MouseDragsTheSoundKnobAndClicksTheOthers) {
  MenuGame game;
  OpenOptions(game);
  game.Point(455, 100);
  game.Step({"mouse down left"});
  EXPECT_EQ(game.State().soundVolume, 40);
  game.Point(560, 100);
  EXPECT_EQ(game.State().soundVolume, kMaxVolume) << "the bar's far end is 130";
  EXPECT_DOUBLE_EQ(game.Menu("track1_1").X, game.Column() + 282 + 130);
  game.Point(700, 100);
  EXPECT_EQ(game.State().soundVolume, kMaxVolume) << "off the bar the knob stays";
  game.Step({"mouse up left"});
  game.Point(420, 100);
  EXPECT_EQ(game.State().soundVolume, kMaxVolume);

  game.Point(200, 190);
  game.Click();
  EXPECT_EQ(game.State().difficulty, 2);
  game.Click();
  EXPECT_EQ(game.State().difficulty, 0);
  game.Point(200, 230);
  game.Click();
  EXPECT_EQ(game.State().fullScreen, 1);
  game.Click();
  EXPECT_TRUE(game.Machine().display.LastConfig().full_screen);
  EXPECT_FALSE(game.Machine().display.LastConfig().exclusive_full_screen)
      << "full screen keeps the desktop's video mode";
}

TEST(Options, SaveKeepsTheSettingsForTheNextRunCancelOnlyForThisOne) {
  ScratchFolder config;
  {
    MenuGame game(config.Path());
    OpenOptions(game);
    game.Press("Left", 5);
    game.Press("Escape");
    EXPECT_EQ(game.State().screenState, kMainMenu);
    EXPECT_EQ(game.Shown(), kMainMenuWithNewGame);
    EXPECT_EQ(game.State().soundVolume, 90) << "kept for this run";
  }
  {
    MenuGame game(config.Path());
    EXPECT_EQ(game.State().soundVolume, 100);
    OpenOptions(game);
    game.Press("Left", 5);
    game.Press("Down", 2);
    game.Press("Right");
    game.Press("Down", 2);
    game.Press("Return");
    EXPECT_EQ(game.State().screenState, kMainMenu);
  }
  MenuGame game(config.Path());
  EXPECT_EQ(game.State().soundVolume, 90);
  EXPECT_EQ(game.State().difficulty, 2);
  EXPECT_EQ(game.State().hiscoreNames[0], kFirstRunName) << "the table is left as it was";
}

}  // namespace
}  // namespace zephyrant
