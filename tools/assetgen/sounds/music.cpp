// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one music track: four bars in A minor (Am, F, C, G) at about
// 146 beats a minute, with bass, lead, a soft pad and drums, built as an
// exact loop: every note tail and echo that runs past the end is folded
// back onto the start, so the last sample leads straight into the first.

#include <cmath>
#include <vector>

#include "tools/assetgen/sounds/sounds.h"

namespace zephyrant::assetgen {

namespace {

constexpr int kSteps = 64;  // sixteenth notes in the loop
constexpr double kTailSeconds = 3;

struct Note {
  int step;
  int length;  // in sixteenths
  int pitch;   // MIDI note number
};

// The tune, an octave below where it is written so that it stays mellow.
const std::vector<Note> kLead = {
    {0, 3, 76},  {3, 3, 81},  {6, 2, 84},  {8, 2, 83},  {10, 2, 81}, {12, 4, 76},
    {16, 3, 77}, {19, 3, 81}, {22, 2, 84}, {24, 4, 86}, {28, 2, 84}, {30, 2, 81},
    {32, 3, 79}, {35, 3, 84}, {38, 2, 88}, {40, 2, 86}, {42, 2, 84}, {44, 4, 79},
    {48, 3, 83}, {51, 3, 86}, {54, 2, 79}, {56, 4, 81}, {60, 2, 83}, {62, 2, 79},
};
const int kRoots[4] = {45, 41, 48, 43};  // A, F, C, G
const int kChords[4][3] = {{57, 60, 64}, {53, 57, 60}, {55, 60, 64}, {55, 59, 62}};

// A loop being built: a stereo buffer with room for tails past its end.
class Loop {
 public:
  Loop(int frames, int rate)
      : frames_(frames),
        rate_(rate),
        left(frames + static_cast<int>(kTailSeconds * rate)),
        right(left.size()) {}

  int Frames() const { return frames_; }
  int Rate() const { return rate_; }
  int StepFrame(int step) const {
    return static_cast<int>(std::llround(static_cast<double>(step) * frames_ / kSteps));
  }
  double StepSeconds() const { return static_cast<double>(frames_) / kSteps / rate_; }
  void Add(size_t i, double l, double r) {
    if (i >= left.size()) return;
    left[i] += l;
    right[i] += r;
  }
  // Folds everything past the end back onto the start.
  void Fold() {
    for (size_t i = frames_; i < left.size(); ++i) {
      left[i % frames_] += left[i];
      right[i % frames_] += right[i];
    }
    left.resize(frames_);
    right.resize(frames_);
  }

 private:
  int frames_;
  int rate_;

 public:
  std::vector<double> left;
  std::vector<double> right;
};

void Kick(Loop& loop, int start) {
  double phase = 0;
  for (int i = 0; i < static_cast<int>(0.35 * loop.Rate()); ++i) {
    const double t = static_cast<double>(i) / loop.Rate();
    phase += (45 + 110 * Decay(t, 0.012)) / loop.Rate();
    const double v = std::tanh(2.2 * Sine(phase)) * Decay(t, 0.07) * Attack(t, 0.001) * 0.55;
    loop.Add(start + i, v, v);
  }
}

void Snare(Loop& loop, int start, double level, Random& noise) {
  Filter fl, fr;
  for (int i = 0; i < static_cast<int>(0.3 * loop.Rate()); ++i) {
    const double t = static_cast<double>(i) / loop.Rate();
    const double body = Sine(190 * t) * Decay(t, 0.025) * 0.5;
    const double env = Decay(t, 0.045) * Attack(t, 0.001) * level;
    const double l = fl.Run(noise.Signed(), 2400, loop.Rate(), 0.3).band * 1.6;
    const double r = fr.Run(noise.Signed(), 2600, loop.Rate(), 0.3).band * 1.6;
    loop.Add(start + i, (l + body) * env, (r + body) * env);
  }
}

void Hat(Loop& loop, int start, double level, double pan, Random& noise) {
  Filter f;
  for (int i = 0; i < static_cast<int>(0.08 * loop.Rate()); ++i) {
    const double t = static_cast<double>(i) / loop.Rate();
    const double v = f.Run(noise.Signed(), 3600, loop.Rate(), 0.2).high * Decay(t, 0.012) * level;
    loop.Add(start + i, v * (1 - pan), v * (1 + pan));
  }
}

void Bass(Loop& loop, int start, double seconds, int pitch) {
  Filter f;
  double phase = 0;
  const double hz = NoteHz(pitch);
  for (int i = 0; i < static_cast<int>((seconds + 0.05) * loop.Rate()); ++i) {
    const double t = static_cast<double>(i) / loop.Rate();
    const double step = hz / loop.Rate();
    phase += step;
    const double raw = Saw(phase, step) * 0.7 + Square(phase * 0.5, step * 0.5) * 0.3;
    const double cutoff = 220 + 900 * Decay(t, 0.04);
    const double v =
        f.Run(raw, cutoff, loop.Rate(), 0.45).low * Gate(t, 0.004, seconds, 0.03) * 0.5;
    loop.Add(start + i, v, v);
  }
}

void Lead(Loop& loop, int start, double seconds, int pitch) {
  Filter f;
  double phase = 0;
  const double hz = NoteHz(pitch);
  for (int i = 0; i < static_cast<int>((seconds + 0.12) * loop.Rate()); ++i) {
    const double t = static_cast<double>(i) / loop.Rate();
    // Vibrato creeps in on the held notes.
    const double bend =
        0.12 * SmoothStep(0.12f, 0.3f, static_cast<float>(t)) * std::sin(kTau * 5.5 * t);
    const double step = hz * std::exp2(bend / 12) / loop.Rate();
    phase += step;
    const double raw = Square(phase, step, 0.32) * 0.6 + Saw(phase * 1.003, step) * 0.4;
    const double cutoff = 1400 + 1800 * Decay(t, 0.08);
    const double env = Gate(t, 0.01, seconds * 0.92, 0.1) * (0.75 + 0.25 * Decay(t, 0.1));
    const double v = f.Run(raw, cutoff, loop.Rate(), 0.25).low * env * 0.22;
    loop.Add(start + i, v, v);
  }
}

void Pad(Loop& loop, int start, double seconds, const int (&chord)[3]) {
  for (int k = 0; k < 3; ++k) {
    Filter f;
    double phase_a = 0.13 * k, phase_b = 0.41 * k;
    const double hz = NoteHz(chord[k]);
    for (int i = 0; i < static_cast<int>((seconds + 0.4) * loop.Rate()); ++i) {
      const double t = static_cast<double>(i) / loop.Rate();
      const double step = hz / loop.Rate();
      phase_a += step * 1.004;
      phase_b += step * 0.996;
      const double raw = Saw(phase_a, step) + Saw(phase_b, step);
      const double v = f.Run(raw, 900, loop.Rate(), 0.1).low * Gate(t, 0.25, seconds, 0.4) * 0.045;
      const double pan = (k - 1) * 0.5;
      loop.Add(start + i, v * (1 - pan), v * (1 + pan));
    }
  }
}

// A stereo echo run round the loop until it settles, so the repeats that
// fall past the end come back in at the start.
void Echo(Loop& loop, double delay_seconds, double feedback, double mix) {
  const int n = loop.Frames();
  const int delay = static_cast<int>(std::llround(delay_seconds * loop.Rate()));
  std::vector<double> line_l(delay, 0), line_r(delay, 0);
  std::vector<double> out_l(n), out_r(n);
  size_t pos = 0;
  for (int pass = 0; pass < 4; ++pass) {
    for (int i = 0; i < n; ++i) {
      const double dl = line_l[pos];
      const double dr = line_r[pos];
      // Ping-pong: each repeat crosses to the other side.
      line_l[pos] = loop.left[i] + dr * feedback;
      line_r[pos] = loop.right[i] * 0.3 + dl * feedback;
      pos = (pos + 1) % delay;
      out_l[i] = loop.left[i] + dl * mix;
      out_r[i] = loop.right[i] + dr * mix;
    }
  }
  loop.left = out_l;
  loop.right = out_r;
}

}  // namespace

void Music(Track& track) {
  const int n = track.Frames();
  Loop drums(n, track.Rate()), bass(n, track.Rate()), lead(n, track.Rate()), pad(n, track.Rate());
  Random noise(1234);
  const double step = drums.StepSeconds();
  for (int s = 0; s < kSteps; ++s) {
    const int at = drums.StepFrame(s);
    if (s % 4 == 0) Kick(drums, at);
    if (s % 8 == 4) Snare(drums, at, 0.5, noise);
    if (s == 62 || s == 63) Snare(drums, at, 0.28, noise);  // a short roll into the loop
    if (s % 2 == 0) Hat(drums, at, s % 4 == 2 ? 0.16 : 0.09, 0.3, noise);
    if (s % 4 == 3) Hat(drums, at, 0.05, -0.3, noise);
  }
  for (int bar = 0; bar < 4; ++bar) {
    static const int kOctaves[8] = {0, 0, 12, 0, 0, 12, 0, 7};
    for (int e = 0; e < 8; ++e) {
      const int s = bar * 16 + e * 2;
      Bass(bass, bass.StepFrame(s), step * 1.7, kRoots[bar] - 12 + kOctaves[e]);
    }
    Pad(pad, pad.StepFrame(bar * 16), step * 15.5, kChords[bar]);
  }
  for (const Note& note : kLead) {
    Lead(lead, lead.StepFrame(note.step), step * note.length, note.pitch - 12);
  }
  for (Loop* part : {&drums, &bass, &lead, &pad}) part->Fold();
  Echo(lead, step * 3, 0.35, 0.45);
  for (int i = 0; i < n; ++i) {
    track.AddStereo(i, drums.left[i] + bass.left[i] + lead.left[i] + pad.left[i],
                    drums.right[i] + bass.right[i] + lead.right[i] + pad.right[i]);
  }
  track.Normalise(1.0);
  track.Saturate(1.3);
}

}  // namespace zephyrant::assetgen
