// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/main_window.h"

#include <algorithm>
#include <cmath>

#include "framework/media_error.h"
#include "game/backgrounds.h"
#include "game/window_modes.h"
#include "levels/level_scripts.h"
#include "menus/high_scores.h"
#include "menus/keyboard.h"
#include "menus/menu_actions.h"
#include "menus/menu_sprites.h"
#include "world/settings.h"

namespace zephyrant {

namespace {

constexpr Rgb kTextColour{255, 170, 0};
// The rim of the texts over play: near black with a little of their warmth.
constexpr Rgb kOutlineColour{20, 10, 0};
constexpr int kTextSize = 12;
constexpr int kMainMenuLastItem = 5;
constexpr int kHelpLastItem = 2;

int RoundHalfEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

struct HelpLine {
  int x;
  int y;
  int size;
  const char* text;
};

constexpr HelpLine kHelpLines[] = {
    {50, 50, 16, "Mouse Controls"},
    {50, 70, 14, "Menu:"},
    {50, 90, 14, "Mouse cursor - Change selection"},
    {50, 110, 14, "Left mouse button - Choose and"},
    {200, 125, 14, "adjust an option"},
    {50, 140, 14, "Game:"},
    {50, 160, 14, "Moving - Mouse"},
    {50, 180, 14, "Fire - Left mouse button"},
    {50, 200, 14, "Rocket - Right mouse button"},
    {400, 50, 16, "Keyboard Controls"},
    {400, 70, 14, "Menu:"},
    {400, 90, 14, "Up Arrow, Down Arrow - Change selection"},
    {400, 110, 14, "Enter - Choose and adjust an option"},
    {400, 130, 14, "Escape - Return to a previous menu"},
    {400, 150, 14, "Left Arrow, Right Arrow - Change parameter"},
    {400, 180, 14, "Game:"},
    {400, 200, 14, "Up Arrow - Move forward"},
    {400, 220, 14, "Down Arrow - Move backward"},
    {400, 240, 14, "Left Arrow - Move left"},
    // The row at 260 stays empty.
    {400, 280, 14, "Right Arrow - Move right"},
    {400, 300, 14, "Space - Fire"},
    {400, 320, 14, "Shift - Rocket"},
    {400, 340, 14, "Escape - Abort game"},
};

}  // namespace

MainWindow::MainWindow(Platform& platform, AssetLibrary& assets)
    : GameWorld(platform, assets),
      surface_(kSurfaceWidth, kSurfaceHeight),
      frame_timer_(game_clock_),
      level_scripts_(std::make_unique<LevelScripts>(*this)),
      text_(assets.FontPath()) {
  frame_timer_.OnTimer = [this](int lag_count) { RunFrame(lag_count); };
  timer_level_.OnTimer = [this] {
    const Entering entering(*this, TapeOp::kLevelTimer);
    OnLevelTimer();
  };
  timer_boss_.OnTimer = [this] {
    const Entering entering(*this, TapeOp::kBossTimer);
    OnBossTimer();
  };
}

MainWindow::~MainWindow() {
  // Whatever the sprites do as they go is no play for a replay to keep.
  journal_ = nullptr;
}

void MainWindow::StartUp() {
  // 1. Saved settings and the high-score table.
  SavedSettings saved;
  LoadStartupSettings(platform_.settings, saved);
  state_.hiscoreNames = saved.names;
  state_.hiscoreScores = saved.scores;
  state_.soundVolume = saved.sound;
  state_.musicVolume = saved.music;
  state_.speedSetting = saved.speed;
  state_.difficulty = saved.difficulty;
  state_.fullScreen = full_screen_for_this_run_ >= 0 ? full_screen_for_this_run_ : saved.full;
  players_window_ = Size{saved.window_width, saved.window_height};
  state_.lastMainMenuItem = kMainMenuLastItem;
  state_.lastHelpItem = kHelpLastItem;
  // 2. Pictures carry their own palettes and are converted to the 32-bit
  // surface format when loaded, so there is no display palette to build.
  // 3. The desktop.
  const Size desktop = platform_.display.DesktopSize();
  state_.desktopWidth = desktop.width;
  state_.desktopHeight = desktop.height;
  // 4. The window.
  WindowMode();
  // 5. The random generator.
  random_.SetSeed(platform_.clock.SeedValue());
  // 6. Background layers.
  engine_->Spawn<StarField>();
  engine_->Spawn<CloudLayer>();
  // 7. The pointer, with the system pointer on it.
  CreatePointer(*this);
  platform_.display.WarpPointer(state_.surfaceWidth / 2, state_.surfaceHeight / 2);
  // 8. The main menu.
  BuildMainMenu(*this);
  // 9. `new_game` shows highlighted from the first menu step.
  state_.itemRequests[2] = 0;
  state_.menuSelection = 2;
  state_.screenState = kMainMenu;
  // 10.
  platform_.display.SetPointerVisible(false);
  // 11. Decorations.
  CreateDecorations(*this, 1.0);
  // 12. Sounds and music.
  ApplySoundVolumes();
  SoundItem& music = Sounds("Music").Item("music1");
  music.SetPan(0);
  music.Play(false);
}

bool MainWindow::Idle() {
  if (paused_) {
    PaintPaused();
    return false;
  }
  timer_level_.Tick();
  timer_boss_.Tick();
  return frame_timer_.Idle();
}

int MainWindow::MsUntilNextTick() const {
  // A paused game waits for events alone, once its picture is up.
  if (paused_) return paused_picture_due_ && CanDraw() ? 0 : -1;
  int wait = -1;
  for (int due : {frame_timer_.MsUntilDue(), timer_level_.MsUntilDue(), timer_boss_.MsUntilDue()}) {
    if (due >= 0 && (wait < 0 || due < wait)) wait = due;
  }
  return wait;
}

void MainWindow::PlayIdle() {
  if (paused_) PaintPaused();
}

void MainWindow::SetApplicationActive(bool active) {
  Entering entering(*this, TapeOp::kActive);
  entering.Entry().flag = active;
  frame_timer_.SetApplicationActive(active);
  if (!active) PauseWhenAway();
}

void MainWindow::OnDisplayReady() {
  surface_ready_ = true;
  engine_->SetSurface(&surface_);
  frame_timer_.SetEnabled(true);
  // A new surface starts black; a paused game shows its picture again.
  if (paused_) paused_picture_due_ = true;
}

void MainWindow::OnDisplayClosing() {
  frame_timer_.SetEnabled(false);
  engine_->SetSurface(nullptr);
  surface_ready_ = false;
}

bool MainWindow::CanDraw() const {
  return surface_ready_ && platform_.display.CanDraw();
}

void MainWindow::RunFrame(int lag_count) {
  if (!CanDraw()) return;
  Entering entering(*this, TapeOp::kLagFrame);
  entering.Entry().lag = lag_count;
  // In play the mouse steers the ship however the window is scaled; outside
  // play it is the player's pointer again.
  platform_.display.SetMouseCaptured(state_.screenState == kPlaying);
  input_.Update();
  engine_->Move(lag_count);
  MousePressSeen();
  engine_->Purge();
  // The star field paints every pixel, so clearing under it would change nothing.
  if (!engine_->FirstDrawCoversSurface()) surface_.Fill(0);
  engine_->DrawAll();
  DrawTexts();
  platform_.display.Present(surface_);
}

void MainWindow::DrawText(int x, int y, const std::string& text, int size, Rgb colour,
                          bool outlined) {
  if (outlined) {
    text_.DrawOutlined(surface_, x, y, text, size, colour, kOutlineColour);
  } else {
    text_.Draw(surface_, x, y, text, size, colour);
  }
  texts_.push_back(TextRecord{text, x, y, size, colour});
}

void MainWindow::DrawTexts(bool advance_pulse) {
  texts_.clear();
  if (state_.screenState == kHelp) {
    for (const HelpLine& line : kHelpLines)
      DrawText(line.x, line.y, line.text, line.size, kTextColour);
  }
  if (state_.screenState != kPlaying) return;
  const int bottom = state_.surfaceHeight - 23;
  const int strength = RoundHalfEven((10 - state_.heroDamage) * 10);
  DrawText(60, bottom, std::to_string(strength) + "%", 14, kTextColour, true);
  DrawText(190, bottom, std::to_string(state_.score), 14, kTextColour, true);
  if (state_.gameOverPhase == 1) {
    // "Press any key" pulses between dark and bright orange.
    const int c = state_.textPulseLevel;
    DrawText(250, 50, "Press any key", 18,
             Rgb{static_cast<uint8_t>(std::clamp(c, 0, 255)),
                 static_cast<uint8_t>(std::clamp(RoundHalfEven(c / 1.5), 0, 255)), 0},
             true);
    if (!advance_pulse) return;
    if (c < 100) state_.textPulseStep = 7;
    if (c > 250) state_.textPulseStep = -7;
    state_.textPulseLevel += state_.textPulseStep;
  }
}

void MainWindow::OnMouseDown(MouseButton button) {
  Entering entering(*this, TapeOp::kMouseDown);
  entering.Entry().button = static_cast<uint8_t>(button);
  // Clicks on a paused game are not shots.
  if (button == MouseButton::kMiddle || paused_) return;
  state_.mouseButton = button == MouseButton::kLeft ? 1 : 2;
  mouse_press_unseen_ = true;
  mouse_release_due_ = false;
}

void MainWindow::OnMouseUp(MouseButton button) {
  Entering entering(*this, TapeOp::kMouseUp);
  entering.Entry().button = static_cast<uint8_t>(button);
  if (paused_) {
    released_while_paused_ = true;
    return;
  }
  // A press no frame has seen yet counts once, as the shortest hold would.
  if (mouse_press_unseen_) {
    mouse_release_due_ = true;
    return;
  }
  state_.mouseButton = 0;
}

void MainWindow::MousePressSeen() {
  mouse_press_unseen_ = false;
  if (mouse_release_due_) state_.mouseButton = 0;
  mouse_release_due_ = false;
}

void MainWindow::OnKeyDown(Key key) {
  // A screenshot is the player's, not the game's: it changes nothing, and it
  // is no key to the game, so a shot of "Press any key" keeps the prompt up.
  if (key == Key::kF12) {
    TakeScreenshot();
    return;
  }
  Entering entering(*this, TapeOp::kKeyDown);
  entering.Entry().key = key;
  if (key == Key::kF11) {
    ToggleFullScreen();
    return;
  }
  if (HandlePauseKey(key)) return;
  HandleKeyDown(*this, key);
}

void MainWindow::TakeScreenshot() {
  platform_.screenshots.Save(surface_);
}

void MainWindow::ToggleFullScreen() {
  Entering entering(*this, TapeOp::kCall);
  entering.Entry().call = TapeCall::kToggleFullScreen;
  // What the screen shows decides, not the setting: the help page's browser
  // can have turned the full screen into a window.
  state_.fullScreen = showing_full_screen_ ? 1 : 0;
  if (state_.fullScreen == 0) {
    FullMode();
  } else {
    WindowMode();
  }
  ShowFullScreenValue(*this);
}

void MainWindow::OnWindowResized(Size client) {
  if (showing_full_screen_ || client == window_client_) return;
  window_client_ = client;
  players_window_ = client;
  players_window_changed_ = true;
}

void MainWindow::SaveWindowSize() {
  if (!players_window_changed_) return;
  // A store that cannot be written only costs the size; the game goes on.
  zephyrant::SaveWindowSize(platform_.settings, players_window_);
  players_window_changed_ = false;
}

void MainWindow::OnKeyPress(char character) {
  Entering entering(*this, TapeOp::kKeyPress);
  entering.Entry().character = character;
  if (paused_) return;
  HandleKeyPress(*this, character);
}

void MainWindow::HiScores() {
  Entering entering(*this, TapeOp::kCall);
  entering.Entry().call = TapeCall::kHiScores;
  if (journal_ != nullptr && state_.screenState == kPlaying) journal_->GameEnded();
  OpenHighScoreTable(*this);
}

void MainWindow::OpenTableAfterGame(GameEnding ending) {
  zephyrant::OpenTableAfterGame(*this, ending);
}

void MainWindow::ReopenDisplay(const WindowConfig& config) {
  showing_full_screen_ = config.full_screen || config.exclusive_full_screen;
  if (!showing_full_screen_) window_client_ = config.client;
  OnDisplayClosing();
  platform_.display.Configure(config);
  OnDisplayReady();
}

void MainWindow::ConfigureDisplay(const WindowConfig& config) {
  ReopenDisplay(config);
  surface_.Fill(0);
}

void MainWindow::WindowMode() {
  state_.surfaceWidth = kSurfaceWidth;
  state_.surfaceHeight = kSurfaceHeight;
  const Size desktop{state_.desktopWidth, state_.desktopHeight};
  ConfigureDisplay(state_.fullScreen == 0 ? FullScreenConfig(desktop)
                                          : WindowedConfig(desktop, players_window_));
}

void MainWindow::FullMode() {
  state_.surfaceWidth = kSurfaceWidth;
  state_.surfaceHeight = kSurfaceHeight;
  ConfigureDisplay(FullScreenConfig(Size{state_.desktopWidth, state_.desktopHeight}));
}

}  // namespace zephyrant
