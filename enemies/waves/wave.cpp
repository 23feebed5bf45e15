#include "enemies/waves/wave.h"

#include <cmath>

#include "player/pickups.h"

namespace zephyrant {

namespace {

constexpr int kRocketBonus = 6;  // rockets released and not yet collected

int RoundHalfEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

Wave::Wave(MainWindow& main_window_in)
    : main_window(main_window_in),
      state(main_window_in.State()),
      random(main_window_in.Random()),
      n1(5 * (main_window_in.State().difficulty + 1)),
      n2(RoundHalfEven(5 * (main_window_in.State().difficulty + 0.5))) {}

const PictureItem& Wave::Picture(std::string_view name) const {
  return main_window.Images(Holder::kEnemy, "LittleBoss").Item(name);
}

const PictureItem& Wave::Level4Picture(int index) const {
  return main_window.Images(Holder::kEnemy, "Level4").Item(index);
}

void Wave::BonusShower() {
  static constexpr const char* kKindPictures[] = {"bonus2", "bonus3", "bonus4"};
  const int kind = random(3) + 1;
  state.bonusKind = kind;
  const char* picture = kKindPictures[kind - 1];
  const int first_drop = random(200);
  SpawnPickup<BonusPickup>(main_window, picture, 90, -50 - first_drop);
  const int second_drop = random(350);
  SpawnPickup<BonusPickup>(main_window, picture, 240, -50 - second_drop);
  const int rockets_drop = random(350);
  SpawnPickup<BonusPickup>(main_window, "rocet1", 390, -50 - rockets_drop);
  state.rocketCount = kRocketBonus;
  const int cannon_drop = random(350);
  SpawnPickup<CannonPickup>(main_window, "cannon1", 540, -50 - cannon_drop);
  const int laser_drop = random(350);
  SpawnPickup<LaserPickup>(main_window, "cannon3", 690, -50 - laser_drop);
}

}  // namespace zephyrant
