// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace zephyrant {

// Shot directions are whole "aim" steps of 2.2/90 radian: 0 points right,
// about 64 straight down (Y grows downward).
inline constexpr double kRadiansPerAim = 2.2 / 90.0;
// Pictures of shots point down; this turns an aim into their drawing angle.
inline constexpr double kDownAimOffset = 450.0 / 7.0;

// The aim toward a displacement, rounded half to even. The arc cosine only
// gives 0..pi, so an aimed shot never climbs. A shot already on its target
// has no direction to take and keeps `current`.
inline int AimToward(double dx, double dy, int current) {
  const double distance = std::sqrt(dx * dx + dy * dy);
  if (distance == 0 || !std::isfinite(distance)) return current;
  // Rounding can push the cosine a hair past 1 when dy is 0.
  const double cosine = std::fmax(-1.0, std::fmin(1.0, dx / distance));
  return static_cast<int>(std::nearbyint(std::acos(cosine) / kRadiansPerAim));
}

// The drawing angle (256 a turn) of a downward-pointing picture flying along `aim`.
inline int AngleOfAim(int aim) {
  return static_cast<int>(std::nearbyint(aim - kDownAimOffset));
}

inline double AimStepX(int aim, double speed) {
  return speed * std::cos(aim * kRadiansPerAim);
}

inline double AimStepY(int aim, double speed) {
  return speed * std::sin(aim * kRadiansPerAim);
}

}  // namespace zephyrant
