// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's two sounds: a soft tick when the selection moves and a firmer
// click when an item is chosen.

#include <cmath>
#include <stdexcept>

#include "tools/assetgen/sounds/sounds.h"

namespace zephyrant::assetgen {

namespace {

void AddTone(Track& track, double at, double hz, double life, double level, double pan) {
  for (int i = track.FrameAt(at); i < track.Frames(); ++i) {
    const double t = track.Seconds(i) - at;
    const double v = Sine(hz * t) + 0.18 * Sine(2 * hz * t);
    track.Add(i, v * level * Decay(t, life) * Attack(t, 0.0015), pan);
  }
}

void Button(Track& track) {
  AddTone(track, 0, 1760, 0.008, 0.8, -0.1);
  AddTone(track, 0.002, 2640, 0.005, 0.25, 0.1);
}

void Click(Track& track) {
  Random noise(5);
  Filter filter;
  // A short knock to open, then two notes a fifth apart.
  for (int i = 0; i < track.FrameAt(0.02); ++i) {
    const double t = track.Seconds(i);
    track.Add(i, filter.Run(noise.Signed(), 2400, track.Rate(), 0.4).band * Decay(t, 0.003) * 1.4);
  }
  for (int i = 0; i < track.Frames(); ++i) {
    const double t = track.Seconds(i);
    const double hz = 380 + 160 * Decay(t, 0.01);
    track.Add(i, Sine(hz * t) * Decay(t, 0.02) * Attack(t, 0.001) * 0.8);
  }
  AddTone(track, 0.012, 880, 0.035, 0.5, -0.2);
  AddTone(track, 0.055, 1320, 0.04, 0.45, 0.2);
}

}  // namespace

void MenuSound(const std::string& name, Track& track) {
  if (name == "button") return Button(track);
  if (name == "click") return Click(track);
  throw std::logic_error("no menu sound called '" + name + "'");
}

}  // namespace zephyrant::assetgen
