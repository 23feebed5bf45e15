#include "menus/high_scores.h"

#include "game/main_window.h"

namespace zephyrant {

void TCursor::MoveStep(int move_count) {
  TImageSprite::MoveStep(move_count);
  const GameState& state = FormOf(*this).State();
  if (state.screenState == kMainMenu) {
    Kill();
    return;
  }
  X = state.cursorX;
  Y = state.cursorY;
}

void CreateNameEntryCursor(TForm1& form, double frame_speed) {
  TCursor& cursor = form.Engine().Spawn<TCursor>();
  cursor.SetImage(form.Images("HighScores").Item("cr"));
  cursor.X = form.State().cursorX;
  cursor.Y = form.State().cursorY;
  cursor.SetZ(-1);
  cursor.FrameLooped = true;
  cursor.FrameSpeed = frame_speed;
}

void TForm1::HiScores() {
  GameState& state = State();
  state.menuSelection = 1;
  state.screenState = kEnteringHighScores;
}

}  // namespace zephyrant
