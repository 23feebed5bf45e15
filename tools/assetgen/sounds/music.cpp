// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one music track: four bars at about 146 beats a minute, built
// as an exact loop: every note tail and echo that runs past the end is
// folded back onto the start, so the last sample leads straight into the
// first. Short as it is, the loop has a shape: two bars of the tune over the
// full groove in A minor (Am, F), a lifted bar in D minor (Dm, Bb) with the
// drums in half time and the lead running arpeggios an octave up, then a
// break on E major with the drums out, the bass and pad holding and a snare
// roll pulling back into the top.

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
    // The tune proper.
    {0, 3, 76},
    {3, 3, 81},
    {6, 2, 84},
    {8, 2, 83},
    {10, 2, 81},
    {12, 4, 76},
    {16, 3, 77},
    {19, 3, 81},
    {22, 2, 84},
    {24, 4, 86},
    {28, 2, 84},
    {30, 2, 81},
    // The lift: arpeggios on Dm and Bb, an octave up.
    {32, 1, 86},
    {33, 1, 89},
    {34, 1, 93},
    {35, 1, 98},
    {36, 1, 93},
    {37, 1, 89},
    {38, 1, 86},
    {39, 1, 89},
    {40, 1, 82},
    {41, 1, 86},
    {42, 1, 89},
    {43, 1, 94},
    {44, 1, 89},
    {45, 1, 86},
    {46, 1, 82},
    {47, 1, 86},
    // The break: long notes on E major, the G sharp leaning back into A minor.
    {48, 6, 83},
    {54, 2, 81},
    {56, 8, 80},
};

// Each half bar's chord (MIDI notes) and bass root.
struct Harmony {
  int chord[3];
  int root;
};
const Harmony kHarmony[8] = {
    {{57, 60, 64}, 45}, {{57, 60, 64}, 45},  // Am
    {{53, 57, 60}, 41}, {{53, 57, 60}, 41},  // F
    {{62, 65, 69}, 50}, {{58, 62, 65}, 46},  // Dm, Bb
    {{56, 59, 64}, 40}, {{56, 59, 64}, 40},  // E
};

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

void Pad(Loop& loop, int start, double seconds, const int (&chord)[3], double level) {
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
      const double v = f.Run(raw, 900, loop.Rate(), 0.1).low * Gate(t, 0.25, seconds, 0.4) * level;
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

// The drums: four to the floor for the tune, half time with busy hats for
// the lift, nothing but a faint tick in the break until the roll.
void Drums(Loop& drums) {
  Random noise(1234);
  for (int s = 0; s < kSteps; ++s) {
    const int at = drums.StepFrame(s);
    const int beat = s % 16;
    if (s < 32) {
      if (beat % 4 == 0) Kick(drums, at);
      if (beat % 8 == 4) Snare(drums, at, 0.5, noise);
      if (beat % 2 == 0) Hat(drums, at, beat % 4 == 2 ? 0.16 : 0.09, 0.3, noise);
      if (beat % 4 == 3) Hat(drums, at, 0.05, -0.3, noise);
    } else if (s < 48) {
      if (beat == 0 || beat == 6 || beat == 10) Kick(drums, at);
      if (beat == 8) Snare(drums, at, 0.55, noise);
      Hat(drums, at, beat % 4 == 2 ? 0.14 : 0.06, beat % 2 ? -0.4 : 0.4, noise);
    } else if (s < 60) {
      if (beat % 4 == 0) Hat(drums, at, 0.04, 0, noise);
    } else {
      Snare(drums, at, 0.12 + 0.07 * (s - 60), noise);  // the roll back to the top
    }
  }
}

// The bass: pumping octaves under the tune, a syncopated figure under the
// lift, one low note to open the break and two to lead out of it.
void BassLine(Loop& bass) {
  const double step = bass.StepSeconds();
  for (int half = 0; half < 6; ++half) {
    const int root = kHarmony[half].root - 12;
    if (half < 4) {
      static const int kOctaves[4] = {0, 0, 12, 0};
      for (int e = 0; e < 4; ++e) {
        Bass(bass, bass.StepFrame(half * 8 + e * 2), step * 1.7, root + kOctaves[e]);
      }
    } else {
      for (const int at : {0, 3, 6}) {
        Bass(bass, bass.StepFrame(half * 8 + at), step * (at == 6 ? 1.7 : 2.6),
             root + (at == 3 ? 12 : 0));
      }
    }
  }
  Bass(bass, bass.StepFrame(48), step * 3.5, kHarmony[6].root - 12);
  Bass(bass, bass.StepFrame(60), step * 1.7, kHarmony[6].root);
  Bass(bass, bass.StepFrame(62), step * 1.7, kHarmony[6].root - 12);
}

}  // namespace

void Music(Track& track) {
  const int n = track.Frames();
  Loop drums(n, track.Rate()), bass(n, track.Rate()), lead(n, track.Rate()), pad(n, track.Rate());
  const double step = drums.StepSeconds();
  Drums(drums);
  BassLine(bass);
  // The pad swells in the break, where it carries the music alone.
  for (int bar = 0; bar < 4; ++bar) {
    const Harmony& first = kHarmony[bar * 2];
    const Harmony& second = kHarmony[bar * 2 + 1];
    const double level = bar == 3 ? 0.075 : 0.045;
    if (first.root == second.root) {
      Pad(pad, pad.StepFrame(bar * 16), step * 15.5, first.chord, level);
    } else {
      Pad(pad, pad.StepFrame(bar * 16), step * 7.5, first.chord, level);
      Pad(pad, pad.StepFrame(bar * 16 + 8), step * 7.5, second.chord, level);
    }
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
