// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/backgrounds.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr int kStarsDepth = -7;
constexpr int kCloudsDepth = -5;

void SetUpLayer(BackgroundSprite& layer, const char* image, int depth) {
  layer.Image = &WorldOf(layer).Images("Background").Item(image);
  layer.Width = layer.Image->Width();
  layer.Height = layer.Image->Height();
  layer.SetMapSize(1, 1);
  layer.SetCell(0, 0, 0);
  layer.Wrap = true;
  layer.Collidable = false;
  layer.SetZ(depth);
}

}  // namespace

StarField::StarField(Sprite* parent) : BackgroundSprite(parent) {
  SetUpLayer(*this, "stars", kStarsDepth);
}

CloudLayer::CloudLayer(Sprite* parent) : BackgroundSprite(parent) {
  SetUpLayer(*this, "clouds", kCloudsDepth);
}

void CloudLayer::MoveStep(int) {
  Y += kDriftPerFrame;
}

}  // namespace zephyrant
