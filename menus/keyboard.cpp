#include "game/main_window.h"
#include "menus/high_scores.h"
#include "menus/menu_sprites.h"

namespace zephyrant {

namespace {

constexpr double kAbortDecorationSpeed = 0.5;

// Escape while playing: every enemy goes, and the high-score table opens.
void AbortGame(TForm1& form) {
  GameState& state = form.State();
  state.bossHits = 500;
  state.heroDamage = 0;
  form.HiScores();
  CreatePointer(form);
  CreateNameEntryCursor(form, kEndedGameCursorSpeed);
  CreateDecorations(form, kAbortDecorationSpeed);
}

}  // namespace

void TForm1::FormKeyDown(Key key) {
  GameState& state = State();
  // Any key ends the game-over prompt; the banner then falls out.
  if (state.gameOverPhase == 1) {
    state.gameOverPhase = 2;
    state.levelNumber = 1;
    state.heroDamage = 10;
  }
  if (key == Key::kEscape && state.screenState == kPlaying) AbortGame(*this);
}

void TForm1::FormKeyPress(char) {}

}  // namespace zephyrant
