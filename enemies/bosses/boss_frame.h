// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every boss shares: the fields of its move step and the parts of that
// step that are the same for all five; each boss fires its own volleys.

#include "framework/sprite.h"

namespace zephyrant {

// How one boss class differs in the shared behaviour.
struct BossRules {
  double sideSpeed;  // pixels a step once it drifts
  int threshold;     // boss hits that bring it down, and its worth in points
};

// The boss's own clock, cool-down and drift. A boss runs Hover, then its
// volleys, then Settle, every move step.
class BossFrame {
 public:
  static constexpr int kClockStep = 5;

  // Everything before the volleys: removal when play stops, death at the
  // threshold, the turn decision, the edge bounce, the drift, and telling
  // the shots tied to the boss where it now stands.
  void Hover(ImageSprite& boss, const BossRules& rules);
  // Everything after the volleys: the clock and the hit pass.
  void Settle(ImageSprite& boss);

  // A volley needs this much clock since the last volley of any kind.
  bool CooledDown(int cool_down) const { return clock_ - last_shot_ >= cool_down; }
  // A volley that fires holds back every other, later ones of this step too.
  void Fired() { last_shot_ = clock_; }

  int Clock() const { return clock_; }
  int LastShot() const { return last_shot_; }
  double VX() const { return vx_; }
  double TurnTimer() const { return turn_timer_; }

 private:
  void Die(ImageSprite& boss, const BossRules& rules);
  void DecideTurn(const ImageSprite& boss, double side_speed);

  int clock_ = 0;
  int last_shot_ = 0;
  double vx_ = 0;  // a new boss hovers until its first turn
  double turn_timer_ = 0;
};

}  // namespace zephyrant
