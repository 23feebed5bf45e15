// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/sprite.h"
#include "tests/support/pictures.h"

namespace zephyrant {
namespace {

using testing::kBluePixel;
using testing::kKey;
using testing::kRed;
using testing::kRedPixel;
using testing::MakePicture;
using testing::SolidPicture;

// A sprite that records what the engine does to it.
class Probe : public ImageSprite {
 public:
  explicit Probe(Sprite* parent, std::vector<std::string>* log = nullptr, std::string name = "")
      : ImageSprite(parent), log_(log), name_(std::move(name)) {}
  void MoveStep(int move_count) override {
    ImageSprite::MoveStep(move_count);
    ++moves;
    if (spawn_on_move) Parent->Spawn<Probe>(log_, "child");
  }
  void OnHit(Sprite& other, bool&) override {
    const auto* probe = dynamic_cast<Probe*>(&other);
    if (log_ != nullptr) log_->push_back(name_ + "->" + (probe ? probe->name_ : "?"));
    ++hits;
    if (kill_on_hit) Kill();
  }
  void DrawSelf() const override {
    ++draws;
    ImageSprite::DrawSelf();
  }
  int moves = 0;
  int hits = 0;
  mutable int draws = 0;
  bool spawn_on_move = false;
  bool kill_on_hit = false;

 private:
  std::vector<std::string>* log_;
  std::string name_;
};

class RotatedProbe : public RotatedSprite {
 public:
  explicit RotatedProbe(Sprite* parent) : RotatedSprite(parent) {}
  void DrawSelf() const override {
    ++draws;
    RotatedSprite::DrawSelf();
  }
  mutable int draws = 0;
};

class EngineTest : public ::testing::Test {
 protected:
  EngineTest() { engine.SetSurface(&surface); }
  Probe& Place(double x, double y, int w, int h, std::string name = "") {
    Probe& p = engine.Spawn<Probe>(&log, std::move(name));
    p.X = x;
    p.Y = y;
    p.Width = w;
    p.Height = h;
    return p;
  }
  Surface surface;
  SpriteEngine engine;
  std::vector<std::string> log;
};

TEST_F(EngineTest, EqualDepthsDrawTheNewestUnderneathAndSetZKeepsPlace) {
  auto red = SolidPicture(10, 10, kRed);
  auto blue = SolidPicture(10, 10, testing::kBlue);
  Probe& first = Place(0, 0, 10, 10);
  first.SetImage(*red);
  Probe& second = Place(0, 0, 10, 10);
  second.SetImage(*blue);
  engine.DrawAll();
  EXPECT_EQ(surface.At(5, 5), kRedPixel) << "the oldest of equal depths is drawn on top";

  second.SetZ(3);
  first.SetZ(3);  // now the newest at depth 3, so it goes underneath
  engine.DrawAll();
  EXPECT_EQ(surface.At(5, 5), kBluePixel);
  second.SetZ(3);  // unchanged depth: no move
  engine.DrawAll();
  EXPECT_EQ(surface.At(5, 5), kBluePixel);
  ASSERT_EQ(engine.DrawList().size(), 2u);
  EXPECT_EQ(engine.DrawList()[0], &first);
}

TEST_F(EngineTest, DepthSetInAConstructorIsInsertedOnce) {
  struct Deep : Sprite {
    explicit Deep(Sprite* parent) : Sprite(parent) { SetZ(4); }
  };
  engine.Spawn<Deep>();
  Place(0, 0, 1, 1);
  ASSERT_EQ(engine.DrawList().size(), 2u);
  EXPECT_EQ(engine.DrawList()[1]->Z(), 4);
}

TEST_F(EngineTest, KilledSpritesLiveUntilThePurgeAndAreFreedOnce) {
  Probe& target = Place(0, 0, 10, 10, "target");
  Probe& source = Place(5, 5, 10, 10, "source");
  EXPECT_EQ(engine.AllCount(), 2);
  target.Kill();
  target.Kill();
  engine.Move(1);
  EXPECT_EQ(target.moves, 1) << "a killed sprite is still moved";
  EXPECT_EQ(source.CheckHits(), 1) << "and can still be hit";
  engine.Purge();
  EXPECT_EQ(engine.AllCount(), 1);
  EXPECT_EQ(engine.ChildCount(), 1);
  engine.Purge();
  EXPECT_EQ(engine.AllCount(), 1);
}

TEST_F(EngineTest, SpritesCreatedDuringTheMovePassFirstMoveNextFrame) {
  Probe& parent_maker = Place(0, 0, 1, 1);
  parent_maker.spawn_on_move = true;
  engine.Move(1);
  ASSERT_EQ(engine.ChildCount(), 2);
  EXPECT_EQ(static_cast<Probe&>(engine.Child(1)).moves, 0);
  parent_maker.spawn_on_move = false;
  engine.Move(1);
  EXPECT_EQ(static_cast<Probe&>(engine.Child(1)).moves, 1);
}

TEST_F(EngineTest, ImmovableSpritesAndTheirChildrenAreNotMoved) {
  Probe& frozen = Place(0, 0, 1, 1);
  Probe& child = frozen.Spawn<Probe>();
  frozen.Movable = false;
  engine.Move(1);
  EXPECT_EQ(frozen.moves, 0);
  EXPECT_EQ(child.moves, 0);
}

TEST_F(EngineTest, ASourceThatKillsItselfKeepsReceivingHitsInThatPass) {
  Probe& source = Place(0, 0, 20, 20, "s");
  Place(5, 5, 5, 5, "a");
  Place(10, 10, 5, 5, "b");
  Place(100, 100, 5, 5, "far");
  source.kill_on_hit = true;
  EXPECT_EQ(source.CheckHits(), 2);
  EXPECT_EQ(log, (std::vector<std::string>{"s->a", "s->b"}));
  EXPECT_EQ(source.CheckHits(), 0) << "a killed source starts no pass";
}

TEST_F(EngineTest, RectanglesThatOnlyTouchNeitherCollideNorDraw) {
  Probe& source = Place(0, 0, 10, 10);
  Place(10, 0, 10, 10);  // shares the right edge
  Place(0, 10, 10, 10);  // shares the bottom edge
  EXPECT_EQ(source.CheckHits(), 0);

  auto red = SolidPicture(10, 10, kRed);
  Probe& outside = Place(800, 100, 10, 10);
  outside.SetImage(*red);
  Probe& corner = Place(-10, -10, 10, 10);
  corner.SetImage(*red);
  engine.DrawAll();
  EXPECT_EQ(outside.draws, 0);
  EXPECT_EQ(corner.draws, 0);
}

TEST_F(EngineTest, InvisibleParentsHideTheirChildrenAndUncollidableOnesShieldThem) {
  Probe& holder = Place(0, 0, 10, 10, "holder");
  Probe& child = holder.Spawn<Probe>(&log, "child");
  child.Width = child.Height = 10;
  holder.Visible = false;
  engine.DrawAll();
  EXPECT_EQ(child.draws, 0);

  Probe& source = Place(0, 0, 10, 10, "s");
  holder.Collidable = false;
  EXPECT_EQ(source.CheckHits(), 0);
  holder.Collidable = true;
  EXPECT_EQ(source.CheckHits(), 2);
}

TEST(Animation, OneShotStopsOnItsLastFrameAndLoopsWrap) {
  SpriteEngine engine;
  ImageSprite& once = engine.Spawn<ImageSprite>();
  once.FrameCount = 3;
  once.FrameSpeed = 0.5;
  ImageSprite& looped = engine.Spawn<ImageSprite>();
  looped.FrameCount = 3;
  looped.FrameSpeed = 0.5;
  looped.FrameLooped = true;
  for (int tick = 0; tick < 5; ++tick) engine.Move(1);
  EXPECT_DOUBLE_EQ(once.FramePos, 2.5);
  EXPECT_DOUBLE_EQ(looped.FramePos, 2.5);
  engine.Move(1);
  EXPECT_DOUBLE_EQ(once.FramePos, 2.0);
  EXPECT_DOUBLE_EQ(once.FrameSpeed, 0.0) << "a finished one-shot says so by its speed";
  EXPECT_DOUBLE_EQ(looped.FramePos, 0.0);
  looped.FrameSpeed = -1;
  engine.Move(1);
  EXPECT_DOUBLE_EQ(looped.FramePos, 2.0) << "backwards wraps to the end";
  engine.Move(4);  // late frames advance by the lag
  EXPECT_DOUBLE_EQ(looped.FramePos, 1.0);
}

TEST_F(EngineTest, RotatedSpritesAreNeverCulledAndCoverTheWholeSurfaceAsSources) {
  auto red = SolidPicture(10, 10, kRed);
  RotatedProbe& far = engine.Spawn<RotatedProbe>();
  far.SetImage(*red);
  far.X = 5000;
  far.Y = -5000;
  Place(700, 500, 10, 10, "anything");
  engine.DrawAll();
  EXPECT_EQ(far.draws, 1);
  EXPECT_EQ(far.CheckHits(), 0) << "its own fine test still uses its real rectangle";
  far.X = 695;
  far.Y = 495;
  EXPECT_EQ(far.CheckHits(), 1);
}

TEST_F(EngineTest, PixelExactSpritesSeeRotatedPatternsAtTheSurfaceCorner) {
  auto red = SolidPicture(10, 10, kRed);
  Probe& exact = Place(300, 300, 10, 10, "exact");
  exact.SetImage(*red);
  exact.PixelExact = true;
  RotatedProbe& ex = engine.Spawn<RotatedProbe>();
  ex.SetImage(*red);
  ex.X = 300;
  ex.Y = 300;
  EXPECT_EQ(exact.CheckHits(), 0) << "the rotated pattern counts as lying at the top-left corner";
  EXPECT_EQ(ex.CheckHits(), 0);
  exact.X = 5;
  exact.Y = 5;
  ex.X = 5;
  ex.Y = 5;
  EXPECT_EQ(exact.CheckHits(), 1);
}

TEST_F(EngineTest, PixelExactHitsNeedVisiblePixelsOnBothSides) {
  // A ring: only the border is painted, the middle is colour key.
  auto ring = MakePicture(20, 20, 0, 0, [](int x, int y) {
    return (x == 0 || y == 0 || x == 19 || y == 19) ? kRed : kKey;
  });
  auto dot = SolidPicture(4, 4, kRed);
  Probe& exact = Place(100, 100, 20, 20, "ring");
  exact.SetImage(*ring);
  exact.PixelExact = true;
  Probe& inside = Place(108, 108, 4, 4, "dot");
  inside.SetImage(*dot);
  EXPECT_EQ(exact.CheckHits(), 0);
  inside.X = 98;  // now over the left border
  EXPECT_EQ(exact.CheckHits(), 1);
}

TEST_F(EngineTest, BackgroundMapsOfNoSizeDrawNothing) {
  BackgroundSprite& background = engine.Spawn<BackgroundSprite>();
  EXPECT_FALSE(background.Collidable);
  background.SetMapSize(0, 5);
  EXPECT_EQ(background.MapWidth(), 0);
  EXPECT_EQ(background.MapHeight(), 0);
  auto red = SolidPicture(10, 10, kRed);
  background.Image = red.get();
  engine.DrawAll();
  EXPECT_EQ(surface.At(0, 0), 0u);
  background.SetMapSize(2, 2);
  EXPECT_EQ(background.Cell(1, 1), 0);
  EXPECT_TRUE(background.SolidCell(1, 1));
  EXPECT_EQ(background.Cell(2, 0), -1);
}

TEST_F(EngineTest, OnlyAnOpaqueWrappedLayerDrawnFirstCoversTheSurface) {
  auto opaque = SolidPicture(40, 30, kRed);
  auto holed = MakePicture(40, 30, 0, 0, [](int x, int) { return x == 3 ? kKey : kRed; });
  BackgroundSprite& background = engine.Spawn<BackgroundSprite>();
  background.SetMapSize(1, 1);
  background.Image = opaque.get();
  EXPECT_FALSE(engine.FirstDrawCoversSurface()) << "without wrap the map covers one tile";
  background.Wrap = true;
  EXPECT_TRUE(engine.FirstDrawCoversSurface());
  background.Image = holed.get();
  EXPECT_FALSE(engine.FirstDrawCoversSurface());
  background.Image = opaque.get();
  Place(0, 0, 5, 5).SetZ(-10);  // something drawn before it
  EXPECT_FALSE(engine.FirstDrawCoversSurface());
}

TEST_F(EngineTest, WrappedBackgroundsRepeatInBothDirections) {
  // A 40 x 30 tile: red with a white pixel at its top-left corner.
  auto tile = MakePicture(40, 30, 0, 0,
                          [](int x, int y) { return x == 0 && y == 0 ? testing::kWhite : kRed; });
  BackgroundSprite& background = engine.Spawn<BackgroundSprite>();
  background.Image = tile.get();
  background.SetMapSize(1, 1);
  background.Wrap = true;
  background.X = 10;
  background.Y = -7;
  engine.DrawAll();
  EXPECT_EQ(surface.At(10, 23), testing::kWhitePixel);
  EXPECT_EQ(surface.At(50, 53), testing::kWhitePixel);
  EXPECT_EQ(surface.At(770, 593), testing::kWhitePixel);
  EXPECT_EQ(surface.At(0, 0), kRedPixel) << "no gap at the edges";
  EXPECT_EQ(surface.At(799, 599), kRedPixel);
}

}  // namespace
}  // namespace zephyrant
