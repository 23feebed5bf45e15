#include "player/pickups.h"

#include "game/main_window.h"
#include "player/display.h"
#include "player/mounts.h"
#include "player/ship.h"

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
int FirstCannonRoll(TRandom& random, int level_number) {
  int r = random(100);
  if (level_number == 1) r = random(30);
  if (level_number == 2) r = random(50);
  if (level_number == 3) r = random(70);
  return r;
}

int SecondCannonRoll(TRandom& random, int level_number) {
  int r = random(150);
  if (level_number == 1) r = random(50);
  if (level_number == 2) r = random(70);
  if (level_number == 3) r = random(90);
  return r;
}

// Cannon pick-ups stay until taken or the game ends; they may fall on below the screen.
void FallAsCannon(TImageSprite& pickup) {
  TForm1& form = FormOf(pickup);
  if (form.Input().Has(InputState::InputButton2)) pickup.Kill();
  if (form.State().screenState != kPlaying) pickup.Kill();
  pickup.Y += kFallSpeed;
  pickup.CheckHits();
}

}  // namespace

template <class T>
T& SpawnPickup(TForm1& form, std::string_view picture, double x, double y) {
  T& pickup = form.Engine().template Spawn<T>();
  pickup.SetImage(form.Images(Holder::kShip, "ListBonus").Item(picture));
  pickup.X = x;
  pickup.Y = y;
  pickup.FrameSpeed = FrameSpeedOf(picture);
  pickup.FrameLooped = pickup.FrameSpeed > 0;
  return pickup;
}

template TBonus1& SpawnPickup<TBonus1>(TForm1&, std::string_view, double, double);
template TCannon1& SpawnPickup<TCannon1>(TForm1&, std::string_view, double, double);
template TCannon3& SpawnPickup<TCannon3>(TForm1&, std::string_view, double, double);

void RollBonuses(TForm1& form, double x, double y) {
  GameState& state = form.State();
  TRandom& random = form.Random();
  const int extra_ship = random(250);
  if (extra_ship == 7 && state.livesIndex < kMostLivesForExtraShip) {
    SpawnPickup<TBonus1>(form, "bonus2", x, y);
    state.bonusKind = kExtraShip;
  }
  const int repair = random(100);
  if (repair == 10 && state.bonusKind == kNoBonus) {
    SpawnPickup<TBonus1>(form, "bonus3", x, y);
    state.bonusKind = kRepairKind;
  }
  const int points = random(250);
  if (points == 9 && state.bonusKind == kNoBonus) {
    SpawnPickup<TBonus1>(form, "bonus4", x, y);
    state.bonusKind = kPoints;
  }
  const int rockets = random(100);
  if (rockets == 5 && state.rocketCount < 1) {
    SpawnPickup<TBonus1>(form, "rocet1", x, y);
    state.rocketCount = kRocketBonus;
  }
  const int first_cannon = FirstCannonRoll(random, state.levelNumber);
  if (first_cannon == 1 && state.weaponLevel != 2 && state.weaponLevel != 3) {
    SpawnPickup<TCannon1>(form, "cannon1", x, y);
  }
  const int second_cannon = SecondCannonRoll(random, state.levelNumber);
  if (second_cannon == 3 && state.weaponLevel == 2) {
    SpawnPickup<TCannon3>(form, "cannon3", x, y);
  }
}

void TBonus1::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  const GameState& state = FormOf(*this).State();
  if (state.screenState != kPlaying) Kill();
  Y += kFallSpeed;
  CheckHits();
  if (Y >= state.surfaceHeight) Kill();
}

void TBonus1::OnHit(TSprite& other, bool&) {
  if (!IsHero(other)) return;
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
  Kill();
  if (state.bonusKind == kExtraShip) {
    state.livesIndex += 1;
    CreateLifeIcon(form, state.livesIndex);
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
    CreateRocketPods(form);
    state.rocketCount = kRocketBonus - 1;
  }
}

void TCannon1::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  FallAsCannon(*this);
}

void TCannon1::OnHit(TSprite& other, bool&) {
  if (!IsHero(other)) return;
  TForm1& form = FormOf(*this);
  Kill();
  CreateCannonMount(form, TCannon::kIdleFrameSpeed);
  form.State().weaponLevel = 2;
}

void TCannon3::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  FallAsCannon(*this);
}

void TCannon3::OnHit(TSprite& other, bool&) {
  if (!IsHero(other)) return;
  TForm1& form = FormOf(*this);
  Kill();
  CreateLaserMount(form);
  form.State().weaponLevel = 3;
}

}  // namespace zephyrant
