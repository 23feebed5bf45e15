// SPDX-License-Identifier: GPL-3.0-or-later
// The pause: a game in play stands still, sounds and all, with the pointer
// free, until the player resumes it or gives it up.

#include <string>

#include "game/main_window.h"

namespace zephyrant {

namespace {

constexpr Rgb kSignColour{255, 170, 0};
constexpr int kSignSize = 36;
constexpr int kSignY = 240;
constexpr int kHintSize = 14;
constexpr int kHintY = 300;
constexpr const char* kSign = "PAUSED";
constexpr const char* kHint = "P, Pause or Start resumes - Escape ends the game";

bool IsPauseKey(Key key) {
  return key == Key::kPause || key == LetterKey('p');
}

// The playfield at half brightness, so the sign stands out.
void Dim(Surface& surface) {
  uint32_t* pixel = surface.Pixels();
  const size_t count = static_cast<size_t>(surface.Width()) * surface.Height();
  for (size_t i = 0; i < count; ++i) pixel[i] = (pixel[i] >> 1) & 0x7F7F7Fu;
}

}  // namespace

bool MainWindow::StartPauses() const {
  // At the game-over prompt every key, Start too, stays "any key".
  return paused_ || (state_.screenState == kPlaying && state_.gameOverPhase == 0);
}

// True when the key was the pause's; Escape on a paused game resumes it and
// goes on to end it the way Escape ends a game in play.
bool MainWindow::HandlePauseKey(Key key) {
  if (paused_) {
    if (key == Key::kEscape) {
      Resume();
      return false;
    }
    // Other keys wait, like the rest of the game.
    if (IsPauseKey(key)) Resume();
    return true;
  }
  if (!IsPauseKey(key) || !StartPauses()) return false;
  Pause();
  return true;
}

void MainWindow::OnMinimised() {
  const Entering entering(*this, TapeOp::kMinimised);
  PauseWhenAway();
}

void MainWindow::OnGamepadLost() {
  const Entering entering(*this, TapeOp::kGamepadLost);
  PauseWhenAway();
}

// The menus carry on as they always have when the player looks away.
void MainWindow::PauseWhenAway() {
  if (!paused_ && state_.screenState == kPlaying) Pause();
}

void MainWindow::Pause() {
  paused_ = true;
  paused_picture_due_ = true;
  released_while_paused_ = false;
  game_clock_.Stop();
  platform_.audio.PauseAll();
  // Where the ship holds the pointer, so that resuming finds it there again.
  pointer_at_pause_ = platform_.display.PointerPosition();
  platform_.display.SetMouseCaptured(false);
  platform_.display.SetPointerVisible(true);
}

void MainWindow::Resume() {
  paused_ = false;
  paused_picture_due_ = false;
  platform_.display.SetPointerVisible(false);
  // Captured first, the pointer is put back without moving the real one.
  platform_.display.SetMouseCaptured(state_.screenState == kPlaying);
  platform_.display.WarpPointer(pointer_at_pause_.x, pointer_at_pause_.y);
  // The pointer wandered and clicked elsewhere meanwhile; none of that
  // steers or fires the ship.
  platform_.input.ReadMouse();
  if (released_while_paused_) {
    state_.mouseButton = 0;
    mouse_press_unseen_ = false;
    mouse_release_due_ = false;
  }
  released_while_paused_ = false;
  platform_.audio.ResumeAll();
  game_clock_.Start();
}

// The last frame's picture without moving anything, dimmed, with the sign.
void MainWindow::PaintPaused() {
  if (!paused_picture_due_ || !CanDraw()) return;
  paused_picture_due_ = false;
  if (!engine_->FirstDrawCoversSurface()) surface_.Fill(0);
  engine_->DrawAll();
  Dim(surface_);
  DrawTexts(false);
  const auto centred = [this](const char* text, int size) {
    return (state_.surfaceWidth - text_.TextWidth(text, size)) / 2;
  };
  DrawText(centred(kSign, kSignSize), kSignY, kSign, kSignSize, kSignColour);
  DrawText(centred(kHint, kHintSize), kHintY, kHint, kHintSize, kSignColour);
  platform_.display.Present(surface_);
}

}  // namespace zephyrant
