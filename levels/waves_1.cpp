// SPDX-License-Identifier: GPL-3.0-or-later
// The first level set: six waves of the first small-enemy class and the first boss.

#include "enemies/bosses/boss_1.h"
#include "enemies/set1/set1_enemy.h"
#include "levels/wave.h"

namespace zephyrant {

void Level1(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_1");
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set1Enemy>(picture, Wave::W + static_cast<double>(Wave::W * i) / wave.n1, 0, true);
  }
  // The quota stays the wave size every script call starts with.
}

void Level2(Wave& wave) {
  RowsAtFifty<Set1Enemy>(wave, wave.Picture("little_boss_2_10"));
  wave.state.levelQuota = 2 * wave.n2 + 1;
}

void Level3(Wave& wave) {
  FilesFromBothSides<Set1Enemy>(wave, wave.Picture("little_boss_3"));
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level4(Wave& wave) {
  const PictureItem& bar = wave.Picture("little_boss_4_18");
  const int w = bar.Width();
  const int h = bar.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set1Enemy>(bar, Wave::W, 2 * i * h, true);
    wave.Enemy<Set1Enemy>(bar, -w, 2 * i * h + h, true);
  }
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level5(Wave& wave) {
  StreamsFromBothSides<Set1Enemy>(wave, wave.Picture("little_boss_5"), 50);
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level6(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_6");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set1Enemy>(picture, Wave::W + 1.5 * i * w, 0, true);
    Set1Enemy& second =
        wave.Enemy<Set1Enemy>(picture, Wave::W + 0.75 * w + 1.5 * i * w, 1.2 * h, true);
    // The lower row is one short.
    if (i == wave.n1) second.Kill();
  }
  wave.state.levelQuota = 2 * wave.n1 - 1;
}

void Level7(Wave& wave) {
  wave.Boss<Boss1>(0, 10);
}

}  // namespace zephyrant
