// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/sprite.h"

namespace zephyrant {

// The beam emitter under the boss: re-aims while no beam is under way and
// lays ten segments along the aim, one a step, then dies away.
class Boss2BeamEmitter final : public RotatedSprite {
 public:
  static constexpr int kFirstSegmentAge = 31;
  static constexpr int kLastSegmentAge = 40;
  static constexpr int kLifetime = 60;

  explicit Boss2BeamEmitter(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Age = 0;

 private:
  void LaySegment();
};

// A rocket thrown with the boss's drift, falling faster and faster, that
// homes once well below the boss.
class Boss2ThrownRocket final : public RotatedSprite {
 public:
  static constexpr double kHomingLine = 120;

  explicit Boss2ThrownRocket(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;

  int Aim = 0;
  double DriftX = 0;
};

// One segment of the beam. It stays where it was laid until the beam's
// count has passed the ninth segment; every segment then counts itself off
// and goes, and the count starts again once the beam has run its course.
class Boss2BeamSegment final : public RotatedSprite {
 public:
  static constexpr int kFullBeam = 9;
  static constexpr int kBeamCycle = 19;

  explicit Boss2BeamSegment(Sprite* parent) : RotatedSprite(parent) {}
  void MoveStep(int move_count) override;
  void OnHit(Sprite& other, bool& done) override;
};

}  // namespace zephyrant
