#include "player/explosions.h"

#include "game/main_window.h"

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

void TExp_Shell::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  if (Expired(steps_, kLifetime)) Kill();
}

void TExp_Rocket::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  if (Expired(steps_, kLifetime)) Kill();
}

void TExp_0::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  int& counter = FormOf(*this).State().explosionCounter;
  counter += 1;
  if (counter >= kCounterLimit) {
    counter = 0;
    Kill();
  }
}

template <class T>
T& SpawnExplosion(TForm1& form, std::string_view image, double x, double y, int z,
                  double frame_speed) {
  T& explosion = form.Engine().Spawn<T>();
  explosion.SetImage(form.Images(Holder::kExplosion, "Explosion").Item(image));
  explosion.X = x;
  explosion.Y = y;
  explosion.SetZ(z);
  explosion.FrameLooped = false;
  explosion.FrameSpeed = frame_speed;
  return explosion;
}

template TExp_Shell& SpawnExplosion<TExp_Shell>(TForm1&, std::string_view, double, double, int,
                                                double);
template TExp_Rocket& SpawnExplosion<TExp_Rocket>(TForm1&, std::string_view, double, double, int,
                                                  double);
template TExp_0& SpawnExplosion<TExp_0>(TForm1&, std::string_view, double, double, int, double);

}  // namespace zephyrant
