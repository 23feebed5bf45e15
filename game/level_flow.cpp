// SPDX-License-Identifier: GPL-3.0-or-later
// A game from start to end: the new game, the level banners on the level
// timer and the level scripts on the boss timer.

#include "common/banners.h"
#include "game/main_window.h"
#include "levels/level_scripts.h"
#include "player/display.h"
#include "player/ship.h"

namespace zephyrant {

namespace {

constexpr int kStartingLives = 3;
constexpr int kLevelsPerSet = 7;
constexpr int kLastLevel = 35;
constexpr double kBannerStartY = -50;
constexpr double kLevelWordWidth = 141;
constexpr double kLevelWordShift = 20;
constexpr double kNumberShift = 100;

LevelBanner& DropBanner(MainWindow& main_window, const PictureItem& picture, double x) {
  LevelBanner& banner = main_window.Engine().Spawn<LevelBanner>();
  banner.SetImage(picture);
  banner.X = x;
  banner.Y = kBannerStartY;
  return banner;
}

}  // namespace

void MainWindow::NewGame() {
  Entering entering(*this, TapeOp::kCall);
  entering.Entry().call = TapeCall::kNewGame;
  if (journal_ != nullptr) journal_->GameStarted();
  GameState& state = State();
  state.levelNumber = 1;
  state.levelPhase = 2;
  timer_level_.SetEnabled(true);
  state.weaponLevel = 1;
  state.heroDamage = 0;
  state.gameOverPhase = 0;
  // A new game never carries the last game's score over.
  state.score = 0;
  CreateHealthAndScoreLabels(*this);
  CreateShip(*this);
  state.lifeIcons.clear();
  for (int i = 0; i < kStartingLives; ++i) CreateLifeIcon(*this, i);
  state.livesIndex = kStartingLives - 1;
  ApplySoundVolumes();
}

void MainWindow::OnLevelTimer() {
  GameState& state = State();
  if (state.levelPhase != 2) return;
  const ImageList& levels = Images("Levels");
  DropBanner(*this, levels.Item("level"),
             state.surfaceWidth / 2.0 - kLevelWordWidth / 2 - kLevelWordShift);
  if (state.levelNumber >= 1 && state.levelNumber <= kLastLevel) {
    DropBanner(*this, levels.Item(state.levelNumber), state.surfaceWidth / 2.0 + kNumberShift);
  }
  state.levelPhase = 3;
  timer_boss_.SetEnabled(true);
}

void MainWindow::OnBossTimer() {
  GameState& state = State();
  state.bossHits = 0;
  state.enemiesGone = 0;
  switch ((state.levelNumber - 1) / kLevelsPerSet) {
    case 0:
      if (state.levelNumber >= 1) level_scripts_->RunSet1Level();
      break;
    case 1:
      level_scripts_->RunSet2Level();
      break;
    case 2:
      level_scripts_->RunSet3Level();
      break;
    case 3:
      level_scripts_->RunSet4Level();
      break;
    case 4:
      level_scripts_->RunSet5Level();
      break;
    default:
      break;
  }
  timer_boss_.SetEnabled(false);
}

}  // namespace zephyrant
