// SPDX-License-Identifier: GPL-3.0-or-later
// The last level set: a spiral, rolling ellipses, files, bars from every
// side, streams, and the last boss.

#include "enemies/bosses/boss_5.h"
#include "enemies/set2/set2_enemy.h"
#include "enemies/set3/set3_enemy.h"
#include "enemies/set5/set5_enemy.h"
#include "levels/wave.h"

namespace zephyrant {

void Level29(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_29");
  // Each enemy's column is its place on the spiral, worked out on its first step.
  for (int i = 0; i <= 2 * wave.n1; ++i) wave.Enemy<Set5Enemy>(picture, i, 100, true);
  wave.state.levelQuota = 2 * wave.n1;
}

void Level30(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_2_10");
  // The ellipses' phase comes from the column, their start from the height.
  for (int i = 0; i <= 2 * wave.n2; ++i) {
    wave.Enemy<Set5Enemy>(picture, i, 0, true);
    wave.Enemy<Set5Enemy>(picture, i, -Wave::W / 2, true);
  }
  wave.state.levelQuota = 4 * wave.n2;
}

void Level31(Wave& wave) {
  FilesFromBothSides<Set5Enemy>(wave, wave.Picture("little_boss_2_10"));
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level32(Wave& wave) {
  constexpr int kPasses = 6;
  const PictureItem& upright = wave.Picture("little_boss_8_18");
  const int w = upright.Width();
  const int h = upright.Height();
  for (int i = 0; i < kPasses; ++i) {
    CrossingBars<Set3Enemy, Set2Enemy>(wave, i);
    wave.Enemy<Set5Enemy>(upright, Wave::W + 2.5 * i * w, -h, false);
    wave.Enemy<Set5Enemy>(upright, Wave::W + 2.5 * i * w + 1.5 * w, Wave::H, false);
  }
  wave.state.levelQuota = 31;
}

void Level33(Wave& wave) {
  StreamsFromBothSides<Set5Enemy>(wave, wave.Picture("little_boss_5"), 75);
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level34(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_6");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set5Enemy>(picture, Wave::W + 1.5 * i * w, 0, true);
    wave.Enemy<Set5Enemy>(picture, -0.6 * w - 1.5 * i * w, 1.2 * h, true);
  }
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level35(Wave& wave) {
  wave.Boss<Boss5>(4, 5);
}

}  // namespace zephyrant
