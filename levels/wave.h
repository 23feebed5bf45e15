// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every level script works with: the surface size, the difficulty's two
// wave sizes, the small-enemy pictures, and placing one enemy or boss.

#include <string_view>

#include "framework/image_list.h"
#include "world/game_world.h"

namespace zephyrant {

class Wave {
 public:
  explicit Wave(GameWorld& world);

  static constexpr int W = kSurfaceWidth;
  static constexpr int H = kSurfaceHeight;

  GameWorld& world;
  GameState& state;
  RandomGenerator& random;
  const int n1;  // 5, 10 or 15 by difficulty
  const int n2;  // 2, 8 or 12 by difficulty

  const PictureItem& Picture(std::string_view name) const;
  const PictureItem& Level4Picture(int index) const;

  // A small enemy of class T at (x, y), as the scripts place them: picture,
  // position, size and the pixel test, nothing else.
  template <class T>
  T& Enemy(const PictureItem& picture, double x, double y, bool pixel_exact) {
    T& enemy = world.Engine().Spawn<T>();
    enemy.SetImage(picture);
    enemy.X = x;
    enemy.Y = y;
    enemy.PixelExact = pixel_exact;
    return enemy;
  }

  // The boss of a set: entry `index` of the boss list, at a random column
  // around the middle and height y.
  template <class T>
  T& Boss(int index, double y) {
    T& boss = world.Engine().Spawn<T>();
    boss.SetImage(world.Images(Holder::kBoss, "Boss").Item(index));
    const int left = random(200);
    const int right = random(200);
    boss.X = W / 2 - left + right;
    boss.Y = y;
    return boss;
  }

  // The pick-ups that fall at the end of a bonus level.
  void BonusShower();
};

// The levels of each set; a boss level and the six before it.
void Level1(Wave& wave);
void Level2(Wave& wave);
void Level3(Wave& wave);
void Level4(Wave& wave);
void Level5(Wave& wave);
void Level6(Wave& wave);
void Level7(Wave& wave);
void Level8(Wave& wave);
void Level9(Wave& wave);
void Level10(Wave& wave);
void Level11(Wave& wave);
void Level12(Wave& wave);
void Level13(Wave& wave);
void Level14(Wave& wave);
void Level15(Wave& wave);
void Level16(Wave& wave);
void Level17(Wave& wave);
void Level18(Wave& wave);
void Level19(Wave& wave);
void Level20(Wave& wave);
void Level21(Wave& wave);
void Level22(Wave& wave);
void Level23(Wave& wave);
void Level24(Wave& wave);
void Level25(Wave& wave);
void Level26(Wave& wave);
void Level27(Wave& wave);
void Level28(Wave& wave);
void Level29(Wave& wave);
void Level30(Wave& wave);
void Level31(Wave& wave);
void Level32(Wave& wave);
void Level33(Wave& wave);
void Level34(Wave& wave);
void Level35(Wave& wave);

// Shapes several levels share, for the classes the level uses. Each leaves
// the final level quota to the caller.

// Two files of enemies marching in from both sides (levels 3, 10, 31).
template <class T>
void FilesFromBothSides(Wave& wave, const PictureItem& picture) {
  const int w = picture.Width();
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<T>(picture, Wave::W + Wave::W * i / 2.0, 0, true);
    wave.Enemy<T>(picture, -w - Wave::W * i / 2.0, 0, true);
  }
}

// Two streams spaced `gap` apart, from the left and the right (levels 5, 12, 33).
template <class T>
void StreamsFromBothSides(Wave& wave, const PictureItem& picture, int gap) {
  for (int i = 0; i <= wave.n1; ++i) {
    wave.Enemy<T>(picture, -gap * i, 0, true);
    wave.Enemy<T>(picture, Wave::W + gap * i, 0, true);
  }
}

// Two rows at height 50, one off each side (levels 2, 16).
template <class T>
void RowsAtFifty(Wave& wave, const PictureItem& picture) {
  const int w = picture.Width();
  for (int i = 0; i <= wave.n2; ++i) {
    wave.Enemy<T>(picture, Wave::W + 2 * i * w, 50, true);
    wave.Enemy<T>(picture, -2 * i * w, 50, true);
  }
}

// Horizontal bars from the right and the left, vertical bars from above and
// below the left edge (levels 18 and 32), for the two classes given.
template <class Horizontal, class Vertical>
void CrossingBars(Wave& wave, int i) {
  const PictureItem& across = wave.Picture("little_boss_4_18");
  const PictureItem& upright = wave.Picture("little_boss_8_18");
  const int aw = across.Width();
  const int ah = across.Height();
  const int uw = upright.Width();
  const int uh = upright.Height();
  wave.Enemy<Horizontal>(across, Wave::W, 2 * i * ah, false);
  wave.Enemy<Horizontal>(across, -aw, 2 * i * ah + ah, false);
  wave.Enemy<Vertical>(upright, -2.5 * i * uw, -uh, false);
  wave.Enemy<Vertical>(upright, -2.5 * i * uw - 1.5 * uw, Wave::H, false);
}

}  // namespace zephyrant
