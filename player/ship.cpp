// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/ship.h"

#include <algorithm>
#include <cmath>

#include "common/banners.h"
#include "common/explosions.h"
#include "player/display.h"
#include "player/mounts.h"
#include "player/shots.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kLastLevel = 35;
constexpr int kClearingBossHits = 500;
constexpr double kBaseSpeed = 2;
constexpr double kSpeedDivisor = 50;
constexpr int kPlayfieldBottomMargin = 12;  // the lowest the ship may be steered
constexpr int kEntryLine = 10;              // the ship steers once above this margin
constexpr double kExplosionFrameSpeed = 1.0 / 3.0;
constexpr double kFlameFrameSpeed = 1.0 / 3.0;
constexpr double kFlameStartOffsetX = 15;
constexpr double kFlameStartOffsetY = 20;
constexpr double kLeftFlameX = 5;
constexpr double kRightFlameX = 36;
constexpr double kFlameY = 72;
constexpr double kCannonLeftX = 7;
constexpr double kCannonRightX = 30;
constexpr double kLaserRise = 37;
constexpr double kRocketOffsetX = -5;
constexpr double kRocketOffsetY = 10;

const ImageList& ShellPictures(GameWorld& world) {
  return world.Images(Holder::kShip, "ListShell");
}

template <class Flame>
void CreateFlame(GameWorld& world, double x, double y) {
  Flame& flame = world.Engine().Spawn<Flame>();
  flame.SetImage(world.Images(Holder::kShip, "Hero").Item("flame"));
  flame.X = x;
  flame.Y = y;
  flame.FrameLooped = true;
  flame.FrameSpeed = kFlameFrameSpeed;
}

// Flames go with the ship, and also while the abort state is held.
void FollowShip(ImageSprite& flame, double offset_x) {
  GameWorld& world = WorldOf(flame);
  const GameState& state = world.State();
  if (world.Input().Has(InputState::InputButton2)) flame.Kill();
  if (state.heroDamage >= Ship::kDestroyingDamage || state.livesIndex < 0) flame.Kill();
  if (state.screenState != kPlaying) flame.Kill();
  flame.X = state.heroX + offset_x;
  flame.Y = state.heroY + kFlameY;
}

}  // namespace

void CreateShip(GameWorld& world) {
  GameState& state = world.State();
  Ship& hero = world.Engine().Spawn<Ship>();
  hero.SetImage(world.Images(Holder::kShip, "Hero").Item("hero"));
  hero.X = state.surfaceWidth / 2;
  hero.Y = state.surfaceHeight;
  state.heroX = hero.X;
  state.heroY = hero.Y;
  CreateFlame<LeftFlame>(world, hero.X - kFlameStartOffsetX, hero.Y - kFlameStartOffsetY);
  CreateFlame<RightFlame>(world, hero.X + kFlameStartOffsetX, hero.Y - kFlameStartOffsetY);
}

void Ship::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  if (WorldOf(*this).State().screenState != kPlaying) Kill();
  CheckLevelEnd();
  CheckGameWon();
  PutOutCompleteBanner();
  CheckDestroyed();
  CheckGameOver();
  Steer();
  Climb();
  Glide();
  Fire();
  fire_clock_ += kFireClockStep;
  GameState& state = WorldOf(*this).State();
  state.heroX = X;
  state.heroY = Y;
  CheckHits();
}

void Ship::CheckLevelEnd() {
  GameState& state = WorldOf(*this).State();
  if (state.enemiesGone < state.levelQuota + 1) return;
  state.levelPhase = 1;
  state.levelNumber += 1;
  state.enemiesGone = 0;
  state.bossHits = kClearingBossHits;
}

void Ship::CheckGameWon() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (state.levelNumber != kLastLevel + 1) return;
  // A game left with Escape lets the last boss fall all the same; that is
  // no win, and the table is already open for it.
  if (state.screenState != kPlaying) return;
  state.levelNumber = 1;
  state.bossHits = kClearingBossHits;
  state.heroDamage = 0;
  world.OpenTableAfterGame(GameEnding::kWon);
}

void Ship::PutOutCompleteBanner() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (state.levelPhase != 1) return;
  state.levelPhase = 2;
  const PictureItem& complete = world.Images("Start").Item("complete");
  LevelBanner& banner = world.Engine().Spawn<LevelBanner>();
  banner.SetImage(complete);
  banner.X = state.surfaceWidth / 2 - complete.Width() / 2.0;
  banner.Y = -complete.Height();
}

void Ship::CheckDestroyed() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (state.heroDamage < kDestroyingDamage) return;
  SpawnExplosion<Explosion>(world, "Exp", X, Y - Height, 1, kExplosionFrameSpeed);
  world.PlayEffectSound("hero_dead_exp");
  KillLifeIcon(world, state.livesIndex);
  state.livesIndex -= 1;
  state.heroDamage = 0;
  Kill();
  if (state.livesIndex >= 0) CreateShip(world);
  // The weapon survives one step lower; the double cannon goes back on.
  state.weaponLevel -= 1;
  if (state.weaponLevel == 2) CreateCannonMount(world, CannonMount::kIdleFrameSpeed);
  if (state.weaponLevel < 1) state.weaponLevel = 1;
}

void Ship::CheckGameOver() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  if (state.livesIndex >= 0) return;
  const PictureItem& over = world.Images("Start").Item("ower");
  GameOverBanner& banner = world.Engine().Spawn<GameOverBanner>();
  banner.SetImage(over);
  banner.X = state.surfaceWidth / 2 - over.Width() / 2.0;
  banner.Y = -over.Height();
  state.gameOverPhase = 1;
  Kill();
}

void Ship::Steer() {
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  const int width = state.surfaceWidth;
  const int height = state.surfaceHeight;
  // A ship still climbing in cannot be steered.
  if (Y >= height - Height - kEntryLine) return;
  const InputDevices& input = world.Input();
  const double speed = kBaseSpeed + state.speedSetting / kSpeedDivisor;
  if (input.Has(InputState::InputLeft)) speed_x_ = -speed;
  if (input.Has(InputState::InputRight)) speed_x_ = speed;
  if (input.Has(InputState::InputUp)) speed_y_ = -speed;
  if (input.Has(InputState::InputDown)) speed_y_ = speed;
  // The pointer lives in surface pixels, so the window's own corner is the origin.
  Display& display = world.Services().display;
  Point cursor = display.PointerPosition();
  cursor.x = std::clamp(cursor.x, 0, std::max(0, width - Width));
  cursor.y = std::clamp(cursor.y, 0, std::max(0, height - Height - kPlayfieldBottomMargin));
  if (input.MouseDx() != 0 || input.MouseDy() != 0) {
    X = cursor.x;
    Y = cursor.y;
  }
  X += speed_x_;
  Y += speed_y_;
  if (Y >= height - Height - kPlayfieldBottomMargin) Y = height - Height - kPlayfieldBottomMargin;
  if (X >= width - Width) X = width - Width;
  if (Y <= 0) Y = 1;
  if (X <= 0) X = 1;
  display.WarpPointer(static_cast<int>(std::nearbyint(X)), static_cast<int>(std::nearbyint(Y)));
}

void Ship::Climb() {
  const GameState& state = WorldOf(*this).State();
  if (Y >= state.surfaceHeight - Height - kEntryLine) Y -= kEntryClimb;
}

void Ship::Glide() {
  const InputDevices& input = WorldOf(*this).Input();
  if (input.MouseDx() == 0) speed_x_ /= 2;
  if (input.MouseDy() == 0) speed_y_ /= 2;
}

void Ship::Fire() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  const InputDevices& input = world.Input();
  if ((input.Has(InputState::InputButton3) || state.mouseButton == 1) &&
      fire_clock_ - last_shot_clock_ >= kFireGap) {
    FireVolley();
    last_shot_clock_ = fire_clock_;
  }
  // One clock for both weapons: a volley in this step holds the rockets back.
  if ((input.Has(InputState::InputButton4) || state.mouseButton == 2) &&
      fire_clock_ - last_shot_clock_ >= kFireGap && state.rocketCount >= 1) {
    FireRockets();
    last_shot_clock_ = fire_clock_;
    state.rocketCount -= 1;
  }
}

void Ship::FireVolley() {
  GameWorld& world = WorldOf(*this);
  GameState& state = world.State();
  const ImageList& pictures = ShellPictures(world);
  auto shell_at = [&](const PictureItem& picture, double x, double y) -> ShipShell& {
    ShipShell& shell = world.Engine().Spawn<ShipShell>();
    shell.SetImage(picture);
    shell.X = x;
    shell.Y = y;
    return shell;
  };
  switch (state.weaponLevel) {
    case 1: {
      const PictureItem& picture = pictures.Item("shell");
      ShipShell& shell = shell_at(picture, X + Width / 2.0 - picture.Width() / 2.0, Y);
      shell.PixelExact = true;
      world.PlayEffectSound("hero_shell");
      break;
    }
    case 2: {
      const PictureItem& picture = pictures.Item("shell");
      state.cannonFired = 1;
      shell_at(picture, X + kCannonLeftX, Y);
      world.PlayEffectSound("hero_shell");
      shell_at(picture, X + kCannonRightX, Y);
      world.PlayEffectSound("hero_shell");
      break;
    }
    case 3: {
      // Three laser bolts in a column above the nose.
      const PictureItem& picture = pictures.Item("shell_can");
      for (int i = 0; i < 3; ++i) {
        ShipShell& bolt = shell_at(picture, X + Width / 2.0 - picture.Width() / 2.0,
                                   Y - kLaserRise - 3 * i * picture.Height());
        bolt.FrameLooped = true;
        bolt.FrameSpeed = 5;
        world.PlayEffectSound("hero_lazer");
      }
      break;
    }
    default:
      break;
  }
}

void Ship::FireRockets() {
  GameWorld& world = WorldOf(*this);
  const PictureItem& picture = ShellPictures(world).Item("rocet");
  for (double x : {X + kRocketOffsetX, X + Width + kRocketOffsetX}) {
    Rocket& rocket = world.Engine().Spawn<Rocket>();
    rocket.SetImage(picture);
    rocket.X = x;
    rocket.Y = Y + kRocketOffsetY;
    rocket.FrameLooped = true;
    rocket.FrameSpeed = 1;
    world.PlayEffectSound("hero_rocet");
  }
}

void LeftFlame::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  FollowShip(*this, kLeftFlameX);
}

void RightFlame::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  FollowShip(*this, kRightFlameX);
}

}  // namespace zephyrant
