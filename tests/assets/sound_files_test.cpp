// SPDX-License-Identifier: GPL-3.0-or-later
// The committed sounds, read straight from their files: the exact format and
// length, a music loop that does not click and does not stand still,
// effects that start and end at silence, nothing off centre (an offset is a
// thump each time a sound plays), peaks under full scale, effects of play
// that carry equally under the music, and explosions that each sound like
// their own event.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"

namespace zephyrant {
namespace {

const std::string kAssets = ZEPHYRANT_SOURCE_ASSETS;
constexpr double kFullScale = 32768;

struct Pcm {
  WaveData wave;
  int Frames() const { return static_cast<int>(wave.pcm.size() / wave.FrameBytes()); }
  int Sample(int frame, int channel) const {
    const size_t at =
        static_cast<size_t>(frame) * wave.FrameBytes() + channel * (wave.bits_per_sample / 8);
    if (wave.bits_per_sample == 8) return (wave.pcm[at] - 128) * 256;
    return static_cast<int16_t>(wave.pcm[at] | wave.pcm[at + 1] << 8);
  }
  int Rate() const { return wave.sample_rate; }
  // Mean square of both channels over frames [from, to), full scale 1.
  double Power(int from, int to) const {
    double sum = 0;
    for (int f = from; f < to; ++f) {
      for (int c = 0; c < 2; ++c) sum += std::pow(Sample(f, c) / kFullScale, 2);
    }
    return sum / (2.0 * std::max(1, to - from));
  }
};

void ForEachSound(const std::function<void(const SoundSpec&, const Pcm&)>& check) {
  for (const SoundListSpec& list : SoundCatalogue()) {
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      SCOPED_TRACE(SoundPath(list, i));
      check(list.items[i], Pcm{ReadWav(kAssets + "/" + SoundPath(list, i))});
    }
  }
}

const SoundListSpec& EffectSounds() {
  for (const SoundListSpec& list : SoundCatalogue()) {
    if (list.name == "EffectSounds") return list;
  }
  throw std::logic_error("no effect sounds in the catalogue");
}

Pcm ReadEffect(int index) {
  return Pcm{ReadWav(kAssets + "/" + SoundPath(EffectSounds(), index))};
}

// RMS of the loudest 50 ms, full scale 1.
double LoudestRms(const Pcm& pcm) {
  const int window = pcm.Rate() / 20;
  double loudest = 0;
  for (int from = 0; from + window <= pcm.Frames(); from += window / 10) {
    loudest = std::max(loudest, pcm.Power(from, from + window));
  }
  return std::sqrt(loudest);
}

// Level every 10 ms over the first `seconds`.
std::vector<double> Envelope(const Pcm& pcm, double seconds) {
  const int window = pcm.Rate() / 100;
  std::vector<double> level;
  for (int k = 0; k < static_cast<int>(seconds * 100); ++k) {
    level.push_back(std::sqrt(pcm.Power(k * window, (k + 1) * window)));
  }
  return level;
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
  const double n = static_cast<double>(a.size());
  double ma = 0, mb = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    ma += a[i] / n;
    mb += b[i] / n;
  }
  double ab = 0, aa = 0, bb = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    ab += (a[i] - ma) * (b[i] - mb);
    aa += (a[i] - ma) * (a[i] - ma);
    bb += (b[i] - mb) * (b[i] - mb);
  }
  return ab / std::sqrt(aa * bb);
}

TEST(AssetSounds, EverySoundIsStereoAtItsRateDepthAndLengthToTheHundredth) {
  ForEachSound([](const SoundSpec& spec, const Pcm& pcm) {
    EXPECT_EQ(pcm.wave.sample_rate, spec.sample_rate);
    EXPECT_EQ(pcm.wave.bits_per_sample, spec.bits);
    EXPECT_EQ(pcm.wave.channels, 2);
    EXPECT_EQ(std::lround(100.0 * pcm.Frames() / spec.sample_rate),
              std::lround(100 * spec.seconds));
    int loudest = 0;
    for (int f = 0; f < pcm.Frames(); ++f) loudest = std::max(loudest, std::abs(pcm.Sample(f, 0)));
    EXPECT_GT(loudest, 8000) << "too quiet to carry at the game's volumes";
  });
}

TEST(AssetSounds, MusicLoopsWithoutAClick) {
  const Pcm pcm{ReadWav(kAssets + "/main/Music/00_music1.wav")};
  ASSERT_GT(pcm.Frames(), 1000);
  for (int channel = 0; channel < 2; ++channel) {
    std::vector<int> steps;
    for (int f = 0; f + 1 < pcm.Frames(); ++f) {
      steps.push_back(std::abs(pcm.Sample(f + 1, channel) - pcm.Sample(f, channel)));
    }
    std::sort(steps.begin(), steps.end());
    const int usual = steps[steps.size() * 99 / 100];
    const int seam = std::abs(pcm.Sample(0, channel) - pcm.Sample(pcm.Frames() - 1, channel));
    EXPECT_LE(seam, usual) << "channel " << channel;
  }
}

TEST(AssetSounds, TheMusicChangesAcrossItsLoopWithABreak) {
  const Pcm pcm{ReadWav(kAssets + "/main/Music/00_music1.wav")};
  std::vector<double> bars;
  for (int bar = 0; bar < 4; ++bar) {
    bars.push_back(10 *
                   std::log10(pcm.Power(bar * pcm.Frames() / 4, (bar + 1) * pcm.Frames() / 4)));
  }
  // Four bars of one groove at one level would be the same bar four times.
  EXPECT_GT(
      *std::max_element(bars.begin(), bars.end()) - *std::min_element(bars.begin(), bars.end()),
      2.0);
}

TEST(AssetSounds, EffectsEndInSilenceSoTheyNeverCutOffWithAClick) {
  ForEachSound([](const SoundSpec& spec, const Pcm& pcm) {
    if (spec.looped) return;
    for (int channel = 0; channel < 2; ++channel) {
      EXPECT_LE(std::abs(pcm.Sample(0, channel)), 512);
      EXPECT_LE(std::abs(pcm.Sample(pcm.Frames() - 1, channel)), 512);
    }
  });
}

TEST(AssetSounds, NoSoundSitsOffCentre) {
  ForEachSound([](const SoundSpec&, const Pcm& pcm) {
    for (int channel = 0; channel < 2; ++channel) {
      double sum = 0;
      for (int f = 0; f < pcm.Frames(); ++f) sum += pcm.Sample(f, channel);
      EXPECT_LT(std::fabs(sum / pcm.Frames() / kFullScale), 0.005) << "channel " << channel;
    }
  });
}

TEST(AssetSounds, EveryPeakStaysClearOfFullScale) {
  ForEachSound([](const SoundSpec&, const Pcm& pcm) {
    int loudest = 0;
    for (int f = 0; f < pcm.Frames(); ++f) {
      loudest = std::max({loudest, std::abs(pcm.Sample(f, 0)), std::abs(pcm.Sample(f, 1))});
    }
    EXPECT_LT(20 * std::log10(loudest / kFullScale), -0.5);
  });
}

TEST(AssetSounds, EffectsOfPlayCarryEquallyOverTheirLoudest50Ms) {
  std::map<double, std::string> by_loudness;
  for (int i = 0; i < static_cast<int>(EffectSounds().items.size()); ++i) {
    by_loudness[20 * std::log10(LoudestRms(ReadEffect(i)))] = EffectSounds().items[i].name;
  }
  const auto quietest = by_loudness.begin();
  const auto loudest = std::prev(by_loudness.end());
  EXPECT_LT(loudest->first - quietest->first, 3.0)
      << quietest->second << " at " << quietest->first << " dBFS, " << loudest->second << " at "
      << loudest->first << " dBFS";
}

TEST(AssetSounds, EachExplosionHasAnEnvelopeOfItsOwn) {
  std::vector<std::pair<std::string, Pcm>> blasts;
  for (int i = 0; i < static_cast<int>(EffectSounds().items.size()); ++i) {
    const std::string& name = EffectSounds().items[i].name;
    if (name.size() > 4 && name.compare(name.size() - 4, 4, "_exp") == 0) {
      blasts.emplace_back(name, ReadEffect(i));
    }
  }
  ASSERT_EQ(blasts.size(), 5u);
  for (size_t a = 0; a < blasts.size(); ++a) {
    for (size_t b = a + 1; b < blasts.size(); ++b) {
      const Pcm& pa = blasts[a].second;
      const Pcm& pb = blasts[b].second;
      const double seconds = std::min(static_cast<double>(pa.Frames()) / pa.Rate(),
                                      static_cast<double>(pb.Frames()) / pb.Rate());
      EXPECT_LT(Correlation(Envelope(pa, seconds), Envelope(pb, seconds)), 0.9)
          << blasts[a].first << " and " << blasts[b].first << " rise and fall alike";
    }
  }
}

}  // namespace
}  // namespace zephyrant
