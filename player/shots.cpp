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

void TShell::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
  if (form.Input().Has(InputState::InputButton2)) Kill();
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

void TShell::OnHit(TSprite& other, bool&) {
  TForm1& form = FormOf(*this);
  GameState& state = form.State();
  if (IsBoss(other)) {
    SpawnExplosion<TExp_Shell>(form, "ExpShell", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    form.PlayShellSound("hero_shell_exp");
    Kill();
    state.bossHits += 1;
  } else if (IsSmallEnemy(other)) {
    SpawnExplosion<TExp_Shell>(form, "ExpShell", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    form.PlayShellSound("hero_shell_exp");
    state.shellHitFlag = 1;
    RollBonuses(form, X, Y + Height);
  }
}

void TRocet::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  const GameState& state = form.State();
  if (form.Input().Has(InputState::InputButton2)) Kill();
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

void TRocet::OnHit(TSprite& other, bool&) {
  TForm1& form = FormOf(*this);
  if (IsBoss(other)) {
    SpawnExplosion<TExp_Rocket>(form, "ExpRocket", X, Y - kImpactRise, 1, kImpactFrameSpeed);
    form.PlayShellSound("hero_rocet_exp");
    form.State().bossHits += kBossHits;
    Kill();
  } else if (IsSmallEnemy(other)) {
    SpawnExplosion<TExp_Rocket>(form, "ExpRocket", X, Y - kImpactRise, 0, kImpactFrameSpeed);
    form.PlayShellSound("hero_rocet_exp");
    hit_counter_ += 1;
  }
}

}  // namespace zephyrant
