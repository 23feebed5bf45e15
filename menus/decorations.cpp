// SPDX-License-Identifier: GPL-3.0-or-later
// The decorations drifting over the menus and the sparks they burst into.
// Every random draw is a statement of its own: their order is the game's.

#include "menus/menu_sprites.h"
#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kDecorationCount = 7;
constexpr int kDecorationKinds = 4;
constexpr int kDecorationFrames = 9;
constexpr double kDecorationFrameSpeed = 1.0;
constexpr int kSideMargin = 5;
constexpr int kBottomMargin = 10;
constexpr int kSparkCount = 10;
constexpr double kSparkFrameSpeed = 1.0 / 3.0;
constexpr int kSparkSpread = 25;
constexpr int kSparkLifetime = 30;
constexpr int kSparkEdge = 10;

const PictureItem& RandomDecorationPicture(GameWorld& world) {
  const int kind = world.Random()(kDecorationKinds);
  return world.Images("Menu_Img").Item(kind);
}

MenuDecoration& SpawnDecoration(GameWorld& world, double frame_speed) {
  MenuDecoration& decoration = world.Engine().Spawn<MenuDecoration>();
  decoration.SetImage(RandomDecorationPicture(world));
  decoration.PixelExact = true;
  decoration.FrameCount = kDecorationFrames;
  decoration.FrameLooped = true;
  decoration.FrameSpeed = frame_speed;
  return decoration;
}

int RandomLeft(GameWorld& world, const MenuDecoration& decoration) {
  const int width = world.State().surfaceWidth - decoration.Width - kSideMargin;
  return world.Random()(width) + kSideMargin;
}

}  // namespace

void MenuDecoration::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  if (SpeedX == 0 || SpeedY == 0) {
    SpeedX = world.Random()(3);
    SpeedX -= world.Random()(3);
    SpeedY = world.Random()(3);
  }
  X += SpeedX;
  Y += SpeedY;
  if (X > state.surfaceWidth - Width - kSideMargin) SpeedX = -world.Random()(5);
  if (X < kSideMargin) SpeedX = world.Random()(5);
  if (Y >= state.surfaceHeight - Height - kBottomMargin) Burst();
  if (state.screenState == kPlaying) Kill();
  CheckHits();
}

void MenuDecoration::OnHit(Sprite& other, bool&) {
  if (dynamic_cast<MenuPointer*>(&other) != nullptr) Burst();
}

// Ten sparks fly from the middle, and a new decoration comes in at the top,
// so there are always seven.
void MenuDecoration::Burst() {
  if (Killed()) return;
  GameWorld& world = WorldOf(*this);
  for (int i = 0; i < kSparkCount; ++i) {
    DecorationSpark& spark = world.Engine().Spawn<DecorationSpark>();
    spark.SetImage(RandomDecorationPicture(world));
    spark.X = X + Width / 2.0;
    spark.Y = Y + Height / 2.0;
    spark.FrameCount = kDecorationFrames;
    spark.FrameLooped = false;
    spark.FrameSpeed = kSparkFrameSpeed;
    world.Sounds("EffectSounds").Item("little_shell").Play();
  }
  Kill();
  MenuDecoration& replacement = SpawnDecoration(world, kDecorationFrameSpeed);
  replacement.X = RandomLeft(world, replacement);
  replacement.Y = -replacement.Width;
}

void DecorationSpark::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  GameWorld& world = WorldOf(*this);
  const GameState& state = world.State();
  if (SpeedX == 0 && SpeedY == 0) {
    SpeedX = world.Random()(kSparkSpread);
    SpeedX -= world.Random()(kSparkSpread);
    SpeedY = world.Random()(kSparkSpread);
    SpeedY -= world.Random()(kSparkSpread);
  }
  X += SpeedX;
  Y += SpeedY;
  ++Age;
  if (Age >= kSparkLifetime || Y <= 0 || Y >= state.surfaceHeight || X <= kSparkEdge ||
      X >= state.surfaceWidth - kSparkEdge || state.screenState == kPlaying) {
    Kill();
  }
}

void CreateDecorations(GameWorld& world, double frame_speed) {
  const GameState& state = world.State();
  for (int i = 0; i < kDecorationCount; ++i) {
    MenuDecoration& decoration = SpawnDecoration(world, frame_speed);
    decoration.X = RandomLeft(world, decoration);
    decoration.Y = world.Random()(state.surfaceHeight);
  }
}

}  // namespace zephyrant
