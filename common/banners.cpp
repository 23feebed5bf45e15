// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/banners.h"

#include "world/game_world.h"

namespace zephyrant {

void LevelBanner::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (state.screenState != kPlaying || state.gameOverPhase > 0) {
    world.TimerBoss().SetEnabled(false);
    world.TimerLevel().SetEnabled(false);
    Kill();
  }
  Y += kFallSpeed;
  if (Y >= kBannerMiddleLine && state.levelPhase == 2) {
    world.TimerLevel().SetEnabled(true);
    Y -= kFallSpeed;
  }
  if (Y >= kBannerMiddleLine && !world.TimerLevel().Enabled() &&
      state.bossHits >= kBannerHoldBossHits) {
    Y -= kFallSpeed;
  }
  if (Y >= state.surfaceHeight) {
    world.TimerLevel().SetEnabled(false);
    Kill();
  }
}

void GameOverBanner::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
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
    world.OpenTableAfterGame(GameEnding::kLost);
  }
}

}  // namespace zephyrant
