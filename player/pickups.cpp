// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/pickups.h"

#include "player/display.h"
#include "player/mounts.h"
#include "player/ship.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr double kFallSpeed = 2;
constexpr double kRepair = 2;
constexpr int kPointsBonus = 500;
constexpr int kRocketBonus = 6;  // a rocket pick-up is out and not yet collected
constexpr int kMostLivesForExtraShip = 3;

enum BonusKind { kNoBonus = 0, kExtraShip = 1, kRepairKind = 2, kPoints = 3 };

struct PickupLook {
  std::string_view picture;
  double frame_speed;  // 0: not animated
};

constexpr PickupLook kLooks[] = {
    {"bonus2", 1.0 / 7.0},
    {"bonus3", 1.0 / 3.0},
    {"bonus4", 0.2},
};

double FrameSpeedOf(std::string_view picture) {
  for (const PickupLook& look : kLooks) {
    if (look.picture == picture) return look.frame_speed;
  }
  return 0;
}

// The first cannon is likelier in the first three levels.
int FirstCannonRoll(RandomGenerator& random, int level_number) {
  int r = random(100);
  if (level_number == 1) r = random(30);
  if (level_number == 2) r = random(50);
  if (level_number == 3) r = random(70);
  return r;
}

int SecondCannonRoll(RandomGenerator& random, int level_number) {
  int r = random(150);
  if (level_number == 1) r = random(50);
  if (level_number == 2) r = random(70);
  if (level_number == 3) r = random(90);
  return r;
}

// Cannon pick-ups stay until taken or the game ends; they may fall on below the screen.
void FallAsCannon(ImageSprite& pickup) {
  GameWorld& world = WorldOf(pickup);
  if (world.Input().Has(InputState::InputButton2)) pickup.Kill();
  if (world.State().screenState != kPlaying) pickup.Kill();
  pickup.Y += kFallSpeed;
  pickup.CheckHits();
}

}  // namespace

template <class T>
T& SpawnPickup(GameWorld& world, std::string_view picture, double x, double y) {
  T& pickup = world.Engine().template Spawn<T>();
  pickup.SetImage(world.Images(Holder::kShip, "ListBonus").Item(picture));
  pickup.X = x;
  pickup.Y = y;
  pickup.FrameSpeed = FrameSpeedOf(picture);
  pickup.FrameLooped = pickup.FrameSpeed > 0;
  return pickup;
}

template BonusPickup& SpawnPickup<BonusPickup>(GameWorld&, std::string_view, double, double);
template CannonPickup& SpawnPickup<CannonPickup>(GameWorld&, std::string_view, double, double);
template LaserPickup& SpawnPickup<LaserPickup>(GameWorld&, std::string_view, double, double);

void RollBonuses(GameWorld& world, double x, double y) {
  GameState& state = world.State();
  RandomGenerator& random = world.Random();
  const int extra_ship = random(250);
  if (extra_ship == 7 && state.livesIndex < kMostLivesForExtraShip) {
    SpawnPickup<BonusPickup>(world, "bonus2", x, y);
    state.bonusKind = kExtraShip;
  }
  const int repair = random(100);
  if (repair == 10 && state.bonusKind == kNoBonus) {
    SpawnPickup<BonusPickup>(world, "bonus3", x, y);
    state.bonusKind = kRepairKind;
  }
  const int points = random(250);
  if (points == 9 && state.bonusKind == kNoBonus) {
    SpawnPickup<BonusPickup>(world, "bonus4", x, y);
    state.bonusKind = kPoints;
  }
  const int rockets = random(100);
  if (rockets == 5 && state.rocketCount < 1) {
    SpawnPickup<BonusPickup>(world, "rocet1", x, y);
    state.rocketCount = kRocketBonus;
  }
  const int first_cannon = FirstCannonRoll(random, state.levelNumber);
  if (first_cannon == 1 && state.weaponLevel != 2 && state.weaponLevel != 3) {
    SpawnPickup<CannonPickup>(world, "cannon1", x, y);
  }
  const int second_cannon = SecondCannonRoll(random, state.levelNumber);
  if (second_cannon == 3 && state.weaponLevel == 2) {
    SpawnPickup<LaserPickup>(world, "cannon3", x, y);
  }
}

void BonusPickup::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  const GameState& state = WorldOf(*this).State();
  if (state.screenState != kPlaying) Kill();
  Y += kFallSpeed;
  CheckHits();
  if (Y >= state.surfaceHeight) Kill();
}

void BonusPickup::OnHit(Sprite& other, bool&) {
  if (!IsShip(other)) return;
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  Kill();
  if (state.bonusKind == kExtraShip) {
    state.livesIndex += 1;
    CreateLifeIcon(world, state.livesIndex);
    state.bonusKind = kNoBonus;
  }
  if (state.bonusKind == kRepairKind) {
    state.heroDamage -= kRepair;
    if (state.heroDamage <= 0) state.heroDamage = 0;
    state.bonusKind = kNoBonus;
  }
  if (state.bonusKind == kPoints) {
    state.score += kPointsBonus;
    state.bonusKind = kNoBonus;
  }
  if (state.rocketCount == kRocketBonus) {
    CreateRocketPods(world);
    state.rocketCount = kRocketBonus - 1;
  }
}

void CannonPickup::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  FallAsCannon(*this);
}

void CannonPickup::OnHit(Sprite& other, bool&) {
  if (!IsShip(other)) return;
  GameWorld& world = WorldOf(*this);
  Kill();
  CreateCannonMount(world, CannonMount::kIdleFrameSpeed);
  world.State().weaponLevel = 2;
}

void LaserPickup::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  FallAsCannon(*this);
}

void LaserPickup::OnHit(Sprite& other, bool&) {
  if (!IsShip(other)) return;
  GameWorld& world = WorldOf(*this);
  Kill();
  CreateLaserMount(world);
  world.State().weaponLevel = 3;
}

}  // namespace zephyrant
