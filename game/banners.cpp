#include "game/banners.h"

#include "game/main_window.h"
#include "menus/high_scores.h"
#include "menus/menu_sprites.h"

namespace zephyrant {

void TLevel::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
  if (state.screenState != kPlaying || state.gameOverPhase > 0) {
    form.TimerBoss().SetEnabled(false);
    form.TimerLevel().SetEnabled(false);
    Kill();
  }
  Y += kFallSpeed;
  if (Y >= kBannerMiddleLine && state.levelPhase == 2) {
    form.TimerLevel().SetEnabled(true);
    Y -= kFallSpeed;
  }
  if (Y >= kBannerMiddleLine && !form.TimerLevel().Enabled() &&
      state.bossHits >= kBannerHoldBossHits) {
    Y -= kFallSpeed;
  }
  if (Y >= state.surfaceHeight) {
    form.TimerLevel().SetEnabled(false);
    Kill();
  }
}

void TGame::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
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
    form.WindowMode();
    CreatePointer(form);
    form.Services().display.WarpPointer(state.surfaceWidth / 2, state.surfaceHeight / 2);
    CreateNameEntryCursor(form, kLostGameCursorSpeed);
    form.HiScores();
  }
}

}  // namespace zephyrant
