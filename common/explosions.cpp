// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/explosions.h"

#include "world/game_world.h"

namespace zephyrant {

namespace {

// The lifetime of the small explosions counts steps, not frames shown: a
// lagging tick runs the animation faster, never the clock.
bool Expired(int& steps, int lifetime) {
  ++steps;
  if (steps < lifetime) return false;
  steps = 0;
  return true;
}

}  // namespace

void ShellImpact::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  if (Expired(steps_, kLifetime)) Kill();
}

void RocketImpact::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  if (Expired(steps_, kLifetime)) Kill();
}

void Explosion::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  int& counter = WorldOf(*this).State().explosionCounter;
  counter += 1;
  if (counter >= kCounterLimit) {
    counter = 0;
    Kill();
  }
}

template <class T>
T& SpawnExplosion(GameWorld& world, std::string_view image, double x, double y, int z,
                  double frame_speed) {
  T& explosion = world.Engine().Spawn<T>();
  explosion.SetImage(world.Images(Holder::kExplosion, "Explosion").Item(image));
  explosion.X = x;
  explosion.Y = y;
  explosion.SetZ(z);
  explosion.FrameLooped = false;
  explosion.FrameSpeed = frame_speed;
  return explosion;
}

template ShellImpact& SpawnExplosion<ShellImpact>(GameWorld&, std::string_view, double, double, int,
                                                  double);
template RocketImpact& SpawnExplosion<RocketImpact>(GameWorld&, std::string_view, double, double,
                                                    int, double);
template Explosion& SpawnExplosion<Explosion>(GameWorld&, std::string_view, double, double, int,
                                              double);

}  // namespace zephyrant
