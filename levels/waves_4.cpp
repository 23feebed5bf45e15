// SPDX-License-Identifier: GPL-3.0-or-later
// The fourth level set: mine fields, diagonal columns, a ring, the second
// bonus level's staggered grid, and the fourth boss.

#include <array>

#include "enemies/bosses/boss_4.h"
#include "enemies/set4/set4_enemy.h"
#include "levels/wave.h"

namespace zephyrant {

void Level22(Wave& wave) {
  constexpr int kRoundMines = 5;
  for (int i = 0; i <= 2 * wave.n1; ++i) {
    const PictureItem& picture = wave.Level4Picture(wave.random(kRoundMines));
    const int x = wave.random(Wave::W - picture.Width());
    const int y = wave.random(Wave::H);
    wave.Enemy<Set4Enemy>(picture, x, -y, false);
  }
  wave.state.levelQuota = 2 * wave.n1;
}

void Level23(Wave& wave) {
  constexpr int kFirstLongMine = 5;
  constexpr int kLongMines = 4;
  constexpr int kMargin = 5;
  for (int i = 0; i <= 3 * wave.n1; ++i) {
    const PictureItem& picture = wave.Level4Picture(kFirstLongMine + wave.random(kLongMines));
    const int x = wave.random(Wave::W - picture.Width() - kMargin);
    const int y = wave.random(5 * Wave::H);
    wave.Enemy<Set4Enemy>(picture, kMargin + x, -y, true);
  }
  wave.state.levelQuota = 3 * wave.n1;
}

void Level24(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_6");
  const int w = picture.Width();
  const int h = picture.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    const double x = Wave::W + 1.5 * i * w;
    wave.Enemy<Set4Enemy>(picture, x, 0, true);
    wave.Enemy<Set4Enemy>(picture, x + w / 2.0, h, true);
    wave.Enemy<Set4Enemy>(picture, x + w, 2 * h, true);
  }
  wave.state.levelQuota = 3 * wave.n1 + 2;
}

void Level25(Wave& wave) {
  const PictureItem& bar = wave.Picture("little_boss_4_18");
  const int w = bar.Width();
  const int h = bar.Height();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<Set4Enemy>(bar, (Wave::W - w) - (i * w) / 2.0, -2 * i * h, true);
    wave.Enemy<Set4Enemy>(bar, (i * w) / 2.0, h - 2 * i * h, true);
  }
  wave.state.levelQuota = 2 * wave.n1 + 1;
}

void Level26(Wave& wave) {
  const PictureItem& picture = wave.Picture("little_boss_26");
  // Each enemy's column is its place in the ring, which it works out on its first step.
  for (int i = 0; i <= 2 * wave.n1; ++i) wave.Enemy<Set4Enemy>(picture, i, 100, true);
  wave.state.levelQuota = 2 * wave.n1;
}

void Level27(Wave& wave) {
  constexpr int kPasses = 7;
  constexpr int kRows = 7;
  // Rows 1 to 7 stand this many enemy heights above the top.
  constexpr std::array<double, kRows> kRowHeights{-9, -7.5, -6, -4.5, -3, -1.5, 0};
  // Four enemies stand out of the grid: a fraction of the span across, so
  // many heights up.
  struct Stray {
    int pass;
    int row;
    double span_divisor;
    double heights;
  };
  constexpr Stray kStrays[] = {{1, 2, 3.3, -9}, {3, 2, 2, -9}, {1, 5, 10, -6}, {4, 6, 1.43, -9}};
  const PictureItem& picture = wave.Picture("little_boss_20_27");
  const int span = Wave::W - picture.Width();
  const int h = picture.Height();
  for (int i = 0; i < kPasses; ++i) {
    for (int row = 1; row <= kRows; ++row) {
      double x = span * i / 5.0;
      double y = kRowHeights[row - 1] * h;
      for (const Stray& stray : kStrays) {
        if (stray.pass != i || stray.row != row) continue;
        x = span / stray.span_divisor;
        y = stray.heights * h;
      }
      wave.Enemy<Set4Enemy>(picture, x, y, true);
    }
  }
  wave.BonusShower();
  wave.state.levelQuota = 42;
}

void Level28(Wave& wave) {
  wave.Boss<Boss4>(3, 5);
}

}  // namespace zephyrant
