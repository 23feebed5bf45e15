// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_display.h"

#include <algorithm>
#include <cstdio>

#include "framework/media_error.h"
#include "platform/sdl/letterbox.h"
#include "platform/sdl/modal_signals.h"

namespace zephyrant {

namespace {

constexpr const char* kWindowTitle = "Zephyrant";
// The colour depth the game has always asked the display for.
constexpr int kModeBits = 16;

MediaError ModeError(Size mode) {
  char text[96];
  std::snprintf(text, sizeof text, "Display mode cannot be changed (%dx%d %dbit)", mode.width,
                mode.height, kModeBits);
  return MediaError(text);
}

// The game draws every frame into memory, so all a renderer does here is
// stretch one 800 x 600 picture into the window, which SDL's software
// renderer does in a fraction of a millisecond. On a machine without a
// graphics card an OpenGL renderer runs Mesa's software rasteriser instead,
// at several times the processor time and memory for the same picture, and
// telling the two apart would mean loading the GL driver just to ask. So the
// software renderer is the default; a player with a graphics card who wants
// the GPU to do the stretching names a driver in SDL_RENDER_DRIVER.
bool WantsAcceleratedRenderer() {
  const char* driver = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
  return driver != nullptr && *driver != '\0' && SDL_strcasecmp(driver, "software") != 0;
}

bool IsExclusiveFullScreen(SDL_Window* window) {
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN;
}

}  // namespace

SdlDisplay::SdlDisplay() = default;

SdlDisplay::~SdlDisplay() {
  if (captured_) SDL_SetRelativeMouseMode(SDL_FALSE);
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  if (window_ != nullptr) SDL_DestroyWindow(window_);
}

Size SdlDisplay::DesktopSize() const {
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return Size{kSurfaceWidth, kSurfaceHeight};
  return Size{mode.w, mode.h};
}

void SdlDisplay::Configure(const WindowConfig& config) {
  if (window_ == nullptr) OpenWindow(config);
  ApplyConfig(config);
}

void SdlDisplay::OpenWindow(const WindowConfig& config) {
  accelerated_ = WantsAcceleratedRenderer();
  // Without this the software renderer still draws through an OpenGL
  // context behind the scenes; it must be set before the window exists.
  if (!accelerated_) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Where SDL keeps the full screen itself, a game that loses the focus
  // steps out of the way so that the window Alt+Tab chose is seen.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
  const Size client{std::max(config.client.width, 1), std::max(config.client.height, 1)};
  Uint32 flags = SDL_WINDOW_HIDDEN;
  if (config.resizable) flags |= SDL_WINDOW_RESIZABLE;
  if (!config.bordered && !config.full_screen) flags |= SDL_WINDOW_BORDERLESS;
  window_ = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             client.width, client.height, flags);
  if (window_ == nullptr) throw ModeError(client);
  SDL_SetWindowMinimumSize(window_, kMinWindowSize.width, kMinWindowSize.height);
  // A window made full screen before it is first shown opens that way at
  // once, with nothing to wait for.
  if (config.full_screen) {
    full_screen_ = true;
    windowed_ =
        SDL_Rect{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, client.width, client.height};
    full_screen_by_ = MarkX11FullScreen(window_);
    if (full_screen_by_ == X11FullScreen::kNotX11) {
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else if (full_screen_by_ == X11FullScreen::kNoWindowManager) {
      SDL_SetWindowPosition(window_, 0, 0);
    }
  }
  // A window's own buffer and a renderer cannot both draw into one window:
  // the software path makes no renderer unless the buffer turns out unusable.
  window_surface_path_ = !accelerated_;
  if (!window_surface_path_ && !EnsureRenderer()) {
    throw MediaError("Drawing surface cannot be made");
  }
}

void SdlDisplay::EnterFullScreen(Size desktop) {
  if (full_screen_) return;
  full_screen_ = true;
  SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
  SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
  full_screen_by_ = RequestX11FullScreen(window_, true);
  switch (full_screen_by_) {
    case X11FullScreen::kByWindowManager:
      return;
    case X11FullScreen::kNoWindowManager:
      // Nothing stands between the window and the screen: it simply covers it.
      SDL_SetWindowPosition(window_, 0, 0);
      SDL_SetWindowSize(window_, desktop.width, desktop.height);
      return;
    case X11FullScreen::kNotX11:
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
      return;
  }
}

void SdlDisplay::LeaveFullScreen() {
  if (!full_screen_) return;
  full_screen_ = false;
  switch (full_screen_by_) {
    case X11FullScreen::kByWindowManager:
      // The window manager puts the window back as it was.
      RequestX11FullScreen(window_, false);
      return;
    case X11FullScreen::kNoWindowManager:
      SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
      SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
      return;
    case X11FullScreen::kNotX11:
      SDL_SetWindowFullscreen(window_, 0);
      return;
  }
}

void SdlDisplay::ApplyConfig(const WindowConfig& config) {
  const Size client{std::max(config.client.width, 1), std::max(config.client.height, 1)};
  const Uint32 flags = SDL_GetWindowFlags(window_);
  SDL_SetWindowAlwaysOnTop(window_, config.stay_on_top ? SDL_TRUE : SDL_FALSE);
  if (config.full_screen) {
    // Only the full-screen state changes: the window keeps its border, size
    // and place underneath for the way back.
    EnterFullScreen(client);
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    return;
  }
  const bool was_resizable = (flags & SDL_WINDOW_RESIZABLE) != 0;
  LeaveFullScreen();
  if ((flags & SDL_WINDOW_FULLSCREEN) != 0) SDL_SetWindowFullscreen(window_, 0);
  SDL_SetWindowBordered(window_, config.bordered ? SDL_TRUE : SDL_FALSE);
  SDL_SetWindowResizable(window_, config.resizable ? SDL_TRUE : SDL_FALSE);
  // A resizable window the player has had keeps the size and place the
  // player gave it, maximised or not.
  const bool players_window =
      shown_as_window_ && config.resizable && was_resizable && !config.exclusive_full_screen;
  if (!players_window) {
    SDL_SetWindowSize(window_, client.width, client.height);
    const int position = config.centred ? SDL_WINDOWPOS_CENTERED : 0;
    SDL_SetWindowPosition(window_, position, position);
  }
  SDL_ShowWindow(window_);
  if (config.exclusive_full_screen && !EnterExclusiveFullScreen(config.display)) {
    throw ModeError(config.display);
  }
  shown_as_window_ = !config.exclusive_full_screen;
  SDL_RaiseWindow(window_);
}

bool SdlDisplay::EnterExclusiveFullScreen(Size mode) {
  const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
  SDL_DisplayMode wanted{};
  wanted.w = mode.width;
  wanted.h = mode.height;
  SDL_DisplayMode closest{};
  if (SDL_GetClosestDisplayMode(display, &wanted, &closest) != nullptr && closest.w == mode.width &&
      closest.h == mode.height && SDL_SetWindowDisplayMode(window_, &closest) == 0 &&
      SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN) == 0) {
    return true;
  }
  // The display has no such mode or refused it: cover it in its own mode.
  return SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

bool SdlDisplay::EnsureRenderer() {
  if (renderer_ != nullptr) return true;
  if (accelerated_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
  if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  return renderer_ != nullptr;
}

bool SdlDisplay::EnsureTexture(Size size) {
  if (texture_ != nullptr && texture_size_ == size) return true;
  if (!EnsureRenderer()) return false;
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  // RGB888 is 0x00RRGGBB in a 32-bit word, the surface's own layout, so
  // the upload is a plain copy.
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               size.width, size.height);
  texture_size_ = texture_ != nullptr ? size : Size{};
  return texture_ != nullptr;
}

bool SdlDisplay::CanDraw() const {
  if (window_ == nullptr) return false;
  return (SDL_GetWindowFlags(window_) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) == 0;
}

void SdlDisplay::Present(const Surface& surface) {
  if (window_ == nullptr) return;
  surface_size_ = Size{surface.Width(), surface.Height()};
  last_frame_ = &surface;
  if (window_surface_path_) {
    if (PresentToWindowSurface(surface)) return;
    // The buffer has a layout of its own: let SDL's renderer convert.
    window_surface_path_ = false;
    stretcher_.Reset();
  }
  if (!EnsureTexture(surface_size_)) throw MediaError("Drawing surface cannot be made");
  SDL_UpdateTexture(texture_, nullptr, surface.Pixels(),
                    surface.Width() * static_cast<int>(sizeof(uint32_t)));
  DrawTexture();
}

bool SdlDisplay::PresentToWindowSurface(const Surface& surface) {
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  // 0x00RRGGBB in a 32-bit word, as the game's surface holds it.
  if (target == nullptr || target->format->format != SDL_PIXELFORMAT_RGB888) return false;
  if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return false;
  const Size size{target->w, target->h};
  // The buffer keeps its pixels between frames: the black bars are drawn
  // only when a new buffer comes, after the window changed.
  if (target != cleared_surface_ || size != cleared_size_) {
    SDL_FillRect(target, nullptr, 0);
    cleared_surface_ = target;
    cleared_size_ = size;
    stretcher_.Reset();
  }
  const PixelBuffer buffer{static_cast<uint32_t*>(target->pixels), size,
                           target->pitch / static_cast<int>(sizeof(uint32_t))};
  const Rect box = LetterboxRect(size, surface_size_);
  // Only the rows that changed are stretched and handed to the X server;
  // the window keeps the rest from the frames before.
  bands_.clear();
  for (const Rect& band :
       stretcher_.Stretch(surface.Pixels(), surface_size_, surface.Width(), buffer, box)) {
    bands_.push_back(SDL_Rect{band.left, band.top, band.Width(), band.Height()});
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  if (bands_.empty()) return true;
  if (SDL_UpdateWindowSurfaceRects(window_, bands_.data(), static_cast<int>(bands_.size())) == 0) {
    return true;
  }
  stretcher_.Reset();
  return false;
}

void SdlDisplay::Repaint() {
  if (!CanDraw()) return;
  if (window_surface_path_) {
    // The system may have lost any part of the window: all of it is sent.
    stretcher_.Reset();
    if (last_frame_ != nullptr) PresentToWindowSurface(*last_frame_);
    return;
  }
  if (texture_ != nullptr) DrawTexture();
}

void SdlDisplay::OnWindowSizeChanged() {
  // The window's buffer is made anew at the new size, bars and all.
  cleared_surface_ = nullptr;
  cleared_size_ = Size{};
  Repaint();
}

std::optional<Size> SdlDisplay::PlayersWindowSize() const {
  if (window_ == nullptr) return std::nullopt;
  constexpr Uint32 kNotPlayersSize =
      SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN;
  const Uint32 flags = SDL_GetWindowFlags(window_);
  if (full_screen_ || (flags & SDL_WINDOW_RESIZABLE) == 0 || (flags & kNotPlayersSize) != 0) {
    return std::nullopt;
  }
  Size size;
  SDL_GetWindowSize(window_, &size.width, &size.height);
  return size;
}

void SdlDisplay::OnFocusLost() {
  // The window manager keeps a full-screen window above the others even
  // when they have the focus; minimised, it lets the chosen one be seen.
  if (full_screen_ && full_screen_by_ == X11FullScreen::kByWindowManager) {
    SDL_MinimizeWindow(window_);
  }
}

void SdlDisplay::SetIcon(const uint32_t* pixels, Size size) {
  if (window_ == nullptr || pixels == nullptr || size.width <= 0 || size.height <= 0) return;
  // 0xAARRGGBB in a 32-bit word.
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint32_t*>(pixels), size.width, size.height, 32,
      size.width * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_ARGB8888);
  if (icon == nullptr) return;
  SDL_SetWindowIcon(window_, icon);
  SDL_FreeSurface(icon);
}

void SdlDisplay::OnRenderDeviceReset() {
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
  texture_size_ = Size{};
}

void SdlDisplay::DrawTexture() {
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  const Rect box = LetterboxRect(Size{width, height}, texture_size_);
  if (box.Width() < width || box.Height() < height) {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer_);
  }
  const SDL_Rect target{box.left, box.top, box.Width(), box.Height()};
  SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  SDL_RenderPresent(renderer_);
}

Rect SdlDisplay::WindowBox() const {
  int width = 0;
  int height = 0;
  if (window_ != nullptr) SDL_GetWindowSize(window_, &width, &height);
  return LetterboxRect(Size{width, height}, surface_size_);
}

void SdlDisplay::SetPointerVisible(bool visible) {
  SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlDisplay::WarpPointer(int x, int y) {
  if (window_ == nullptr) return;
  if (captured_) {
    captured_x_ = std::clamp(x, 0, surface_size_.width - 1);
    captured_y_ = std::clamp(y, 0, surface_size_.height - 1);
    return;
  }
  const Point target = SurfaceToWindow(Point{x, y}, WindowBox(), surface_size_);
  const Point from = SurfaceToWindow(PointerPosition(), WindowBox(), surface_size_);
  SDL_WarpMouseInWindow(window_, target.x, target.y);
  // SDL learns the new position only from the motion event the move causes,
  // so until then the pointer is where it was put.
  warped_to_ = WindowToSurface(target, WindowBox(), surface_size_);
  if (target.x != from.x || target.y != from.y) warp_target_ = target;
}

bool SdlDisplay::TakeWarpEcho(int window_x, int window_y) {
  if (!warp_target_ || captured_) return false;
  const bool echo = warp_target_->x == window_x && warp_target_->y == window_y;
  warp_target_.reset();
  return echo;
}

Point SdlDisplay::PointerPosition() const {
  if (window_ == nullptr) return Point{};
  if (captured_) return Point{static_cast<int>(captured_x_), static_cast<int>(captured_y_)};
  if (warped_to_) return *warped_to_;
  Point window;
  if (SDL_GetMouseFocus() == window_) {
    SDL_GetMouseState(&window.x, &window.y);
  } else {
    // Outside the window SDL keeps no position for it; ask the system.
    int left = 0;
    int top = 0;
    SDL_GetGlobalMouseState(&window.x, &window.y);
    SDL_GetWindowPosition(window_, &left, &top);
    window.x -= left;
    window.y -= top;
  }
  return WindowToSurface(window, WindowBox(), surface_size_);
}

void SdlDisplay::SetMouseCaptured(bool captured) {
  if (captured == captured_ || window_ == nullptr) return;
  if (captured) {
    const Point start = PointerPosition();
    // Without relative mode the pointer simply stays free.
    if (SDL_SetRelativeMouseMode(SDL_TRUE) != 0) return;
    captured_ = true;
    captured_x_ = start.x;
    captured_y_ = start.y;
  } else {
    SDL_SetRelativeMouseMode(SDL_FALSE);
    captured_ = false;
    WarpPointer(static_cast<int>(captured_x_), static_cast<int>(captured_y_));
  }
}

void SdlDisplay::OnMouseMotion(int xrel, int yrel) {
  warped_to_.reset();
  if (!captured_) return;
  const PointerScale scale = SurfacePerWindowPixel(WindowBox(), surface_size_);
  captured_x_ = std::clamp(captured_x_ + xrel * scale.x, 0.0, surface_size_.width - 1.0);
  captured_y_ = std::clamp(captured_y_ + yrel * scale.y, 0.0, surface_size_.height - 1.0);
}

void SdlDisplay::ShowError(const std::string& title, const std::string& message) {
  if (window_ != nullptr) {
    // The box must be seen and clicked: give back the pointer and the desktop.
    SetMouseCaptured(false);
    if (IsExclusiveFullScreen(window_)) SDL_SetWindowFullscreen(window_, 0);
  }
  SDL_ShowCursor(SDL_ENABLE);
  const SignalsEndTheProgram box_is_up;
  // A signal that came before the box is waiting in the queue as a quit:
  // the run has been asked to end, so the box is not shown.
  if (SDL_QuitRequested()) return;
  // Nothing more can be done when even the box cannot be shown; the caller
  // has already written the message to the standard error stream.
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), window_);
}

}  // namespace zephyrant
