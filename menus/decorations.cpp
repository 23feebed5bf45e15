// The decorations drifting over the menus and the sparks they burst into.
// Every random draw is a statement of its own: their order is the game's.

#include "game/main_window.h"
#include "menus/menu_sprites.h"

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

const PictureItem& RandomDecorationPicture(MainWindow& main_window) {
  const int kind = main_window.Random()(kDecorationKinds);
  return main_window.Images("Menu_Img").Item(kind);
}

MenuDecoration& SpawnDecoration(MainWindow& main_window, double frame_speed) {
  MenuDecoration& decoration = main_window.Engine().Spawn<MenuDecoration>();
  decoration.SetImage(RandomDecorationPicture(main_window));
  decoration.PixelExact = true;
  decoration.FrameCount = kDecorationFrames;
  decoration.FrameLooped = true;
  decoration.FrameSpeed = frame_speed;
  return decoration;
}

int RandomLeft(MainWindow& main_window, const MenuDecoration& decoration) {
  const int width = main_window.State().surfaceWidth - decoration.Width - kSideMargin;
  return main_window.Random()(width) + kSideMargin;
}

}  // namespace

void MenuDecoration::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  const GameState& state = main_window.State();
  if (SpeedX == 0 || SpeedY == 0) {
    SpeedX = main_window.Random()(3);
    SpeedX -= main_window.Random()(3);
    SpeedY = main_window.Random()(3);
  }
  X += SpeedX;
  Y += SpeedY;
  if (X > state.surfaceWidth - Width - kSideMargin) SpeedX = -main_window.Random()(5);
  if (X < kSideMargin) SpeedX = main_window.Random()(5);
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
  MainWindow& main_window = WindowOf(*this);
  for (int i = 0; i < kSparkCount; ++i) {
    DecorationSpark& spark = main_window.Engine().Spawn<DecorationSpark>();
    spark.SetImage(RandomDecorationPicture(main_window));
    spark.X = X + Width / 2.0;
    spark.Y = Y + Height / 2.0;
    spark.FrameCount = kDecorationFrames;
    spark.FrameLooped = false;
    spark.FrameSpeed = kSparkFrameSpeed;
    main_window.Sounds("EffectSounds").Item("little_shell").Play();
  }
  Kill();
  MenuDecoration& replacement = SpawnDecoration(main_window, kDecorationFrameSpeed);
  replacement.X = RandomLeft(main_window, replacement);
  replacement.Y = -replacement.Width;
}

void DecorationSpark::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  MainWindow& main_window = WindowOf(*this);
  const GameState& state = main_window.State();
  if (SpeedX == 0 && SpeedY == 0) {
    SpeedX = main_window.Random()(kSparkSpread);
    SpeedX -= main_window.Random()(kSparkSpread);
    SpeedY = main_window.Random()(kSparkSpread);
    SpeedY -= main_window.Random()(kSparkSpread);
  }
  X += SpeedX;
  Y += SpeedY;
  ++Age;
  if (Age >= kSparkLifetime || Y <= 0 || Y >= state.surfaceHeight || X <= kSparkEdge ||
      X >= state.surfaceWidth - kSparkEdge || state.screenState == kPlaying) {
    Kill();
  }
}

void CreateDecorations(MainWindow& main_window, double frame_speed) {
  const GameState& state = main_window.State();
  for (int i = 0; i < kDecorationCount; ++i) {
    MenuDecoration& decoration = SpawnDecoration(main_window, frame_speed);
    decoration.X = RandomLeft(main_window, decoration);
    decoration.Y = main_window.Random()(state.surfaceHeight);
  }
}

}  // namespace zephyrant
