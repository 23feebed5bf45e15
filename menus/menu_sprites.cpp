#include "menus/menu_sprites.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr int kDecorationCount = 7;
constexpr int kDecorationMargin = 5;
constexpr int kDecorationKinds = 4;
constexpr int kTitleY = 20;
constexpr int kMainMenuBaseY = 50;
// Row positions are worked out in extended precision and only then stored,
// so 30 x 3 x 1.4 + 50 lands on 176 exactly rather than a hair below it.
constexpr long double kRowSpacing = 1.4L;

}  // namespace

TCursor1::TCursor1(TSprite* parent) : TImageSprite(parent) {
  SetImage(FormOf(*this).Images("Menu").Item("cursor"));
  FrameLooped = true;
  FrameSpeed = kFrameSpeed;
}

void BuildMainMenu(TForm1& form) {
  GameState& state = form.State();
  const TDXImageList& menu = form.Images("Menu");
  const double column_x = state.surfaceWidth / 3.0 - menu.Item("logo").Width() / 2.0;
  for (int i = 0; i <= state.lastMainMenuItem; ++i) {
    TMenu& item = form.Engine().Spawn<TMenu>();
    item.SetImage(menu.Item(i));
    item.X = column_x;
    item.Y =
        i == 0 ? kTitleY : static_cast<double>(item.Height * (i * kRowSpacing) + kMainMenuBaseY);
    state.itemRequests[i] = 2;
  }
  state.menuColumnX = column_x;
}

void CreatePointer(TForm1& form) {
  TCursor1& pointer = form.Engine().Spawn<TCursor1>();
  pointer.X = form.State().surfaceWidth / 2;
  pointer.Y = form.State().surfaceHeight / 2;
}

void CreateDecorations(TForm1& form, double frame_speed) {
  GameState& state = form.State();
  const TDXImageList& images = form.Images("Menu_Img");
  for (int i = 0; i < kDecorationCount; ++i) {
    TMenu_Img& decoration = form.Engine().Spawn<TMenu_Img>();
    decoration.SetImage(images.Item(form.Random()(kDecorationKinds)));
    decoration.PixelExact = true;
    decoration.X = form.Random()(state.surfaceWidth - decoration.Width - kDecorationMargin) +
                   kDecorationMargin;
    decoration.Y = form.Random()(state.surfaceHeight);
    decoration.FrameCount = 9;
    decoration.FrameLooped = true;
    decoration.FrameSpeed = frame_speed;
  }
}

}  // namespace zephyrant
