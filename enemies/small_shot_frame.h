// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every small-enemy shot shares: its course, the checks before and after
// it moves, the ways it flies and what it does to the ship.

#include "framework/sprite.h"

namespace zephyrant {

// The course fields the firing enemy sets.
struct SmallShotCourse {
  int Aim = 0;        // flight direction in aim steps
  int Age = 0;        // steps flown so far (lasers)
  double DriftX = 0;  // sideways drift per step
  double DriftY = 0;  // downward drift per step
};

inline constexpr double kShotSpeed = 12;
inline constexpr double kHomingLaserSpeed = 10;
// A level's clearing sets boss hits to 500; a boss fight of 100 hits clears
// the small enemies' shots too.
inline constexpr int kShotClearingBossHits = 100;
// Homing shots steer at the middle of the ship, lasers at its nose.
inline constexpr double kHomingDx = 15;
inline constexpr double kHomingDy = 50;
inline constexpr double kLaserTargetDx = 15;
inline constexpr double kLaserTargetDy = 15;
// A laser rides along with its enemy this many steps, then darts.
inline constexpr int kLaserDriftSteps = 30;

inline constexpr double kShotDamage = 0.5;

inline constexpr double kShotHitSlow = 1.0 / 3;
inline constexpr double kShotHitMiddle = 0.5;
inline constexpr double kShotHitFast = 1.0;

// The end of play or a level's clearing removes the shot.
void CheckShotRemovals(RotatedSprite& shot);
// A shot whose position after the move is on or beyond an edge is gone.
void CheckShotLeftScreen(RotatedSprite& shot);

// The fly rule: 12 pixels along the aim, drawn pointing that way.
void Fly(RotatedSprite& shot, int aim);
// Moves `speed` pixels along the aim without turning the picture.
void MoveAlong(RotatedSprite& shot, int aim, double speed);
// The aim from the shot at a point of the ship; on that point the shot keeps
// `current`.
int AimFromShot(const RotatedSprite& shot, double dx, double dy, int current);

// The laser of levels 2 and 31: drifts with its enemy, takes one aim at the
// ship and flies straight on.
void DriftThenDart(RotatedSprite& shot, SmallShotCourse& course);

// On touching the ship: a small impact, its sound, half a point of damage;
// the shot is spent. Anything else is ignored.
void HitTheShip(RotatedSprite& shot, const Sprite& other, double impact_speed);

}  // namespace zephyrant
