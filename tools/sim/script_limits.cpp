// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/script_limits.h"

#include "world/settings.h"

namespace zephyrant {

namespace {

struct NamedRange {
  std::string_view name;
  VarRange range;
};

// Counts that the game only ever raises by a few at a time stay far below
// the point where the next step would overflow.
constexpr double kMaxCount = 1'000'000;
// Eight digits, one more than the table shows, with room to play on.
constexpr double kMaxScore = 999'999'999;
// Window systems place windows at 16-bit signed coordinates.
constexpr double kMaxDesktop = 32767;
// A shot's aim: one whole turn either way, in steps of 2.2/90 radian.
constexpr double kAimTurn = 257;
// A colour level, give or take the pulse's step of 7.
constexpr double kPulseStep = 7;

constexpr double kLastLevel = 35;
constexpr double kLastMenuSlot = 6;
constexpr double kMostLives = 9;  // life icons 0 to 9 fit on the bottom row

constexpr NamedRange kRanges[] = {
    {"surface_width", {1, kReachX}},
    {"surface_height", {1, kReachY}},
    {"desktop_width", {1, kMaxDesktop}},
    {"desktop_height", {1, kMaxDesktop}},
    {"screen_state", {1, 12}},
    {"menu_selection", {1, kLastMenuSlot}},
    // 0 before the first game, 36 once the last level is won.
    {"level_number", {0, kLastLevel + 1}},
    {"level_phase", {0, 3}},
    {"boss_hits", {0, kMaxCount}},
    {"level_quota", {0, kMaxCount}},
    {"enemies_gone", {0, kMaxCount}},
    {"game_over_phase", {0, 2}},
    {"score", {0, kMaxScore}},
    // The ship is destroyed at 10.
    {"hero_damage", {0, 10}},
    {"hero_x", {-kReachX, kReachX}},
    {"hero_y", {-kReachY, kReachY}},
    // -1 once the last ship is lost.
    {"lives_index", {-1, kMostLives}},
    // 0 before the first game.
    {"weapon_level", {0, 3}},
    {"mouse_button", {0, 2}},
    {"rocket_count", {0, kMaxCount}},
    {"bonus_kind", {0, 3}},
    {"shell_hit_flag", {0, 1}},
    {"cannon_fired", {0, 1}},
    {"explosion_counter", {0, kMaxCount}},
    // A drift of more than a surface's width a step is no drift.
    {"formation_speed", {-kSurfaceWidth, kSurfaceWidth}},
    {"boss_x", {-kReachX, kReachX}},
    {"boss_y", {-kReachY, kReachY}},
    {"beam_count", {0, kMaxCount}},
    {"beam_aim", {-kAimTurn, kAimTurn}},
    {"cursor_x", {-kReachX, kReachX}},
    {"cursor_y", {-kReachY, kReachY}},
    {"sound_volume", {0, kMaxVolume}},
    {"music_volume", {0, kMaxVolume}},
    {"difficulty", {0, kMaxDifficulty}},
    {"speed_setting", {kMinSpeed, kMaxSpeed}},
    {"full_screen", {0, 1}},
    {"menu_column_x", {-kReachX, kReachX}},
    {"text_pulse_level", {-kPulseStep, 255 + kPulseStep}},
    {"text_pulse_step", {-kPulseStep, kPulseStep}},
    {"last_main_menu_item", {0, kLastMenuSlot}},
    {"last_help_item", {0, kLastMenuSlot}},
    {"edit_row", {0, kHighScoreRows - 1}},
    {"glyph_count", {0, kNameGlyphs}},
    // -1: no row touched yet.
    {"touched_row", {-1, kHighScoreRows - 1}},
    {"name_entry_open", {0, 1}},
};

}  // namespace

std::optional<VarRange> RangeOf(std::string_view var) {
  for (const NamedRange& r : kRanges) {
    if (r.name == var) return r.range;
  }
  return std::nullopt;
}

}  // namespace zephyrant
