#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// A shell or laser bolt: climbs straight up; a boss loses a hit at once, a
// small enemy counts the hit in its own pass.
class TShell final : public TImageSprite {
 public:
  explicit TShell(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
};

// A rocket: climbs fast, is worth five shells on a boss, and flies on
// through a cluster of small enemies for the rest of the tick it first hits one.
class TRocet final : public TImageSprite {
 public:
  static constexpr int kBossHits = 5;
  explicit TRocet(TSprite* parent) : TImageSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(TSprite& other, bool& done) override;
  int HitCounter() const { return hit_counter_; }

 private:
  int hit_counter_ = 0;
};

}  // namespace zephyrant
