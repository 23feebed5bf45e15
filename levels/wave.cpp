// SPDX-License-Identifier: GPL-3.0-or-later
#include "levels/wave.h"

#include <cmath>

#include "player/pickups.h"

namespace zephyrant {

namespace {

constexpr int kRocketBonus = 6;  // rockets released and not yet collected

int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

Wave::Wave(GameWorld& main_window_in)
    : world(main_window_in),
      state(main_window_in.State()),
      random(main_window_in.Random()),
      n1(5 * (main_window_in.State().difficulty + 1)),
      n2(RoundHalfEven(5 * (main_window_in.State().difficulty + 0.5))) {}

const PictureItem& Wave::Picture(std::string_view name) const {
  return world.Images(Holder::kEnemy, "LittleBoss").Item(name);
}

const PictureItem& Wave::Level4Picture(int index) const {
  return world.Images(Holder::kEnemy, "Level4").Item(index);
}

void Wave::BonusShower() {
  static constexpr const char* kKindPictures[] = {"bonus2", "bonus3", "bonus4"};
  const int kind = random(3) + 1;
  state.bonusKind = kind;
  const char* picture = kKindPictures[kind - 1];
  const int first_drop = random(200);
  SpawnPickup<BonusPickup>(world, picture, 90, -50 - first_drop);
  const int second_drop = random(350);
  SpawnPickup<BonusPickup>(world, picture, 240, -50 - second_drop);
  const int rockets_drop = random(350);
  SpawnPickup<BonusPickup>(world, "rocet1", 390, -50 - rockets_drop);
  state.rocketCount = kRocketBonus;
  const int cannon_drop = random(350);
  SpawnPickup<CannonPickup>(world, "cannon1", 540, -50 - cannon_drop);
  const int laser_drop = random(350);
  SpawnPickup<LaserPickup>(world, "cannon3", 690, -50 - laser_drop);
}

}  // namespace zephyrant
