// SPDX-License-Identifier: GPL-3.0-or-later
#include "player/display.h"

#include "world/game_world.h"

namespace zephyrant {

namespace {

constexpr int kLabelMargin = 5;
constexpr int kScoreLabelGap = 50;
constexpr int kIconGap = 25;  // between the icon row and the bottom edge, over the icon's height

// Labels go while the abort input is held too, for the rest of the game.
void RemoveLabelWhenDone(ImageSprite& label) {
  GameWorld& world = WorldOf(label);
  if (world.Input().Has(InputState::InputButton2)) label.Kill();
  if (world.State().screenState != kPlaying) label.Kill();
}

}  // namespace

void HealthLabel::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  RemoveLabelWhenDone(*this);
}

void ScoreLabel::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  RemoveLabelWhenDone(*this);
}

void LifeIcon::MoveStep(int move_count) {
  ImageSprite::MoveStep(move_count);
  if (WorldOf(*this).State().screenState != kPlaying) Kill();
}

void CreateHealthAndScoreLabels(GameWorld& world) {
  const GameState& state = world.State();
  const ImageList& start = world.Images("Start");
  const PictureItem& live_image = start.Item("live");
  HealthLabel& live = world.Engine().Spawn<HealthLabel>();
  live.SetImage(live_image);
  live.X = kLabelMargin;
  live.Y = state.surfaceHeight - live_image.Height() - kLabelMargin;
  live.SetZ(-1);

  const PictureItem& scores_image = start.Item("scores");
  ScoreLabel& score = world.Engine().Spawn<ScoreLabel>();
  score.SetImage(scores_image);
  score.X = scores_image.Width() + kScoreLabelGap;
  score.Y = live.Y;
  score.SetZ(-1);
}

void CreateLifeIcon(GameWorld& world, int index) {
  GameState& state = world.State();
  const PictureItem& image = world.Images(Holder::kShip, "ListBonus").Item("bonus1");
  LifeIcon& icon = world.Engine().Spawn<LifeIcon>();
  icon.SetImage(image);
  icon.X = index * image.Width() + kLabelMargin;
  icon.Y = state.surfaceHeight - image.Height() - kIconGap;
  icon.SetZ(-1);
  if (index < 0) return;
  if (state.lifeIcons.size() <= static_cast<size_t>(index)) state.lifeIcons.resize(index + 1);
  state.lifeIcons[index] = icon.Serial();
}

void KillLifeIcon(GameWorld& world, int index) {
  GameState& state = world.State();
  if (index < 0 || static_cast<size_t>(index) >= state.lifeIcons.size()) return;
  if (Sprite* icon = world.Engine().Find(state.lifeIcons[index])) icon->Kill();
  state.lifeIcons[index] = 0;
}

}  // namespace zephyrant
