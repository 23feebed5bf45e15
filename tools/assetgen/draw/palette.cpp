// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/draw/palette.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zephyrant::assetgen {

namespace {

constexpr int kPaletteSize = 256;
constexpr int kBinBits = 5;
constexpr int kBinsPerChannel = 1 << kBinBits;
constexpr int kRefinements = 10;

// How much a difference in each channel shows to the eye.
constexpr double kWeightR = 2.0;
constexpr double kWeightG = 4.0;
constexpr double kWeightB = 3.0;

struct Bin {
  double weight = 0;
  double r = 0;
  double g = 0;
  double b = 0;
};

struct Point {
  double r, g, b, weight;
};

double Distance(double r0, double g0, double b0, double r1, double g1, double b1) {
  return kWeightR * (r0 - r1) * (r0 - r1) + kWeightG * (g0 - g1) * (g0 - g1) +
         kWeightB * (b0 - b1) * (b0 - b1);
}

int Channel8(float v) {
  return static_cast<int>(std::lround(Clamp01(v) * 255));
}

// The colours of every drawn pixel, gathered into a coarse histogram. Each
// picture weighs by the square root of its size, so the big backgrounds do
// not crowd out the small sprites.
std::vector<Point> Gather(const std::vector<const Picture*>& pictures) {
  std::vector<Bin> bins(kBinsPerChannel * kBinsPerChannel * kBinsPerChannel);
  for (const Picture* picture : pictures) {
    const double weight = 1.0 / std::sqrt(static_cast<double>(picture->width * picture->height));
    for (size_t i = 0; i < picture->colour.size(); ++i) {
      if (!picture->solid[i]) continue;
      const Colour& c = picture->colour[i];
      const int r = Channel8(c.r);
      const int g = Channel8(c.g);
      const int b = Channel8(c.b);
      // Saturated and bright colours are few but carry the game's accents.
      const double vivid = 1 + 2 * (std::max({r, g, b}) - std::min({r, g, b})) / 255.0;
      Bin& bin = bins[((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)];
      bin.weight += weight * vivid;
      bin.r += r * weight * vivid;
      bin.g += g * weight * vivid;
      bin.b += b * weight * vivid;
    }
  }
  std::vector<Point> points;
  for (const Bin& bin : bins) {
    if (bin.weight <= 0) continue;
    points.push_back({bin.r / bin.weight, bin.g / bin.weight, bin.b / bin.weight, bin.weight});
  }
  return points;
}

struct Cluster {
  std::vector<int> members;
  double error = 0;
};

double ChannelOf(const Point& p, int channel) {
  return channel == 0 ? p.r : channel == 1 ? p.g : p.b;
}

void Measure(Cluster& c, const std::vector<Point>& points) {
  double w = 0, r = 0, g = 0, b = 0;
  for (int i : c.members) {
    w += points[i].weight;
    r += points[i].r * points[i].weight;
    g += points[i].g * points[i].weight;
    b += points[i].b * points[i].weight;
  }
  c.error = 0;
  if (w <= 0) return;
  r /= w;
  g /= w;
  b /= w;
  for (int i : c.members) {
    c.error += points[i].weight * Distance(points[i].r, points[i].g, points[i].b, r, g, b);
  }
}

// Median cut: split the cluster with the largest error along its widest
// channel at the weighted median, until there are `count` clusters.
std::vector<Cluster> MedianCut(const std::vector<Point>& points, int count) {
  std::vector<Cluster> clusters(1);
  for (int i = 0; i < static_cast<int>(points.size()); ++i) clusters[0].members.push_back(i);
  Measure(clusters[0], points);
  while (static_cast<int>(clusters.size()) < count) {
    size_t worst = 0;
    for (size_t i = 1; i < clusters.size(); ++i) {
      if (clusters[i].error > clusters[worst].error) worst = i;
    }
    Cluster& c = clusters[worst];
    if (c.members.size() < 2 || c.error <= 0) break;
    int channel = 0;
    double widest = -1;
    const double scale[3] = {kWeightR, kWeightG, kWeightB};
    for (int ch = 0; ch < 3; ++ch) {
      double lo = 1e9, hi = -1e9;
      for (int i : c.members) {
        lo = std::min(lo, ChannelOf(points[i], ch));
        hi = std::max(hi, ChannelOf(points[i], ch));
      }
      if ((hi - lo) * std::sqrt(scale[ch]) > widest) {
        widest = (hi - lo) * std::sqrt(scale[ch]);
        channel = ch;
      }
    }
    std::stable_sort(c.members.begin(), c.members.end(), [&](int a, int b) {
      return ChannelOf(points[a], channel) < ChannelOf(points[b], channel);
    });
    double total = 0;
    for (int i : c.members) total += points[i].weight;
    double running = 0;
    size_t cut = 1;
    for (size_t k = 0; k + 1 < c.members.size(); ++k) {
      running += points[c.members[k]].weight;
      cut = k + 1;
      if (running >= total / 2) break;
    }
    Cluster upper;
    upper.members.assign(c.members.begin() + static_cast<long>(cut), c.members.end());
    c.members.resize(cut);
    Measure(c, points);
    Measure(upper, points);
    clusters.push_back(std::move(upper));
  }
  return clusters;
}

}  // namespace

Palette Palette::Build(const std::vector<const Picture*>& pictures, const std::vector<Rgb>& keys) {
  Palette palette;
  palette.colours_ = keys;
  palette.first_drawing_ = static_cast<int>(keys.size());
  const std::vector<Point> points = Gather(pictures);
  const int wanted = kPaletteSize - palette.first_drawing_;
  std::vector<Cluster> clusters = MedianCut(points, wanted);

  // Then a few rounds of k-means to settle each colour at the centre of the
  // pixels it stands for.
  std::vector<Point> centres;
  for (const Cluster& c : clusters) {
    double w = 0, r = 0, g = 0, b = 0;
    for (int i : c.members) {
      w += points[i].weight;
      r += points[i].r * points[i].weight;
      g += points[i].g * points[i].weight;
      b += points[i].b * points[i].weight;
    }
    if (w > 0) centres.push_back({r / w, g / w, b / w, w});
  }
  for (int round = 0; round < kRefinements; ++round) {
    std::vector<Point> sums(centres.size(), Point{0, 0, 0, 0});
    for (const Point& p : points) {
      size_t best = 0;
      double best_d = 1e30;
      for (size_t k = 0; k < centres.size(); ++k) {
        const double d = Distance(p.r, p.g, p.b, centres[k].r, centres[k].g, centres[k].b);
        if (d < best_d) {
          best_d = d;
          best = k;
        }
      }
      sums[best].r += p.r * p.weight;
      sums[best].g += p.g * p.weight;
      sums[best].b += p.b * p.weight;
      sums[best].weight += p.weight;
    }
    for (size_t k = 0; k < centres.size(); ++k) {
      if (sums[k].weight <= 0) continue;
      centres[k] = {sums[k].r / sums[k].weight, sums[k].g / sums[k].weight,
                    sums[k].b / sums[k].weight, sums[k].weight};
    }
  }
  std::stable_sort(centres.begin(), centres.end(), [](const Point& a, const Point& b) {
    return a.r * 0.299 + a.g * 0.587 + a.b * 0.114 < b.r * 0.299 + b.g * 0.587 + b.b * 0.114;
  });
  for (const Point& c : centres) {
    Rgb colour{static_cast<uint8_t>(std::lround(c.r)), static_cast<uint8_t>(std::lround(c.g)),
               static_cast<uint8_t>(std::lround(c.b))};
    while (std::find(keys.begin(), keys.end(), colour) != keys.end()) {
      colour.b = static_cast<uint8_t>(colour.b + 1);
    }
    palette.colours_.push_back(colour);
  }
  while (palette.colours_.size() < kPaletteSize)
    palette.colours_.push_back(palette.colours_.back());
  palette.nearest_cache_.assign(size_t{1} << 24, -1);
  return palette;
}

int Palette::Nearest(int r, int g, int b) const {
  int16_t& cached = nearest_cache_[(static_cast<size_t>(r) << 16) | (g << 8) | b];
  if (cached >= 0) return cached;
  int best = first_drawing_;
  double best_d = 1e30;
  for (int i = first_drawing_; i < static_cast<int>(colours_.size()); ++i) {
    const double d = Distance(r, g, b, colours_[i].r, colours_[i].g, colours_[i].b);
    if (d < best_d) {
      best_d = d;
      best = i;
    }
  }
  cached = static_cast<int16_t>(best);
  return best;
}

IndexedPicture Palette::Quantise(const Picture& picture, Rgb key) const {
  const auto key_at = std::find(colours_.begin(), colours_.begin() + first_drawing_, key);
  if (key_at == colours_.begin() + first_drawing_)
    throw std::logic_error("colour key not in palette");
  const uint8_t key_index = static_cast<uint8_t>(key_at - colours_.begin());
  // A 4 x 4 ordered dither, which repeats across every picture size the
  // backgrounds use, so they still tile.
  static constexpr int kBayer[4][4] = {
      {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  IndexedPicture out;
  out.width = picture.width;
  out.height = picture.height;
  out.palette = colours_;
  out.indices.assign(static_cast<size_t>(picture.width) * picture.height, key_index);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const size_t i = static_cast<size_t>(y) * picture.width + x;
      if (!picture.solid[i]) continue;
      const Colour& c = picture.colour[i];
      float r = Clamp01(c.r) * 255, g = Clamp01(c.g) * 255, b = Clamp01(c.b) * 255;
      if (picture.dither) {
        const float offset = (kBayer[y & 3][x & 3] - 7.5f) * 0.55f;
        r += offset;
        g += offset;
        b += offset;
      }
      const auto to8 = [](float v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0f, 255.0f)));
      };
      out.indices[i] = static_cast<uint8_t>(Nearest(to8(r), to8(g), to8(b)));
    }
  }
  return out;
}

}  // namespace zephyrant::assetgen
