// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every boss shot shares: its launch, the checks before and after it
// moves, homing and charged-laser flight, and what it does to the ship.

#include <string_view>

#include "framework/sprite.h"
#include "world/game_world.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// A boss shot's picture, from the boss holder's shot list.
const PictureItem& BossShotPicture(GameWorld& world, std::string_view name);
// One of the 10 x 10 pellets sh0.. by index.
const PictureItem& PelletPicture(GameWorld& world, int index);

// A new shot at (x, y) with the picture's size and frames; the boss sets
// the animation and the course.
template <class T>
T& LaunchBossShot(GameWorld& world, const PictureItem& picture, double x, double y) {
  T& shot = world.Engine().Spawn<T>();
  shot.SetImage(picture);
  shot.X = x;
  shot.Y = y;
  return shot;
}

// What a shot leaves on the ship: an impact from the explosion list, its
// sound, and the damage (the ship goes at 10).
struct ShipStrike {
  std::string_view explosion;
  double frameSpeed;
  std::string_view sound;
  double damage;
};

inline constexpr double kSlowImpact = 1.0 / 3;
inline constexpr double kQuickImpact = 0.5;

// A shot goes when play stops or once its boss has fallen: the hit count
// stays at or above the boss's threshold until the next level starts.
void GoWithBoss(ImageSprite& shot, int threshold);
// Off the surface, by the top-left corner.
void GoOffSurface(ImageSprite& shot);

// The impact at (x, y), its sound, the damage, and the shot is spent.
void StrikeShip(ImageSprite& shot, const ShipStrike& strike, double x, double y);
inline void StrikeShip(ImageSprite& shot, const ShipStrike& strike) {
  StrikeShip(shot, strike, shot.X, shot.Y);
}

// `speed` pixels along the aim.
void FlyAlong(ImageSprite& shot, int aim, double speed);

// One step of a homing rocket: turn toward the middle of the ship and fly
// `speed` pixels. Aims never point up, so a rocket below the ship slides
// sideways under it instead of climbing.
void HomeOnShip(RotatedSprite& rocket, int& aim, double speed);

// A laser that sits on the boss while it charges, takes its aim at the ship
// shortly before, and then flies straight.
struct ChargedLaser {
  double anchorX;  // where it sits, from the boss's corner
  double anchorY;
  double speed;
  std::string_view chargedSound;  // empty: none
};
// The whole move step after the animation advance.
void ChargedLaserStep(RotatedSprite& laser, int& aim, int& age, const ChargedLaser& rules,
                      int threshold);

}  // namespace zephyrant
