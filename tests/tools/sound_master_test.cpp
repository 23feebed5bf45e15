// SPDX-License-Identifier: GPL-3.0-or-later
// The finishing stage of the generated sounds: no offset thumps, no clicks
// at the ends or at a loop's seam, peaks under the ceiling, and effects of
// any shape brought to one loudness.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tools/assetgen/sounds/master.h"

namespace zephyrant::assetgen {
namespace {

double Mean(const std::vector<double>& channel) {
  double sum = 0;
  for (const double v : channel) sum += v;
  return sum / static_cast<double>(channel.size());
}

double Peak(const Track& track) {
  double peak = 0;
  for (int i = 0; i < track.Frames(); ++i) {
    peak = std::max({peak, std::fabs(track.left[i]), std::fabs(track.right[i])});
  }
  return peak;
}

double Db(double ratio) {
  return 20 * std::log10(ratio);
}

// A narrow pulse wave sits mostly on one side of zero: the shape that gave
// the laser its thump.
void AddPulses(Track& track, double hz, double level, int from, int to) {
  for (int i = from; i < to; ++i) {
    const double step = hz / track.Rate();
    track.AddStereo(i, level * Square(i * step, step, 0.2), level * Square(i * step, step, 0.3));
  }
}

TEST(SoundMaster, OffsetsGoWhileTheSoundStillStartsAndEndsAtSilence) {
  Track track(11025, 0.3);
  AddPulses(track, 880, 0.5, 0, track.FrameAt(0.2));
  track.FadeEnds(0.004);
  ASSERT_LT(Mean(track.left), -0.1);
  RemoveOffset(track, kOffsetCutoffHz);
  EXPECT_NEAR(Mean(track.left), 0, 1e-6);
  EXPECT_NEAR(Mean(track.right), 0, 1e-6);
  EXPECT_NEAR(track.left.front(), 0, 1e-9);
  // The offset is taken out where it was, not smeared over the silence.
  double tail = 0;
  for (int i = track.FrameAt(0.25); i < track.Frames(); ++i) {
    tail = std::max(tail, std::fabs(track.left[i]));
  }
  EXPECT_LT(tail, 0.01);
  EXPECT_LT(std::fabs(track.left.back()), 0.005);
}

TEST(SoundMaster, ALoopLosesItsOffsetButStillJoinsWithoutAJump) {
  // Exactly 100 cycles, so the loop is seamless to begin with.
  Track track(8000, 0.5);
  AddPulses(track, 200, 0.5, 0, track.Frames());
  RemoveLoopOffset(track, kOffsetCutoffHz);
  EXPECT_NEAR(Mean(track.left), 0, 1e-4);
  EXPECT_NEAR(Mean(track.right), 0, 1e-4);
  // The first sample follows the last exactly as one cycle follows the next.
  const int cycle = 40;
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(track.left[i], track.left[i + cycle], 1e-4);
    EXPECT_NEAR(track.left[track.Frames() - 1 - i], track.left[track.Frames() - 1 - i - cycle],
                1e-4);
  }
}

TEST(SoundMaster, TheLimiterHoldsPeaksUnderTheCeilingAndLeavesQuietPartsAlone) {
  Track track(22050, 0.4);
  for (int i = 0; i < track.Frames(); ++i) track.AddStereo(i, 0.1 * Sine(i * 0.02), 0);
  // A few wild spikes late on.
  for (const int at : {4000, 4003, 4500}) track.AddStereo(at, 3, -2.5);
  const Track before = track;
  Limit(track, 0.8);
  EXPECT_LE(Peak(track), 0.8);
  for (int i = 0; i < 3900; ++i) ASSERT_EQ(track.left[i], before.left[i]) << i;
  // The level comes down over a couple of milliseconds rather than at one
  // sample, and comes back after.
  EXPECT_LT(std::fabs(track.left[3990] / before.left[3990]), 0.9);
  EXPECT_NEAR(track.left[track.Frames() - 100] / before.left[track.Frames() - 100], 1, 0.05);
}

TEST(SoundMaster, SpikyAndDenseEffectsComeOutEquallyLoudUnderTheCeiling) {
  // A short click with a long faint tail, and a steady loud buzz.
  Track spiky(11025, 0.5), dense(11025, 0.5);
  for (int i = 0; i < spiky.Frames(); ++i) {
    const double t = spiky.Seconds(i);
    spiky.Add(i, 0.05 * Sine(1000 * t) * Decay(t, 0.01) + 0.01 * Sine(300 * t));
  }
  AddPulses(dense, 150, 2, 0, dense.Frames());
  for (Track* track : {&spiky, &dense}) {
    Master(*track, 0.35, 0.89);
    EXPECT_NEAR(Db(LoudestRms(*track, 0.05) / 0.35), 0, 1);
    EXPECT_LE(Peak(*track), 0.89);
    EXPECT_NEAR(Mean(track->left), 0, 0.002);
  }
}

TEST(SoundMaster, LoudestRmsFindsTheLoudestStretchNotTheAverage) {
  Track track(8000, 1);
  for (int i = 0; i < track.Frames(); ++i) {
    const double t = track.Seconds(i);
    track.AddStereo(i, (t > 0.6 && t < 0.7 ? 0.8 : 0.05) * Sine(440 * t), 0);
  }
  // Half the power is in the silent right channel.
  EXPECT_NEAR(LoudestRms(track, 0.05), 0.8 / 2, 0.01);
}

}  // namespace
}  // namespace zephyrant::assetgen
