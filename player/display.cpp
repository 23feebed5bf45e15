#include "player/display.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr int kLabelMargin = 5;
constexpr int kScoreLabelGap = 50;
constexpr int kIconGap = 25;  // between the icon row and the bottom edge, over the icon's height

// Labels go while the abort input is held too, for the rest of the game.
void RemoveLabelWhenDone(ImageSprite& label) {
  MainWindow& main_window = WindowOf(label);
  if (main_window.Input().Has(InputState::InputButton2)) label.Kill();
  if (main_window.State().screenState != kPlaying) label.Kill();
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
  if (WindowOf(*this).State().screenState != kPlaying) Kill();
}

void CreateHealthAndScoreLabels(MainWindow& main_window) {
  const GameState& state = main_window.State();
  const ImageList& start = main_window.Images("Start");
  const PictureItem& live_image = start.Item("live");
  HealthLabel& live = main_window.Engine().Spawn<HealthLabel>();
  live.SetImage(live_image);
  live.X = kLabelMargin;
  live.Y = state.surfaceHeight - live_image.Height() - kLabelMargin;
  live.SetZ(-1);

  const PictureItem& scores_image = start.Item("scores");
  ScoreLabel& score = main_window.Engine().Spawn<ScoreLabel>();
  score.SetImage(scores_image);
  score.X = scores_image.Width() + kScoreLabelGap;
  score.Y = live.Y;
  score.SetZ(-1);
}

void CreateLifeIcon(MainWindow& main_window, int index) {
  GameState& state = main_window.State();
  const PictureItem& image = main_window.Images(Holder::kShip, "ListBonus").Item("bonus1");
  LifeIcon& icon = main_window.Engine().Spawn<LifeIcon>();
  icon.SetImage(image);
  icon.X = index * image.Width() + kLabelMargin;
  icon.Y = state.surfaceHeight - image.Height() - kIconGap;
  icon.SetZ(-1);
  if (index < 0) return;
  if (state.lifeIcons.size() <= static_cast<size_t>(index)) state.lifeIcons.resize(index + 1);
  state.lifeIcons[index] = icon.Serial();
}

void KillLifeIcon(MainWindow& main_window, int index) {
  GameState& state = main_window.State();
  if (index < 0 || static_cast<size_t>(index) >= state.lifeIcons.size()) return;
  if (Sprite* icon = main_window.Engine().Find(state.lifeIcons[index])) icon->Kill();
  state.lifeIcons[index] = 0;
}

}  // namespace zephyrant
