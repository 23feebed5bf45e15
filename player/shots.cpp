#include "player/shots.h"

#include "enemies/enemy_kinds.h"
#include "game/main_window.h"
#include "player/explosions.h"
#include "player/pickups.h"

namespace zephyrant {

namespace {

constexpr double kShellClimb = 9;
constexpr double kLaserClimb = 10;
constexpr double kRocketClimb = 15;
constexpr double kSpeedDivisor = 50;
constexpr double kImpactRise = 20;  // impacts stand this far above the shot
constexpr double kImpactFrameSpeed = 0.5;

}  // namespace

void ShipShell::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  GameState& state = main_window.State();
  if (main_window.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  // Every shell in flight climbs at the current weapon level's speed.
  const double climb = state.weaponLevel == 3 ? kLaserClimb : kShellClimb;
  Y -= climb + state.speedSetting / kSpeedDivisor;
  if (Y <= 0) Kill();
  if (Y >= state.surfaceHeight) Kill();
  // One flag for all shells: whichever moves next after a hit goes.
  if (state.shellHitFlag == 1) {
    Kill();
    state.shellHitFlag = 0;
  }
  CheckHits();
}

void ShipShell::OnHit(Sprite& other, bool&) {
  MainWindow& main_window = WindowOf(*this);
  GameState& state = main_window.State();
  if (IsBoss(other)) {
    SpawnExplosion<ShellImpact>(main_window, "ExpShell", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    main_window.PlayEffectSound("hero_shell_exp");
    Kill();
    state.bossHits += 1;
  } else if (IsSmallEnemy(other)) {
    SpawnExplosion<ShellImpact>(main_window, "ExpShell", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    main_window.PlayEffectSound("hero_shell_exp");
    state.shellHitFlag = 1;
    RollBonuses(main_window, X, Y + Height);
  }
}

void Rocket::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  const GameState& state = main_window.State();
  if (main_window.Input().Has(InputState::InputButton2)) Kill();
  if (state.screenState != kPlaying) Kill();
  Y -= kRocketClimb + state.speedSetting / kSpeedDivisor;
  // The tick after its first small enemy, the rocket is spent.
  if (hit_counter_ > 0) {
    hit_counter_ += 1;
    if (hit_counter_ >= 2) Kill();
  }
  if (Y <= 0) Kill();
  if (Y >= state.surfaceHeight) Kill();
  CheckHits();
}

void Rocket::OnHit(Sprite& other, bool&) {
  MainWindow& main_window = WindowOf(*this);
  if (IsBoss(other)) {
    SpawnExplosion<RocketImpact>(main_window, "ExpRocket", X, Y - kImpactRise, 1,
                                 kImpactFrameSpeed);
    main_window.PlayEffectSound("hero_rocet_exp");
    main_window.State().bossHits += kBossHits;
    Kill();
  } else if (IsSmallEnemy(other)) {
    SpawnExplosion<RocketImpact>(main_window, "ExpRocket", X, Y - kImpactRise, 0,
                                 kImpactFrameSpeed);
    main_window.PlayEffectSound("hero_rocet_exp");
    hit_counter_ += 1;
  }
}

}  // namespace zephyrant
