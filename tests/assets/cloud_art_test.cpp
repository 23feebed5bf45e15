// SPDX-License-Identifier: GPL-3.0-or-later
// The cloud layer, read from its committed file: gas spread thinly over the
// whole tile, with edges that fade out.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"
#include "tests/assets/catalogue_pictures.h"

namespace zephyrant {
namespace {

int DrawnIn(const Drawn& d, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) n += d(x, y) ? 1 : 0;
  }
  return n;
}

TEST(CloudLayer, GasIsSpreadOverTheWholeTileRatherThanHeapedInOnePlace) {
  const Drawn d = ReadDrawn(Find("Background", "clouds"));
  const int w = d.picture.width;
  const int h = d.picture.height;
  // The screen shows the tile twice each way: a quarter that held most of
  // the gas, or none, would show as a lump repeated in a grid.
  for (int q = 0; q < 4; ++q) {
    const double share =
        static_cast<double>(DrawnIn(d, q % 2 * w / 2, q / 2 * h / 2, w / 2, h / 2)) / d.count;
    EXPECT_GT(share, 0.12) << "quarter " << q;
    EXPECT_LT(share, 0.45) << "quarter " << q;
  }
  for (int y = 0; y + 100 <= h; y += 100) {
    for (int x = 0; x + 100 <= w; x += 100) {
      EXPECT_GT(DrawnIn(d, x, y, 100, 100), 100) << "no gas near " << x << "," << y;
    }
  }
}

// Whether a pixel drawn (or clear) lies within `reach` of (x, y), across the
// wrap, since the tile's edges are not the gas's edges.
bool Near(const Drawn& d, int x, int y, int reach, bool drawn) {
  const int w = d.picture.width;
  const int h = d.picture.height;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (d((x + dx + w) % w, (y + dy + h) % h) == drawn) return true;
    }
  }
  return false;
}

TEST(CloudLayer, EdgesFadeIntoSpaceRatherThanEndingInAHardLine) {
  const Drawn d = ReadDrawn(Find("Background", "clouds"));
  const int w = d.picture.width;
  double rim = 0, inside = 0;
  int rims = 0, insides = 0;
  for (int y = 0; y < d.picture.height; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!d(x, y)) continue;
      const double luma = Luma(d.picture.palette[d.picture.indices[y * w + x]]);
      if (Near(d, x, y, 1, false)) {
        rim += luma;
        ++rims;
      } else if (!Near(d, x, y, 3, false)) {
        inside += luma;
        ++insides;
      }
    }
  }
  ASSERT_GT(rims, 0);
  ASSERT_GT(insides, 0);
  EXPECT_LT(rim / rims + 20, inside / insides);
}

TEST(CloudLayer, FrayedEdgesFollowNoFixedDitherGrid) {
  // An ordered dither draws some places of its 4 x 4 grid long before the
  // others, which shows as a checkerboard along every edge; scattered
  // fraying draws them all alike.
  const Drawn d = ReadDrawn(Find("Background", "clouds"));
  std::array<int, 16> drawn{}, near_edge{};
  for (int y = 0; y < d.picture.height; ++y) {
    for (int x = 0; x < d.picture.width; ++x) {
      if (!Near(d, x, y, 2, false) || !Near(d, x, y, 2, true)) continue;
      const int place = (y % 4) * 4 + x % 4;
      ++near_edge[place];
      drawn[place] += d(x, y) ? 1 : 0;
    }
  }
  double lowest = 1, highest = 0;
  for (int place = 0; place < 16; ++place) {
    ASSERT_GT(near_edge[place], 0);
    const double share = static_cast<double>(drawn[place]) / near_edge[place];
    lowest = std::min(lowest, share);
    highest = std::max(highest, share);
  }
  EXPECT_LT(highest - lowest, 0.1) << lowest << " to " << highest;
}

}  // namespace
}  // namespace zephyrant
