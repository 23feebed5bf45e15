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

const TPictureItem& RandomDecorationPicture(TForm1& form) {
  const int kind = form.Random()(kDecorationKinds);
  return form.Images("Menu_Img").Item(kind);
}

TMenu_Img& SpawnDecoration(TForm1& form, double frame_speed) {
  TMenu_Img& decoration = form.Engine().Spawn<TMenu_Img>();
  decoration.SetImage(RandomDecorationPicture(form));
  decoration.PixelExact = true;
  decoration.FrameCount = kDecorationFrames;
  decoration.FrameLooped = true;
  decoration.FrameSpeed = frame_speed;
  return decoration;
}

int RandomLeft(TForm1& form, const TMenu_Img& decoration) {
  const int width = form.State().surfaceWidth - decoration.Width - kSideMargin;
  return form.Random()(width) + kSideMargin;
}

}  // namespace

void TMenu_Img::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  const GameState& state = form.State();
  if (SpeedX == 0 || SpeedY == 0) {
    SpeedX = form.Random()(3);
    SpeedX -= form.Random()(3);
    SpeedY = form.Random()(3);
  }
  X += SpeedX;
  Y += SpeedY;
  if (X > state.surfaceWidth - Width - kSideMargin) SpeedX = -form.Random()(5);
  if (X < kSideMargin) SpeedX = form.Random()(5);
  if (Y >= state.surfaceHeight - Height - kBottomMargin) Burst();
  if (state.screenState == kPlaying) Kill();
  CheckHits();
}

void TMenu_Img::OnHit(TSprite& other, bool&) {
  if (dynamic_cast<TCursor1*>(&other) != nullptr) Burst();
}

// Ten sparks fly from the middle, and a new decoration comes in at the top,
// so there are always seven.
void TMenu_Img::Burst() {
  if (Killed()) return;
  TForm1& form = FormOf(*this);
  for (int i = 0; i < kSparkCount; ++i) {
    TMenu_Img_1& spark = form.Engine().Spawn<TMenu_Img_1>();
    spark.SetImage(RandomDecorationPicture(form));
    spark.X = X + Width / 2.0;
    spark.Y = Y + Height / 2.0;
    spark.FrameCount = kDecorationFrames;
    spark.FrameLooped = false;
    spark.FrameSpeed = kSparkFrameSpeed;
    form.Waves("DXWaveShell").Item("little_shell").Play();
  }
  Kill();
  TMenu_Img& replacement = SpawnDecoration(form, kDecorationFrameSpeed);
  replacement.X = RandomLeft(form, replacement);
  replacement.Y = -replacement.Width;
}

void TMenu_Img_1::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  TForm1& form = FormOf(*this);
  const GameState& state = form.State();
  if (SpeedX == 0 && SpeedY == 0) {
    SpeedX = form.Random()(kSparkSpread);
    SpeedX -= form.Random()(kSparkSpread);
    SpeedY = form.Random()(kSparkSpread);
    SpeedY -= form.Random()(kSparkSpread);
  }
  X += SpeedX;
  Y += SpeedY;
  ++Age;
  if (Age >= kSparkLifetime || Y <= 0 || Y >= state.surfaceHeight || X <= kSparkEdge ||
      X >= state.surfaceWidth - kSparkEdge || state.screenState == kPlaying) {
    Kill();
  }
}

void CreateDecorations(TForm1& form, double frame_speed) {
  const GameState& state = form.State();
  for (int i = 0; i < kDecorationCount; ++i) {
    TMenu_Img& decoration = SpawnDecoration(form, frame_speed);
    decoration.X = RandomLeft(form, decoration);
    decoration.Y = form.Random()(state.surfaceHeight);
  }
}

}  // namespace zephyrant
