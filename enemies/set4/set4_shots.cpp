// SPDX-License-Identifier: GPL-3.0-or-later
#include "enemies/set4/set4_shots.h"

#include "world/game_world.h"

namespace zephyrant {

namespace {

// Fragments outlast the small enemies' other shots: only a boss fight of 250
// hits or a level's clearing removes them, and a new game.
constexpr int kFragmentClearingBossHits = 250;
constexpr int kFirstLevel = 1;
// They keep 10 pixels off the side walls.
constexpr double kFragmentWall = 10;
constexpr int kFragmentSpeeds = 25;

}  // namespace

void MineFragment::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  const GameState& state = WorldOf(*this).State();
  // Fragments linger on the main menu and the options screen.
  if (state.screenState != kPlaying && state.screenState != kOptions &&
      state.screenState != kMainMenu) {
    Kill();
  }
  if (state.bossHits >= kFragmentClearingBossHits || state.levelNumber == kFirstLevel) Kill();
  // The mines of levels 22 and 23 burst into fragments, and so do the
  // bombs of the boss of level 21.
  if (state.levelNumber >= 21 && state.levelNumber <= 23) {
    // A fragment whose draws both come out 0 rests a step and draws again.
    if (DriftX == 0 && DriftY == 0) {
      RandomGenerator& random = WorldOf(*this).Random();
      const int x_first = random(kFragmentSpeeds);
      const int x_second = random(kFragmentSpeeds);
      DriftX = x_first - x_second;
      const int y_first = random(kFragmentSpeeds);
      const int y_second = random(kFragmentSpeeds);
      DriftY = y_first - y_second;
    }
    X += DriftX;
    Y += DriftY;
  }
  if (Y <= 0 || Y >= kSurfaceHeight || X <= kFragmentWall || X >= kSurfaceWidth - kFragmentWall) {
    Kill();
  }
  CheckHits();
}

void MineFragment::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitSlow);
}

void Set4Bullet::MoveStep(int move_count) {
  RotatedSprite::MoveStep(move_count);
  CheckShotRemovals(*this);
  switch (WorldOf(*this).State().levelNumber) {
    case 24:
    case 26:
      Fly(*this, Aim);
      break;
    default:
      break;
  }
  CheckShotLeftScreen(*this);
  CheckHits();
}

void Set4Bullet::OnHit(Sprite& other, bool&) {
  HitTheShip(*this, other, kShotHitFast);
}

}  // namespace zephyrant
