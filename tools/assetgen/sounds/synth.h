// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "framework/platform.h"
#include "tools/assetgen/draw/random.h"
#include "tools/assetgen/draw/vec.h"

namespace zephyrant::assetgen {

inline constexpr double kTau = 6.283185307179586;

// A stereo sound being built, in floating point, at its final sample rate.
class Track {
 public:
  Track(int rate, double seconds);

  int Rate() const { return rate_; }
  int Frames() const { return static_cast<int>(left.size()); }
  double Seconds(int frame) const { return static_cast<double>(frame) / rate_; }
  int FrameAt(double seconds) const;

  // Adds a mono sample at `pan` (-1 left, 0 centre, 1 right).
  void Add(int frame, double value, double pan = 0);
  void AddStereo(int frame, double left_value, double right_value);
  // Scales the whole track so its loudest sample reaches `peak`.
  void Normalise(double peak);
  // Squeezes peaks so the sound carries at the game's low volumes.
  void Saturate(double drive);
  // Short fades at both ends, so no sound starts or stops with a click.
  void FadeEnds(double seconds);

  std::vector<double> left;
  std::vector<double> right;

 private:
  int rate_;
};

// Band-limited oscillators; phase runs from 0 to 1, `step` is the phase
// advance per sample (frequency / rate).
double Sine(double phase);
double Saw(double phase, double step);
double Square(double phase, double step, double width = 0.5);
double Triangle(double phase);

// A resonant filter (state-variable), cutoff and resonance settable per sample.
class Filter {
 public:
  struct Out {
    double low, band, high;
  };
  Out Run(double input, double cutoff_hz, double rate, double resonance = 0.5);

 private:
  double low_ = 0;
  double band_ = 0;
};

// A one-pole smoother: a gentle low pass.
class Smooth {
 public:
  double Run(double input, double cutoff_hz, double rate);

 private:
  double state_ = 0;
};

// Envelope pieces, t in seconds from the start of the note.
double Decay(double t, double half_life);
double Attack(double t, double rise);
// A note that rises over `attack`, holds, then dies over `release` at `length`.
double Gate(double t, double attack, double length, double release);

// Frequency of a MIDI note number (69 = A 440 Hz).
double NoteHz(double note);

// Writes the track as 8-bit or 16-bit stereo PCM, with triangular dither.
WaveData ToWave(const Track& track, int bits, uint64_t dither_seed);

}  // namespace zephyrant::assetgen
