// SPDX-License-Identifier: GPL-3.0-or-later
// The second level set: bars, triple rows, spirals and a random swarm, then
// the second boss.

#include <numbers>

#include "enemies/bosses/boss_2.h"
#include "enemies/set2/set2_enemy.h"
#include "levels/wave.h"

namespace zephyrant {

void Level8(Wave& wave) {
  const PictureItem& bar = wave.Picture("little_boss_8_18");
  const int w = bar.Width();
  const int h = bar.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set2Enemy>(bar, -2.5 * i * w, -h, false);
    wave.Enemy<Set2Enemy>(bar, -2.5 * i * w - 1.5 * w, Wave::H, false);
  }
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level9(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_9");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n2; ++i) {
    wave.Enemy<Set2Enemy>(picture, Wave::W + 1.5 * i * w, 0, true);
    wave.Enemy<Set2Enemy>(picture, -1.5 * i * w, h, true);
    wave.Enemy<Set2Enemy>(picture, Wave::W + 1.5 * i * w, 2 * h, true);
  }
  wave.state.levelQuota = 3 * wave.n2 + 1;
}

void Level10(Wave& wave) {
  FilesFromBothSides<Set2Enemy>(wave, wave.Picture("little_boss_2_10"));
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level11(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_11");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    const double reach = std::numbers::pi * (i * h) / 2;
    const double y = (i * h) / 2.0;
    wave.Enemy<Set2Enemy>(picture, Wave::W + reach, y, true);
    wave.Enemy<Set2Enemy>(picture, -w - reach, y, true);
  }
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level12(Wave& wave) {
  StreamsFromBothSides<Set2Enemy>(wave, wave.Picture("little_boss_12"), 50);
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level13(Wave& wave) {
  constexpr int kPasses = 10;
  const PictureItem& picture = wave.Picture("little_boss_13");
  for (int i = 0; i < kPasses; ++i) {
    const int right_x = wave.random(200);
    const int right_y = wave.random(300);
    wave.Enemy<Set2Enemy>(picture, Wave::W + right_x, right_y, true);
    const int left_x = wave.random(200);
    const int left_y = wave.random(300);
    wave.Enemy<Set2Enemy>(picture, -left_x, left_y, true);
  }
  wave.state.levelQuota = 2 * kPasses - 1;
}

void Level14(Wave& wave) {
  wave.Boss<Boss2>(1, 20);
}

}  // namespace zephyrant
