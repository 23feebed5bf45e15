// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every small enemy shares: the checks before it moves, its fire clock,
// the way it fires a shot, and what happens when it is destroyed.

#include <string_view>

#include "enemies/aim.h"
#include "framework/sprite.h"
#include "framework/surface.h"
#include "world/game_world.h"
#include "world/sprite_kinds.h"

namespace zephyrant {

// The surface the flight patterns are laid out on, for their arithmetic.
inline constexpr double kFieldWidth = kSurfaceWidth;
inline constexpr double kFieldHeight = kSurfaceHeight;

// The fire clock runs 5 units a step whatever the frame lag. The long gap is
// the surface height in clock units (120 steps), the short one 50 steps.
inline constexpr int kShotClockStep = 5;
inline constexpr int kLongShotGap = kSurfaceHeight;
inline constexpr int kShortShotGap = 250;

// A level's clearing (boss hits 500), and game over or Esc, show up as boss
// hits of 5 or more while small enemies are still about.
inline constexpr int kClearingBossHits = 5;

inline constexpr int kKillScore = 10;
inline constexpr double kRamDamage = 0.5;

// Small-enemy shots start straight down; 64 aim steps are about a quarter turn.
inline constexpr int kStraightDown = 64;
// Aimed shots go for a point well inside the ship, not its corner.
inline constexpr double kShipAimDx = 15;
inline constexpr double kShipAimDy = 50;

inline constexpr double kLittleFrameSpeed = 0.5;
inline constexpr double kBigFrameSpeed = 1.0 / 3;

// ShotClock and LastShot: an enemy fires only when its own clock has run at
// least a gap since its own last shot.
class ShotTimer {
 public:
  bool Ready(int gap) const { return shot_clock_ - last_shot_ >= gap; }
  void Fired() { last_shot_ = shot_clock_; }
  void Tick() { shot_clock_ += kShotClockStep; }
  int ShotClock() const { return shot_clock_; }

 private:
  int shot_clock_ = 0;
  int last_shot_ = 0;
};

// How a family differs in the checks before the move.
struct SmallEnemyFrame {
  int bottom_exit_heights;   // leaves for good this many heights below the surface
  double explosion_speed;    // of the large explosion on death
  const char* clearing_exp;  // the explosion picture when the level clears it
};

// The end of play removes the enemy without a trace; the level's clearing
// blows it up without score; below the bottom it has gone for good. Each only
// marks the enemy, which still finishes its step.
void CheckFrameRemovals(ImageSprite& enemy, const SmallEnemyFrame& frame);

// In the sweeping levels the first enemy to slip two heights past the bottom
// ends the level, and the level's clearing takes the rest of the wave.
void EndLevelBelowBottom(ImageSprite& enemy);

// A horizontal bar runs across and back, dropping a row at each turn beyond
// either edge.
void RunBarAcross(ImageSprite& bar, double& speed_x, double speed, double row_drop);

// The large explosion where the enemy stands, and its sound.
void Explode(ImageSprite& enemy, std::string_view picture, double frame_speed);

// The three ways the player destroys a small enemy, each worth a kill.
// A rocket leaves its own explosion, so the enemy makes none.
void ShotDown(ImageSprite& enemy, double explosion_speed);
void BlownUpByRocket(ImageSprite& enemy);
void RamsTheShip(ImageSprite& enemy, double explosion_speed);

// The touch of the families that count whole shell hits: a shell adds one
// and the one past `hits_survived` destroys; a rocket or the ship destroys at
// once. A destroyed enemy counts for nothing more, even when a second shot
// or the ship touches it in the same step.
void CountWholeHits(ImageSprite& enemy, Sprite& other, int& hit_count, int hits_survived,
                    double explosion_speed);

// The aim from (x, y) at the ship. A shot that starts on that point has no
// direction to take and falls straight down.
int AimAtShip(const GameState& state, double x, double y);

// A shot of the small enemies' shot list, pixel exact, with its sound.
template <class Shot>
Shot& FireShot(ImageSprite& enemy, int picture, double x, double y, std::string_view sound) {
  GameWorld& world = WorldOf(enemy);
  Shot& shot = world.Engine().Spawn<Shot>();
  shot.SetImage(world.Images(Holder::kEnemy, "LittleShell").Item(picture));
  shot.X = x;
  shot.Y = y;
  shot.PixelExact = true;
  if (!sound.empty()) world.PlayEffectSound(sound);
  return shot;
}

// A shot falling straight down, or aimed at the ship from where it starts.
template <class Shot>
Shot& FireDownOrAimed(ImageSprite& enemy, int picture, double x, double y, bool aimed) {
  Shot& shot = FireShot<Shot>(enemy, picture, x, y, "little_shell");
  shot.Aim = aimed ? AimAtShip(WorldOf(enemy).State(), x, y) : kStraightDown;
  return shot;
}

}  // namespace zephyrant
