// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/sounds/voices.h"

#include <cmath>

namespace zephyrant::assetgen {

void AddBlast(Track& track, const Blast& b) {
  Random noise(b.seed);
  Filter left_filter, right_filter, crack_filter;
  const int start = track.FrameAt(b.at);
  double boom_phase = 0;
  const double rate = track.Rate();
  for (int i = start; i < track.Frames(); ++i) {
    const double t = (i - start) / rate;
    const double n_left = noise.Signed();
    const double n_right = noise.Signed() * b.width + n_left * (1 - b.width);
    // Crack: the first few milliseconds, bright and sharp.
    const double crack_level = b.crack * Decay(t, 0.012) * Attack(t, 0.001);
    const double crack = crack_filter.Run(n_left, b.crack_hz, rate, 0.2).band * crack_level * 2.2;
    // Thump: a sine sliding down in pitch.
    const double hz = b.boom_to + (b.boom_from - b.boom_to) * Decay(t, b.boom_life * 0.7);
    boom_phase += hz / rate;
    const double boom =
        std::tanh(1.8 * Sine(boom_phase)) * b.boom * Decay(t, b.boom_life) * Attack(t, 0.003);
    // Rumble: noise whose brightness falls with its level.
    const double level = b.rumble * Decay(t, b.rumble_life) * Attack(t, 0.006);
    const double cutoff = 120 + b.rumble_hz * Decay(t, b.rumble_life * 0.8);
    const double rumble_left = left_filter.Run(n_left, cutoff, rate, 0.35).low * level * 1.6;
    const double rumble_right = right_filter.Run(n_right, cutoff, rate, 0.35).low * level * 1.6;
    // Debris: sparse clicks that thin out.
    double debris = 0;
    if (noise.Unit() < 0.004 * Decay(t, b.rumble_life * 1.5) && t > 0.03) {
      debris = noise.Signed() * b.crackle;
    }
    const double centre = crack + boom;
    track.AddStereo(i, centre + rumble_left + debris * 0.7, centre + rumble_right + debris * 0.5);
  }
}

void AddSweep(Track& track, const Sweep& s) {
  const double rate = track.Rate();
  Filter filter;
  double phase = 0;
  for (int i = track.FrameAt(s.at); i < track.Frames(); ++i) {
    const double t = track.Seconds(i) - s.at;
    const double bend = s.vibrato * std::sin(kTau * s.vibrato_hz * t) / 12;
    const double hz =
        (s.to_hz + (s.from_hz - s.to_hz) * std::exp(-t * 3 / s.glide)) * std::exp2(bend);
    const double step = hz / rate;
    phase += step;
    double v = 0;
    switch (s.shape) {
      case 0:
        v = Sine(phase);
        break;
      case 1:
        v = Triangle(phase);
        break;
      case 2:
        v = Square(phase, step, s.width);
        break;
      default:
        v = Saw(phase, step);
        break;
    }
    if (s.cutoff > 0) v = filter.Run(v, s.cutoff, rate, 0.3).low;
    track.Add(i, v * s.level * Decay(t, s.life) * Attack(t, s.attack), s.pan);
  }
}

}  // namespace zephyrant::assetgen
