#include "game/banners.h"

#include "game/main_window.h"
#include "menus/high_scores.h"
#include "menus/menu_sprites.h"

namespace zephyrant {

void LevelBanner::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  GameState& state = main_window.State();
  if (state.screenState != kPlaying || state.gameOverPhase > 0) {
    main_window.TimerBoss().SetEnabled(false);
    main_window.TimerLevel().SetEnabled(false);
    Kill();
  }
  Y += kFallSpeed;
  if (Y >= kBannerMiddleLine && state.levelPhase == 2) {
    main_window.TimerLevel().SetEnabled(true);
    Y -= kFallSpeed;
  }
  if (Y >= kBannerMiddleLine && !main_window.TimerLevel().Enabled() &&
      state.bossHits >= kBannerHoldBossHits) {
    Y -= kFallSpeed;
  }
  if (Y >= state.surfaceHeight) {
    main_window.TimerLevel().SetEnabled(false);
    Kill();
  }
}

void GameOverBanner::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  GameState& state = main_window.State();
  // Escape at the prompt has already ended the game and opened the table:
  // the banner just goes.
  if (state.screenState != kPlaying) {
    Kill();
    return;
  }
  Y += kFallSpeed;
  // Once the banner is in, no further level banner is put out.
  if (Y > 0) state.levelPhase = 3;
  if (Y >= kBannerMiddleLine && state.gameOverPhase == 1) Y -= kFallSpeed;
  if (state.gameOverPhase == 2 && Y >= state.surfaceHeight) {
    Kill();
    state.bossHits = 500;
    main_window.WindowMode();
    CreatePointer(main_window);
    main_window.Services().display.WarpPointer(state.surfaceWidth / 2, state.surfaceHeight / 2);
    CreateNameEntryCursor(main_window, kLostGameCursorSpeed);
    main_window.HiScores();
  }
}

}  // namespace zephyrant
