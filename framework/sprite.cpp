// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/sprite.h"

#include <algorithm>
#include <cmath>

#include "framework/media_error.h"

namespace zephyrant {

namespace {

inline int Trunc(double v) {
  return static_cast<int>(v);
}

// The rectangle a sprite really covers, whatever its kind's bounds say.
Rect RealRectOf(const Sprite& s) {
  return RectOfSize(Trunc(s.WorldX()), Trunc(s.WorldY()), s.Width, s.Height);
}

// Pixel test between the current patterns of two image sprites, each placed
// where the plain image sprite would draw it.
bool PixelsTouch(const ImageSprite& a, const ImageSprite& b) {
  if (a.Image == nullptr || b.Image == nullptr) return true;
  const PatternView pa = a.Image->Pattern(a.PatternIndex());
  const PatternView pb = b.Image->Pattern(b.PatternIndex());
  if (!pa.Valid() || !pb.Valid()) return true;
  const Point at_a = a.DrawPosition();
  const Point at_b = b.DrawPosition();
  const Rect ra = RectOfSize(at_a.x, at_a.y, pa.width, pa.height);
  const Rect rb = RectOfSize(at_b.x, at_b.y, pb.width, pb.height);
  if (!Overlaps(ra, rb)) return false;
  const Rect both = Intersect(ra, rb);
  for (int y = both.top; y < both.bottom; ++y) {
    for (int x = both.left; x < both.right; ++x) {
      const uint32_t pixel_a = pa.At(x - at_a.x, y - at_a.y) & 0xFFFFFFu;
      const uint32_t pixel_b = pb.At(x - at_b.x, y - at_b.y) & 0xFFFFFFu;
      if (pixel_a != pa.key && pixel_b != pb.key) return true;
    }
  }
  return false;
}

}  // namespace

// --- Sprite ---------------------------------------------------------------

Sprite::Sprite(Sprite* parent) : Parent(parent) {
  if (parent != nullptr) {
    Engine = parent->Engine != nullptr ? parent->Engine : dynamic_cast<SpriteEngine*>(parent);
  }
  if (Engine != nullptr) {
    ++Engine->all_count_;
    serial_ = ++Engine->last_serial_;
  }
}

Sprite::~Sprite() {
  while (!children_.empty()) Release(children_.back().get());
  if (Engine != nullptr) {
    auto& kills = Engine->kill_list_;
    auto it = std::find(kills.rbegin(), kills.rend(), this);
    if (it != kills.rend()) kills.erase(std::next(it).base());
    --Engine->all_count_;
  }
}

void Sprite::Adopt(std::unique_ptr<Sprite> child) {
  assert(Engine == nullptr || !Engine->Drawing());
  Sprite* raw = child.get();
  raw->adopted_ = true;
  children_.push_back(std::move(child));
  InsertIntoDrawList(raw);
}

// Binary insertion: the list stays ascending by Z, and a newcomer goes in
// front of every sibling of the same depth, so among equals the oldest is
// drawn last (on top).
void Sprite::InsertIntoDrawList(Sprite* child) {
  int low = 0;
  int high = static_cast<int>(draw_list_.size()) - 1;
  while (low <= high) {
    const int mid = (low + high) / 2;
    if (draw_list_[mid]->z_ < child->z_) {
      low = mid + 1;
    } else {
      high = mid - 1;
    }
  }
  draw_list_.insert(draw_list_.begin() + low, child);
}

void Sprite::RemoveFromDrawList(Sprite* child) {
  auto it = std::find(draw_list_.begin(), draw_list_.end(), child);
  if (it != draw_list_.end()) draw_list_.erase(it);
}

void Sprite::Release(Sprite* child) {
  RemoveFromDrawList(child);
  auto it = std::find_if(children_.begin(), children_.end(),
                         [child](const std::unique_ptr<Sprite>& p) { return p.get() == child; });
  if (it == children_.end()) return;
  std::unique_ptr<Sprite> doomed = std::move(*it);
  children_.erase(it);
  if (children_.empty()) {
    children_.shrink_to_fit();
    draw_list_.shrink_to_fit();
  }
  doomed.reset();
}

void Sprite::SetZ(int z) {
  if (z == z_) return;
  z_ = z;
  if (Parent != nullptr && adopted_) {
    Parent->RemoveFromDrawList(this);
    Parent->InsertIntoDrawList(this);
  }
}

void Sprite::Kill() {
  if (Engine == nullptr || killed_) return;
  assert(!Engine->Drawing());
  killed_ = true;
  Engine->kill_list_.push_back(this);
}

double Sprite::WorldX() const {
  return Parent != nullptr ? X + Parent->WorldX() : X;
}
double Sprite::WorldY() const {
  return Parent != nullptr ? Y + Parent->WorldY() : Y;
}

Sprite& Sprite::Child(int index) const {
  if (children_.empty() || index < 0 || index >= ChildCount()) {
    throw MediaError("Sprite has no child " + std::to_string(index));
  }
  return *children_[index];
}

void Sprite::Move(int move_count) {
  if (!Movable) return;
  MoveStep(move_count);
  // Sprites created during the pass are appended and first move next frame.
  const size_t count = children_.size();
  for (size_t i = 0; i < count; ++i) children_[i]->Move(move_count);
}

void Sprite::Draw() const {
  if (!Visible) return;
  if (Engine != nullptr && Overlaps(GetBounds(), Engine->SurfaceRect())) {
    DrawSelf();
    ++Engine->draw_count_;
  }
  for (const Sprite* child : draw_list_) child->Draw();
}

Rect Sprite::GetBounds() const {
  return RealRectOf(*this);
}
bool Sprite::HitTest(const Sprite&) const {
  return true;
}
void Sprite::OnHit(Sprite&, bool&) {}
void Sprite::DrawSelf() const {}
void Sprite::MoveStep(int) {}

int Sprite::CheckHits() {
  if (Engine == nullptr || killed_ || !Collidable) return 0;
  SpriteEngine& engine = *Engine;
  engine.hit_count_ = 0;
  engine.done_ = false;
  engine.source_rect_ = GetBounds();
  engine.source_ = this;
  const size_t count = engine.children_.size();
  for (size_t i = 0; i < count; ++i) engine.VisitForHits(*engine.children_[i]);
  engine.source_ = nullptr;
  return engine.hit_count_;
}

// --- ImageSprite ----------------------------------------------------------

void ImageSprite::SetImage(const PictureItem& image) {
  Image = &image;
  Width = image.Width();
  Height = image.Height();
  FrameCount = image.PatternCount();
}

Rect ImageSprite::GetBounds() const {
  int x = Trunc(WorldX());
  int y = Trunc(WorldY());
  if (Wrap && Engine != nullptr) {
    const Rect& s = Engine->SurfaceRect();
    if (s.Width() > 0) x = ((x % s.Width()) + s.Width()) % s.Width();
    if (s.Height() > 0) y = ((y % s.Height()) + s.Height()) % s.Height();
  }
  return RectOfSize(x, y, Width, Height);
}

Point ImageSprite::DrawPosition() const {
  const Rect bounds = GetBounds();
  const int pattern_w = Image != nullptr ? Image->Width() : Width;
  const int pattern_h = Image != nullptr ? Image->Height() : Height;
  return Point{bounds.left + (Width - pattern_w) / 2, bounds.top + (Height - pattern_h) / 2};
}

bool ImageSprite::HitTest(const Sprite& other) const {
  if (!PixelExact || !other.IsImageSprite()) return true;
  return PixelsTouch(*this, static_cast<const ImageSprite&>(other));
}

void ImageSprite::DrawSelf() const {
  if (Image == nullptr || Engine == nullptr) return;
  const Point at = DrawPosition();
  Image->Draw(Engine->GetSurface(), at.x, at.y, PatternIndex());
}

void ImageSprite::MoveStep(int move_count) {
  FramePos += FrameSpeed * move_count;
  if (FrameLooped) {
    if (FrameCount >= 1) {
      FramePos -= std::trunc(FramePos / FrameCount) * FrameCount;
      if (FramePos < 0) FramePos += FrameCount;
    } else {
      FramePos = 0;
    }
    return;
  }
  if (FramePos >= FrameCount) {
    FramePos = FrameCount - 1;
    FrameSpeed = 0;
  }
  if (FramePos < 0) {
    FramePos = 0;
    FrameSpeed = 0;
  }
}

// --- RotatedSprite --------------------------------------------------------

Rect RotatedSprite::GetBounds() const {
  return Engine != nullptr ? Engine->SurfaceRect() : Rect{};
}

Rect RotatedSprite::RealRect() const {
  return RealRectOf(*this);
}

bool RotatedSprite::HitTest(const Sprite& other) const {
  return Overlaps(RealRect(), RealRectOf(other));
}

void RotatedSprite::DrawSelf() const {
  if (Image == nullptr || Engine == nullptr || Engine->GetSurface() == nullptr) return;
  const PatternView pattern = Image->Pattern(PatternIndex());
  if (!pattern.Valid()) return;
  Surface& surface = *Engine->GetSurface();
  const Rect r = RealRect();
  const int angle = Angle & 255;
  if (angle == 0) {
    surface.BlitStretched(pattern, r, Alpha);
  } else {
    surface.BlitRotated(pattern, (r.left + r.right) / 2, (r.top + r.bottom) / 2, Width, Height,
                        angle, Alpha);
  }
}

// --- BackgroundSprite -----------------------------------------------------

BackgroundSprite::BackgroundSprite(Sprite* parent) : Sprite(parent) {
  Collidable = false;
}

void BackgroundSprite::SetMapSize(int width, int height) {
  if (width == map_width_ && height == map_height_) return;
  if (width < 1 || height < 1) {
    width = 0;
    height = 0;
  }
  map_width_ = width;
  map_height_ = height;
  cells_.assign(static_cast<size_t>(width) * height, 0);
  solid_cells_.assign(static_cast<size_t>(width) * height, 1);
}

int BackgroundSprite::Cell(int x, int y) const {
  if (x < 0 || y < 0 || x >= map_width_ || y >= map_height_) return -1;
  return cells_[static_cast<size_t>(x) + static_cast<size_t>(y) * map_width_];
}

void BackgroundSprite::SetCell(int x, int y, int pattern) {
  if (x < 0 || y < 0 || x >= map_width_ || y >= map_height_) return;
  cells_[static_cast<size_t>(x) + static_cast<size_t>(y) * map_width_] = pattern;
}

bool BackgroundSprite::SolidCell(int x, int y) const {
  if (x < 0 || y < 0 || x >= map_width_ || y >= map_height_) return false;
  return solid_cells_[static_cast<size_t>(x) + static_cast<size_t>(y) * map_width_] != 0;
}

Rect BackgroundSprite::GetBounds() const {
  if (Image == nullptr) return Rect{};
  if (Wrap) return Engine != nullptr ? Engine->SurfaceRect() : Rect{};
  return RectOfSize(Trunc(WorldX()), Trunc(WorldY()), Image->Width() * map_width_,
                    Image->Height() * map_height_);
}

bool BackgroundSprite::HitTest(const Sprite&) const {
  return false;
}

bool BackgroundSprite::CoversSurface() const {
  if (!Visible || !Wrap || Image == nullptr || cells_.empty()) return false;
  return std::all_of(cells_.begin(), cells_.end(),
                     [this](int32_t cell) { return Image->PatternOpaque(cell); });
}

void BackgroundSprite::DrawSelf() const {
  if (Image == nullptr || map_width_ == 0 || map_height_ == 0 || Engine == nullptr) return;
  Surface* surface = Engine->GetSurface();
  const int cw = Image->Width();
  const int ch = Image->Height();
  if (cw <= 0 || ch <= 0) return;
  const Rect& s = Engine->SurfaceRect();
  const int dw = (s.right + cw) / cw + 1;
  const int dh = (s.bottom + ch) / ch + 1;
  const int x0 = Trunc(WorldX());
  const int y0 = Trunc(WorldY());
  const int ox = x0 % cw;
  const int oy = y0 % ch;
  int sx = x0 / cw;
  int sy = y0 / ch;
  int sx_neg = 0;
  int sy_neg = 0;
  if (sx < 0) {
    sx_neg = -sx;
    sx = 0;
  }
  if (sy < 0) {
    sy_neg = -sy;
    sy = 0;
  }
  auto wrap = [](int v, int n) { return ((v % n) + n) % n; };
  for (int cy = -1; cy <= dh; ++cy) {
    for (int cx = -1; cx <= dw; ++cx) {
      int mx = cx - sx + sx_neg;
      int my = cy - sy + sy_neg;
      if (Wrap) {
        mx = wrap(mx, map_width_);
        my = wrap(my, map_height_);
      }
      const int cell = Cell(mx, my);
      if (cell >= 0) Image->Draw(surface, cx * cw + ox, cy * ch + oy, cell);
    }
  }
}

// --- SpriteEngine ---------------------------------------------------------

SpriteEngine::SpriteEngine() : Sprite(nullptr) {}

SpriteEngine::~SpriteEngine() {
  // Children reach back into the kill list while they go, so they must go
  // before the engine's own members do.
  while (ChildCount() > 0) Release(&Child(ChildCount() - 1));
}

void SpriteEngine::Purge() {
  while (!kill_list_.empty()) {
    Sprite* doomed = kill_list_.back();
    doomed->Parent->Release(doomed);
  }
}

void SpriteEngine::DrawAll() {
  if (surface_ == nullptr) return;
  drawing_ = true;
  draw_count_ = 0;
  Draw();
  drawing_ = false;
}

bool SpriteEngine::FirstDrawCoversSurface() const {
  const std::vector<Sprite*>& list = DrawList();
  return Visible && !list.empty() && list.front()->CoversSurface();
}

void SpriteEngine::SetSurface(Surface* surface) {
  surface_ = surface;
  surface_rect_ = surface != nullptr ? surface->Bounds() : Rect{};
  Width = surface_rect_.Width();
  Height = surface_rect_.Height();
}

void SpriteEngine::VisitForHits(Sprite& target) {
  if (!target.Collidable) return;
  Sprite& source = *source_;
  if (&target != &source && Overlaps(target.GetBounds(), source_rect_) && source.HitTest(target) &&
      target.HitTest(source)) {
    ++hit_count_;
    source.OnHit(target, done_);
    if (!source.Collidable || source.Killed()) done_ = true;
  }
  if (done_) return;
  const size_t count = target.children_.size();
  for (size_t i = 0; i < count; ++i) VisitForHits(*target.children_[i]);
}

Sprite* SpriteEngine::Find(uint32_t serial) const {
  if (serial == 0) return nullptr;
  Sprite* found = nullptr;
  auto visit = [&](const Sprite& s, auto& self) -> void {
    for (int i = 0; i < s.ChildCount() && found == nullptr; ++i) {
      Sprite& child = s.Child(i);
      if (child.Serial() == serial) {
        found = &child;
      } else {
        self(child, self);
      }
    }
  };
  visit(*this, visit);
  return found;
}

std::vector<const Sprite*> SpriteEngine::Sprites() const {
  std::vector<const Sprite*> out;
  auto visit = [&out](const Sprite& s, auto& self) -> void {
    out.push_back(&s);
    for (int i = 0; i < s.ChildCount(); ++i) self(s.Child(i), self);
  };
  for (int i = 0; i < ChildCount(); ++i) visit(Child(i), visit);
  return out;
}

}  // namespace zephyrant
