// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "world/settings.h"

namespace zephyrant {

// Screen states: what the menus and the game are showing, and the transitions
// that the screen's own sprites complete on their next move step.
enum ScreenState : int32_t {
  kMainMenu = 1,
  kLeavingOptions = 2,
  kOptions = 3,
  kEnteringOptions = 4,
  kPlaying = 5,
  kEnteringHighScores = 6,
  kHighScores = 7,
  kLeavingHighScores = 8,
  kGlyphTyped = 9,
  kGlyphErased = 10,
  kHelp = 11,
  kEnteringHelp = 12,
};

inline constexpr int kMenuSlots = 7;
inline constexpr int kOptionValueSprites = 6;

// The game-wide variables, shared by every part of the game under these
// names. One instance lives in the main window; sprites reach it through
// their engine.
struct GameState {
  int32_t surfaceWidth = 0;
  int32_t surfaceHeight = 0;
  int32_t desktopWidth = 0;
  int32_t desktopHeight = 0;
  int32_t screenState = 0;
  int32_t menuSelection = 0;
  int32_t levelNumber = 0;
  int32_t levelPhase = 0;
  int32_t bossHits = 0;
  int32_t gameOverPhase = 0;
  int32_t score = 0;
  double heroDamage = 0;
  double heroX = 0;
  double heroY = 0;
  int32_t livesIndex = 0;
  int32_t weaponLevel = 0;
  int32_t levelQuota = 0;
  int32_t enemiesGone = 0;
  int32_t mouseButton = 0;  // 0 none, 1 left down, 2 right down

  // The player's weapons, pick-ups and explosions.
  int32_t rocketCount = 0;       // pairs of rockets left
  int32_t bonusKind = 0;         // which pick-up the bonus levels drop
  int32_t shellHitFlag = 0;      // a shell touched a small enemy; the next shell to move goes
  int32_t cannonFired = 0;       // a double-cannon volley wants the mount's firing frames
  int32_t explosionCounter = 0;  // steps of every large explosion alive, added together
  double formationSpeed = 0;     // the sideways drift one formation of small enemies shares
  double bossX = 0;              // where the boss stands this step, for the shots tied to it
  double bossY = 0;              // the boss's height, likewise
  int32_t beamCount = 0;         // segments laid in the current beam cycle; 0: no beam under way
  int32_t beamAim = 0;           // the aim of the current beam
  // The life icons by index, as sprite serials (0: none); entries above
  // livesIndex are stale.
  std::vector<uint32_t> lifeIcons;

  // Where the name-entry cursor of the high-score table stands.
  double cursorX = 0;
  double cursorY = 0;

  // Settings kept in the per-user store.
  int32_t soundVolume = 0;  // 0..130
  int32_t musicVolume = 0;  // 0..130
  int32_t difficulty = 0;   // 0 easy, 1 medium, 2 hard
  int32_t speedSetting = 0;
  int32_t fullScreen = 0;  // 0 full screen, 1 window

  double menuColumnX = 0;
  // Highlight requests per menu slot: 0 highlight, 1 un-highlight, 2 nothing pending.
  std::array<int32_t, kMenuSlots> itemRequests{2, 2, 2, 2, 2, 2, 2};
  std::array<int32_t, kMenuSlots> optionRequests{2, 2, 2, 2, 2, 2, 2};
  int32_t textPulseLevel = 0;
  int32_t textPulseStep = 0;
  int32_t lastMainMenuItem = 0;
  int32_t lastHelpItem = 0;

  std::array<std::string, kHighScoreRows> hiscoreNames;
  std::array<int32_t, kHighScoreRows> hiscoreScores{};

  // The current menu screen's sprites as serials (0: none): slot 0 is the
  // title, slots 1 up to the screen's last item the items.
  std::array<uint32_t, kMenuSlots> menuItems{};
  // The options screen's values: sound bar and knob, music bar and knob,
  // difficulty, full screen.
  std::array<uint32_t, kOptionValueSprites> optionValues{};

  // Name entry on the high-score table.
  int32_t editRow = 0;        // 0..6, the row a new score went to
  int32_t glyphCount = 0;     // glyphs typed so far, 0..15
  std::string typedName;      // the glyph codes typed so far
  std::string pendingCode;    // the glyph code of the last key handled
  int32_t touchedRow = -1;    // the row the last typed or erased glyph went to; -1 none
  int32_t nameEntryOpen = 0;  // 1 when this opening put the score in the table
  // The name glyphs on the table by row and cell, as serials.
  std::array<uint32_t, kHighScoreRows * kNameGlyphs> nameGlyphs{};
};

// A named view of one game-wide variable, for replays, dumps and the runner.
static_assert(kMenuSlots == kHighScoreRows, "the dumps show both tables with one type");
using VarPointer =
    std::variant<int32_t*, double*, std::string*, std::array<int32_t, kHighScoreRows>*,
                 std::array<std::string, kHighScoreRows>*>;
struct VarRef {
  const char* name;
  VarPointer pointer;
};

// Every game-wide variable by its snake_case name, in a fixed order.
std::vector<VarRef> Vars(GameState& state);

}  // namespace zephyrant
