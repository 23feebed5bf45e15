// SPDX-License-Identifier: GPL-3.0-or-later
// The third level set: diagonals, double and triple columns, crossing bars,
// the first bonus level's grid, and the third boss.

#include "enemies/bosses/boss_3.h"
#include "enemies/set2/set2_enemy.h"
#include "enemies/set3/set3_enemy.h"
#include "levels/wave.h"

namespace zephyrant {

void Level15(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_15");
  const int w = picture.Width();
  for (int i = 0; i <= 2 * wave.n1; ++i) {
    wave.Enemy<Set3Enemy>(picture, Wave::W + 100 + i * w, i, true);
  }
  wave.state.levelQuota = 2 * wave.n1;
}

void Level16(Wave& wave) {
  RowsAtFifty<Set3Enemy>(wave, wave.Picture("little_boss_16"));
  wave.state.levelQuota = 2 * wave.n2 + 1;
}

void Level17(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_17");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set3Enemy>(picture, Wave::W + 1.5 * i * w, i, true);
    wave.Enemy<Set3Enemy>(picture, Wave::W + 1.5 * i * w, h + i, true);
  }
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level18(Wave& wave) {
  for (int i = 0; i <= wave.n1; ++i) CrossingBars<Set3Enemy, Set2Enemy>(wave, i);
  wave.state.levelQuota = 4 * wave.n1 + 1;
}

void Level19(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_19");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    for (int row = 0; row < 3; ++row) {
      wave.Enemy<Set3Enemy>(picture, Wave::W + 1.5 * i * w, row * h, true);
    }
  }
  wave.state.levelQuota = 3 * wave.n1 + 2;
}

void Level20(Wave& wave) {
  constexpr int kColumns = 6;
  constexpr int kRows = 7;
  const PictureItem& picture = wave.Picture("little_boss_20_27");
  const int h = picture.Height();
  for (int i = 0; i < kColumns; ++i) {
    for (int row = 0; row < kRows; ++row) {
      wave.Enemy<Set3Enemy>(picture, Wave::W * i / 5.0, row * h, true);
    }
  }
  wave.BonusShower();
  wave.state.levelQuota = 35;
}

void Level21(Wave& wave) {
  wave.Boss<Boss3>(2, 20);
}

}  // namespace zephyrant
