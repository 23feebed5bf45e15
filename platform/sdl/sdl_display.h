// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "framework/geometry.h"
#include "framework/platform.h"
#include "framework/surface.h"
#include "platform/sdl/changed_rows.h"
#include "platform/sdl/x11_full_screen.h"

namespace zephyrant {

// The game window and its presenter: one window titled "Zephyrant" that shows
// the surface each frame stretched into the largest rectangle of the
// surface's shape. Without a graphics card the surface is stretched straight
// into the window's own pixel buffer; with one, it goes through a streaming
// texture of an accelerated renderer.
class SdlDisplay final : public Display {
 public:
  SdlDisplay();
  ~SdlDisplay() override;
  SdlDisplay(const SdlDisplay&) = delete;
  SdlDisplay& operator=(const SdlDisplay&) = delete;

  Size DesktopSize() const override;
  void Configure(const WindowConfig& config) override;
  bool CanDraw() const override;
  void Present(const Surface& surface) override;
  void SetPointerVisible(bool visible) override;
  void WarpPointer(int x, int y) override;
  Point PointerPosition() const override;
  void SetMouseCaptured(bool captured) override;
  void ShowError(const std::string& title, const std::string& message) override;

  SDL_Window* Window() const { return window_; }
  // Every motion event, in window pixels, fed by the message loop.
  void OnMouseMotion(int xrel, int yrel);
  // True for the motion event a warp of the free pointer caused itself, which
  // is no motion of the player's; it is consumed.
  bool TakeWarpEcho(int window_x, int window_y);
  // Shows the last frame again, for a window the system asked to repaint.
  void Repaint();
  // The window took a new size: the picture is fitted into it again.
  void OnWindowSizeChanged();
  // The size of a resizable window as the player left it; nothing while it
  // is maximised, minimised, hidden or full screen.
  std::optional<Size> PlayersWindowSize() const;
  // The window lost the keyboard: a full-screen game steps aside.
  void OnFocusLost();
  // The picture task bars and window switchers show: 0xAARRGGBB pixels.
  void SetIcon(const uint32_t* pixels, Size size);
  // The renderer lost its textures; the next frame makes them again.
  void OnRenderDeviceReset();

 private:
  void OpenWindow(const WindowConfig& config);
  void ApplyConfig(const WindowConfig& config);
  bool EnterExclusiveFullScreen(Size mode);
  void EnterFullScreen(Size desktop);
  void LeaveFullScreen();
  bool EnsureRenderer();
  bool EnsureTexture(Size size);
  void DrawTexture();
  // False when the window's buffer cannot take the surface's pixels as they are.
  bool PresentToWindowSurface(const Surface& surface);
  Rect WindowBox() const;

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool full_screen_ = false;  // covering the desktop, however that was asked
  X11FullScreen full_screen_by_ = X11FullScreen::kNotX11;
  SDL_Rect windowed_{};  // the window's place before it went full screen
  bool shown_as_window_ = false;
  Size texture_size_;
  Size surface_size_{kSurfaceWidth, kSurfaceHeight};  // as last presented
  bool accelerated_ = false;
  bool window_surface_path_ = false;        // drawing into the window's own buffer
  SDL_Surface* cleared_surface_ = nullptr;  // the buffer whose bars are black
  Size cleared_size_;
  const Surface* last_frame_ = nullptr;
  ChangedRowStretcher stretcher_;
  std::vector<SDL_Rect> bands_;  // of the window's buffer, to send this frame
  bool captured_ = false;
  double captured_x_ = 0.0;  // the pointer in surface pixels while captured
  double captured_y_ = 0.0;
  std::optional<Point> warped_to_;    // until SDL has seen the warp
  std::optional<Point> warp_target_;  // the window point of that warp
};

}  // namespace zephyrant
