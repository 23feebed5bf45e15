#include "player/display.h"

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr int kLabelMargin = 5;
constexpr int kScoreLabelGap = 50;
constexpr int kIconGap = 25;  // between the icon row and the bottom edge, over the icon's height

// Labels go while the abort input is held too, for the rest of the game.
void RemoveLabelWhenDone(TImageSprite& label) {
  TForm1& form = FormOf(label);
  if (form.Input().Has(InputState::InputButton2)) label.Kill();
  if (form.State().screenState != kPlaying) label.Kill();
}

}  // namespace

void TLive::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  RemoveLabelWhenDone(*this);
}

void TScore::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  RemoveLabelWhenDone(*this);
}

void TBonus::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  if (FormOf(*this).State().screenState != kPlaying) Kill();
}

void CreateHealthAndScoreLabels(TForm1& form) {
  const GameState& state = form.State();
  const TDXImageList& start = form.Images("Start");
  const TPictureItem& live_image = start.Item("live");
  TLive& live = form.Engine().Spawn<TLive>();
  live.SetImage(live_image);
  live.X = kLabelMargin;
  live.Y = state.surfaceHeight - live_image.Height() - kLabelMargin;
  live.SetZ(-1);

  const TPictureItem& scores_image = start.Item("scores");
  TScore& score = form.Engine().Spawn<TScore>();
  score.SetImage(scores_image);
  score.X = scores_image.Width() + kScoreLabelGap;
  score.Y = live.Y;
  score.SetZ(-1);
}

void CreateLifeIcon(TForm1& form, int index) {
  GameState& state = form.State();
  const TPictureItem& image = form.Images(Holder::kShip, "ListBonus").Item("bonus1");
  TBonus& icon = form.Engine().Spawn<TBonus>();
  icon.SetImage(image);
  icon.X = index * image.Width() + kLabelMargin;
  icon.Y = state.surfaceHeight - image.Height() - kIconGap;
  icon.SetZ(-1);
  if (index < 0) return;
  if (state.lifeIcons.size() <= static_cast<size_t>(index)) state.lifeIcons.resize(index + 1);
  state.lifeIcons[index] = icon.Serial();
}

void KillLifeIcon(TForm1& form, int index) {
  GameState& state = form.State();
  if (index < 0 || static_cast<size_t>(index) >= state.lifeIcons.size()) return;
  if (TSprite* icon = form.Engine().Find(state.lifeIcons[index])) icon->Kill();
  state.lifeIcons[index] = 0;
}

}  // namespace zephyrant
