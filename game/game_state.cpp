#include "game/game_state.h"

namespace zephyrant {

std::vector<VarRef> Vars(GameState& s) {
  return {
      {"surface_width", &s.surfaceWidth},
      {"surface_height", &s.surfaceHeight},
      {"desktop_width", &s.desktopWidth},
      {"desktop_height", &s.desktopHeight},
      {"screen_state", &s.screenState},
      {"menu_selection", &s.menuSelection},
      {"level_number", &s.levelNumber},
      {"level_phase", &s.levelPhase},
      {"boss_hits", &s.bossHits},
      {"level_quota", &s.levelQuota},
      {"enemies_gone", &s.enemiesGone},
      {"game_over_phase", &s.gameOverPhase},
      {"score", &s.score},
      {"hero_damage", &s.heroDamage},
      {"hero_x", &s.heroX},
      {"hero_y", &s.heroY},
      {"lives_index", &s.livesIndex},
      {"weapon_level", &s.weaponLevel},
      {"mouse_button", &s.mouseButton},
      {"rocket_count", &s.rocketCount},
      {"bonus_kind", &s.bonusKind},
      {"shell_hit_flag", &s.shellHitFlag},
      {"cannon_fired", &s.cannonFired},
      {"explosion_counter", &s.explosionCounter},
      {"cursor_x", &s.cursorX},
      {"cursor_y", &s.cursorY},
      {"sound_volume", &s.soundVolume},
      {"music_volume", &s.musicVolume},
      {"difficulty", &s.difficulty},
      {"speed_setting", &s.speedSetting},
      {"full_screen", &s.fullScreen},
      {"menu_column_x", &s.menuColumnX},
      {"item_requests", &s.itemRequests},
      {"option_requests", &s.optionRequests},
      {"text_pulse_level", &s.textPulseLevel},
      {"text_pulse_step", &s.textPulseStep},
      {"last_main_menu_item", &s.lastMainMenuItem},
      {"last_help_item", &s.lastHelpItem},
      {"hiscore_names", &s.hiscoreNames},
      {"hiscore_scores", &s.hiscoreScores},
  };
}

}  // namespace zephyrant
