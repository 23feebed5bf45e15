// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cassert>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/geometry.h"
#include "framework/image_list.h"
#include "framework/surface.h"

namespace zephyrant {

class SpriteEngine;

// The base of every sprite: membership in the sprite tree, position, flags,
// deferred deletion and the three passes (move, draw, hit).
class Sprite {
 public:
  explicit Sprite(Sprite* parent);
  virtual ~Sprite();
  Sprite(const Sprite&) = delete;
  Sprite& operator=(const Sprite&) = delete;

  SpriteEngine* Engine = nullptr;
  Sprite* Parent = nullptr;
  bool Collidable = true;
  bool Movable = true;
  bool Visible = true;
  double X = 0;
  double Y = 0;
  int Width = 0;
  int Height = 0;

  bool Killed() const { return killed_; }
  int Z() const { return z_; }
  // A number no other sprite of the engine had or will have, from 1; what the
  // game keeps instead of a pointer when it must name a sprite across frames.
  uint32_t Serial() const { return serial_; }
  // Changes the draw depth; equal depths keep their place.
  void SetZ(int z);
  // Marks the sprite for the next purge. It stays fully alive until then.
  void Kill();

  double WorldX() const;
  double WorldY() const;

  // Hit pass with this sprite as the source; the number of sprites touched.
  int CheckHits();

  int ChildCount() const { return static_cast<int>(children_.size()); }
  Sprite& Child(int index) const;
  const std::vector<Sprite*>& DrawList() const { return draw_list_; }

  // Creates a child sprite of this one. Every creation in the game goes
  // through here, so the tree always owns what it holds.
  template <class T, class... Args>
  T& Spawn(Args&&... args) {
    auto sprite = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *sprite;
    Adopt(std::move(sprite));
    return ref;
  }

  // The move pass over this sprite and its children.
  void Move(int move_count);
  // The draw pass over this sprite and its children.
  void Draw() const;

  virtual Rect GetBounds() const;
  virtual bool HitTest(const Sprite& other) const;

  // Reaction when this sprite, as the source of a hit pass, touches `other`.
  // `done` belongs to the pass: setting it stops the descent into `other`'s children.
  virtual void OnHit(Sprite& other, bool& done);
  virtual void DrawSelf() const;
  virtual void MoveStep(int move_count);

  // True when drawing this sprite paints every pixel of the surface.
  virtual bool CoversSurface() const { return false; }

  // Which draw kind a sprite is, for the pixel test and the dumps.
  virtual bool IsImageSprite() const { return false; }
  virtual bool IsRotatedSprite() const { return false; }

 private:
  friend class SpriteEngine;
  void Adopt(std::unique_ptr<Sprite> child);
  void InsertIntoDrawList(Sprite* child);
  void RemoveFromDrawList(Sprite* child);
  void Release(Sprite* child);  // frees a child

  bool killed_ = false;
  bool adopted_ = false;  // in the parent's lists
  int z_ = 0;
  uint32_t serial_ = 0;
  std::vector<std::unique_ptr<Sprite>> children_;
  std::vector<Sprite*> draw_list_;
};

// A sprite that draws one pattern of a picture and animates through them.
class ImageSprite : public Sprite {
 public:
  explicit ImageSprite(Sprite* parent) : Sprite(parent) {}

  const PictureItem* Image = nullptr;
  int FrameCount = 0;
  bool FrameLooped = false;
  double FramePos = 0;
  double FrameSpeed = 0;
  int FrameStart = 0;
  bool PixelExact = false;
  bool Wrap = false;
  bool Transparent = true;

  // Sets the picture and takes Width, Height and FrameCount from it.
  void SetImage(const PictureItem& image);
  int PatternIndex() const { return FrameStart + static_cast<int>(FramePos); }

  Rect GetBounds() const override;
  bool HitTest(const Sprite& other) const override;
  void DrawSelf() const override;
  // The animation advance.
  void MoveStep(int move_count) override;
  bool IsImageSprite() const override { return true; }

  // Where the current pattern is drawn: bounds top-left plus the centring shift.
  Point DrawPosition() const;
};

// An image sprite drawn stretched, rotated or blended.
class RotatedSprite : public ImageSprite {
 public:
  explicit RotatedSprite(Sprite* parent) : ImageSprite(parent) {}

  int Angle = 0;    // 256 units per turn, clockwise on screen
  int Alpha = 255;  // opacity

  // The whole surface: rotated sprites are never culled.
  Rect GetBounds() const override;
  bool HitTest(const Sprite& other) const override;
  void DrawSelf() const override;
  bool IsRotatedSprite() const override { return true; }
  Rect RealRect() const;
};

// A cell map of patterns; the game's two endlessly repeating layers.
class BackgroundSprite : public Sprite {
 public:
  explicit BackgroundSprite(Sprite* parent);

  const PictureItem* Image = nullptr;
  bool Wrap = false;

  int MapWidth() const { return map_width_; }
  int MapHeight() const { return map_height_; }
  void SetMapSize(int width, int height);
  // -1 (no pattern) outside the map.
  int Cell(int x, int y) const;
  void SetCell(int x, int y, int pattern);
  bool SolidCell(int x, int y) const;

  Rect GetBounds() const override;
  bool HitTest(const Sprite& other) const override;
  void DrawSelf() const override;
  // A wrapped map of opaque patterns only tiles the whole surface.
  bool CoversSurface() const override;

 private:
  int map_width_ = 0;
  int map_height_ = 0;
  std::vector<int32_t> cells_;
  std::vector<uint8_t> solid_cells_;
};

// The root of the sprite tree: owns every sprite, the kill list, the hit
// pass state and the drawing surface.
class SpriteEngine : public Sprite {
 public:
  SpriteEngine();
  ~SpriteEngine() override;

  // Frees every sprite the last Kill marked, newest mark first.
  void Purge();
  // The draw pass (nothing while no surface is attached).
  void DrawAll();
  void MoveAll(int move_count) { Move(move_count); }

  void SetSurface(Surface* surface);
  Surface* GetSurface() const { return surface_; }
  const Rect& SurfaceRect() const { return surface_rect_; }

  // True when the first sprite of the draw pass paints the whole surface, so
  // clearing it first would change nothing.
  bool FirstDrawCoversSurface() const;

  int AllCount() const { return all_count_; }
  int DrawCount() const { return draw_count_; }
  bool Drawing() const { return drawing_; }

  // A whole-tree snapshot in insertion order, for dumps and tests.
  std::vector<const Sprite*> Sprites() const;
  // The living sprite with this serial, or null once it was purged.
  Sprite* Find(uint32_t serial) const;

 private:
  friend class Sprite;
  void VisitForHits(Sprite& target);

  Surface* surface_ = nullptr;
  Rect surface_rect_{};
  int all_count_ = 0;
  uint32_t last_serial_ = 0;
  mutable int draw_count_ = 0;
  mutable bool drawing_ = false;
  std::vector<Sprite*> kill_list_;
  // Hit pass state.
  int hit_count_ = 0;
  bool done_ = false;
  Rect source_rect_{};
  Sprite* source_ = nullptr;
};

}  // namespace zephyrant
