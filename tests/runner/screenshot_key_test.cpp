// SPDX-License-Identifier: GPL-3.0-or-later
// F12 keeps a picture of the screen, in the menus and in play, and changes
// nothing else.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "tools/sim/sim_runner.h"
#include "world/game_state.h"

namespace zephyrant {
namespace {

SimOptions Options() {
  SimOptions options;
  options.asset_folder = ZEPHYRANT_SOURCE_ASSETS;
  return options;
}

// A game from the main menu to the last ship's "Press any key", firing all
// the way, then a key that ends the prompt.
constexpr const char* kGameToTheEnd =
    "2 key down Return\n4 key up Return\n40 key down Space\n"
    "100 set hero_damage 10\n300 set hero_damage 10\n500 set hero_damage 10\n"
    "700 set hero_damage 10\n900 key down a\n902 key up a\n";
constexpr int kPromptUpFrame = 850;
constexpr int kLastFrame = 960;

// F12 on the main menu, in play (held over several frames, then again at
// once), and at the game-over prompt.
constexpr const char* kShots =
    "3 key down F12\n4 key up F12\n"
    "120 key down F12\n125 key up F12\n126 key down F12\n126 key up F12\n"
    "850 key down F12\n851 key up F12\n";
constexpr int kShotCount = 4;

bool ShowsText(const MainWindow& window, const std::string& text) {
  const auto& texts = window.Texts();
  return std::any_of(texts.begin(), texts.end(),
                     [&](const TextRecord& record) { return record.text == text; });
}

TEST(ScreenshotKey, ChangesNothingInTheMenusOrInPlay) {
  const Script plain = Script::Parse(kGameToTheEnd);
  const Script shots = Script::Parse(std::string(kGameToTheEnd) + kShots);
  SimRunner without(Options());
  SimRunner with(Options());
  int differing_frames = 0;
  for (int frame = 1; frame <= kLastFrame; ++frame) {
    without.RunFrame(plain.EventsAt(frame));
    with.RunFrame(shots.EventsAt(frame));
    if (with.Dump() != without.Dump()) ++differing_frames;
    if (frame == kPromptUpFrame) {
      // The shot of "Press any key" leaves the prompt up.
      EXPECT_EQ(with.Window().State().gameOverPhase, 1);
      EXPECT_TRUE(ShowsText(with.Window(), "Press any key"));
    }
  }
  EXPECT_EQ(differing_frames, 0);
  EXPECT_TRUE(std::equal(with.Window().DrawingSurface().Pixels(),
                         with.Window().DrawingSurface().Pixels() + kSurfaceWidth * kSurfaceHeight,
                         without.Window().DrawingSurface().Pixels()));
  // The prompt did end, by the key after it.
  EXPECT_EQ(with.Window().State().gameOverPhase, without.Window().State().gameOverPhase);
  EXPECT_NE(with.Window().State().gameOverPhase, 1);
  EXPECT_EQ(with.Machine().screenshots.Count(), kShotCount);
  EXPECT_EQ(without.Machine().screenshots.Count(), 0);
}

TEST(ScreenshotKey, KeepsTheWholePictureAsLastDrawn) {
  const Script script = Script::Parse("2 key down Return\n4 key up Return\n40 key down Space\n");
  SimRunner runner(Options());
  for (int frame = 1; frame <= 60; ++frame) runner.RunFrame(script.EventsAt(frame));
  ASSERT_EQ(runner.Window().State().screenState, kPlaying);
  const Surface drawn = runner.Window().DrawingSurface();
  // The key comes between two frames: the shot is the frame before it.
  runner.RunFrame(Script::Parse("61 key down F12\n").EventsAt(61));
  const std::optional<Surface>& shot = runner.Machine().screenshots.Last();
  ASSERT_TRUE(shot.has_value());
  ASSERT_EQ(shot->Width(), 800);
  ASSERT_EQ(shot->Height(), 600);
  EXPECT_TRUE(std::equal(drawn.Pixels(), drawn.Pixels() + 800 * 600, shot->Pixels()));
  // And the game has drawn on since.
  EXPECT_FALSE(std::equal(drawn.Pixels(), drawn.Pixels() + 800 * 600,
                          runner.Window().DrawingSurface().Pixels()));
}

}  // namespace
}  // namespace zephyrant
