#include "game/backgrounds.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr int kStarsDepth = -7;
constexpr int kCloudsDepth = -5;

void SetUpLayer(TBackgroundSprite& layer, const char* image, int depth) {
  layer.Image = &FormOf(layer).Images("Background").Item(image);
  layer.Width = layer.Image->Width();
  layer.Height = layer.Image->Height();
  layer.SetMapSize(1, 1);
  layer.SetCell(0, 0, 0);
  layer.Wrap = true;
  layer.Collidable = false;
  layer.SetZ(depth);
}

}  // namespace

TBackground1::TBackground1(TSprite* parent) : TBackgroundSprite(parent) {
  SetUpLayer(*this, "stars", kStarsDepth);
}

TBackground2::TBackground2(TSprite* parent) : TBackgroundSprite(parent) {
  SetUpLayer(*this, "clouds", kCloudsDepth);
}

void TBackground2::MoveStep(int) {
  Y += kDriftPerFrame;
}

}  // namespace zephyrant
