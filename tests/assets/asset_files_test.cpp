// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures, read straight from their files and held against
// the catalogue and against what the game relies on: 8-bit pictures whose
// colour key really is their transparent colour, frames that are never
// empty, an opaque star field, backgrounds that repeat without a seam,
// brighter highlighted words, and high-score letters on one baseline.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"
#include "tests/assets/catalogue_pictures.h"

namespace zephyrant {
namespace {

// Mean brightness of the drawn pixels.
double DrawnLuma(const IndexedPicture& p, Rgb key) {
  double sum = 0;
  int count = 0;
  for (uint8_t index : p.indices) {
    if (p.palette[index] == key) continue;
    sum += Luma(p.palette[index]);
    ++count;
  }
  return count > 0 ? sum / count : 0;
}

TEST(AssetPictures, EveryPictureIsAn8BitFileOfItsSizeWithItsKeyAndNoEmptyFrame) {
  for (const ImageListSpec& list : ImageCatalogue()) {
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      const Item item{&list, i};
      const ImageSpec& spec = item.Spec();
      SCOPED_TRACE(item.Path());
      std::ifstream file(item.Path(), std::ios::binary);
      const std::vector<char> header((std::istreambuf_iterator<char>(file)), {});
      ASSERT_GT(header.size(), 30u);
      EXPECT_EQ(header[28], 8) << "not 8 bits per pixel";
      const IndexedPicture picture = ReadBmp8(item.Path());
      ASSERT_EQ(picture.width, spec.width);
      ASSERT_EQ(picture.height, spec.height);
      EXPECT_NE(std::find(picture.palette.begin(), picture.palette.end(), spec.key),
                picture.palette.end())
          << "the colour key is not in the palette";
      const int pw = spec.pattern_width > 0 ? spec.pattern_width : spec.width;
      const int ph = spec.pattern_height > 0 ? spec.pattern_height : spec.height;
      EXPECT_EQ(spec.width % pw, 0);
      EXPECT_EQ(spec.height % ph, 0);
      int keyed = 0;
      for (int p = 0; p < spec.PatternCount(); ++p) {
        int drawn = 0;
        const int x0 = (p % (spec.width / pw)) * pw;
        const int y0 = (p / (spec.width / pw)) * ph;
        for (int y = y0; y < y0 + ph; ++y) {
          for (int x = x0; x < x0 + pw; ++x) {
            if (IsKey(picture, x, y, spec.key)) {
              ++keyed;
            } else {
              ++drawn;
            }
          }
        }
        EXPECT_GT(drawn, 0) << "pattern " << p << " is empty";
      }
      // Sprites are see-through around their shapes; the star field is the
      // one picture with nothing to see through.
      if (spec.name == "stars") {
        EXPECT_EQ(keyed, 0) << "the star field must be opaque";
      } else if (spec.name.rfind("track1", 0) != 0) {
        EXPECT_GT(keyed, 0) << "nothing is transparent";
      }
    }
  }
}

// How much the picture jumps across its wrap-around edge, against how much
// neighbouring columns (or rows) differ anywhere else.
double SeamRatio(const IndexedPicture& p, Rgb key, bool across) {
  const int along = across ? p.height : p.width;
  const int span = across ? p.width : p.height;
  const auto at = [&](int u, int v) {
    const int x = across ? u : v, y = across ? v : u;
    const Rgb c = p.palette[p.indices[y * p.width + x]];
    return c == key ? 0.0 : Luma(c);
  };
  double inside = 0;
  for (int u = 0; u + 1 < span; ++u) {
    for (int v = 0; v < along; ++v) inside += std::fabs(at(u + 1, v) - at(u, v));
  }
  inside /= static_cast<double>(span - 1) * along;
  double seam = 0;
  for (int v = 0; v < along; ++v) seam += std::fabs(at(0, v) - at(span - 1, v));
  seam /= along;
  return seam / inside;
}

TEST(AssetPictures, BackgroundsRepeatWithoutASeam) {
  for (const char* name : {"stars", "clouds"}) {
    const Item item = Find("Background", name);
    SCOPED_TRACE(name);
    const IndexedPicture p = ReadBmp8(item.Path());
    EXPECT_LT(SeamRatio(p, item.Spec().key, true), 1.6);
    EXPECT_LT(SeamRatio(p, item.Spec().key, false), 1.6);
  }
}

TEST(AssetPictures, CloudLayerLeavesMostOfThePlayfieldClear) {
  const Item item = Find("Background", "clouds");
  const IndexedPicture p = ReadBmp8(item.Path());
  const auto drawn = std::count_if(p.indices.begin(), p.indices.end(),
                                   [&](uint8_t i) { return p.palette[i] != item.Spec().key; });
  EXPECT_GT(drawn, 0);
  EXPECT_LT(static_cast<double>(drawn) / p.indices.size(), 0.16);
}

TEST(AssetPictures, HighlightedWordsAreBrighterThanTheirNormalForms) {
  const std::pair<const char*, std::pair<const char*, const char*>> pairs[] = {
      {"Menu", {"help_0", "help_1"}},
      {"Menu", {"new_game", "new_game1"}},
      {"Menu", {"options", "options1"}},
      {"Menu", {"scores", "scores1"}},
      {"Menu", {"exit", "exit1"}},
      {"Option", {"sound_0", "sound_1"}},
      {"Option", {"music_0", "music_1"}},
      {"Option", {"difficulty_0", "difficulty_1"}},
      {"Option", {"fullscreen_0", "fullscreen_1"}},
      {"Option", {"save_0", "save_1"}},
      {"Option", {"cancel_0", "cancel_1"}},
      {"Option", {"easy_0", "easy_1"}},
      {"Option", {"medium_0", "medium_1"}},
      {"Option", {"hard_0", "hard_1"}},
      {"Option", {"yes_0", "yes_1"}},
      {"Option", {"no_0", "no_1"}},
      {"Option", {"track2_0", "track2_1"}},
      {"Option", {"track1_0", "track1_1"}},
      {"Start", {"save_0", "save_1"}},
      {"Start", {"cancel_0", "cancel_1"}},
      {"GameHelp", {"site_0", "site_1"}},
      {"GameHelp", {"cancel_0", "cancel_1"}},
  };
  for (const auto& [list, names] : pairs) {
    SCOPED_TRACE(std::string(list) + "/" + names.second);
    const Item normal = Find(list, names.first);
    const Item lit = Find(list, names.second);
    EXPECT_GT(DrawnLuma(ReadBmp8(lit.Path()), lit.Spec().key),
              DrawnLuma(ReadBmp8(normal.Path()), normal.Spec().key) + 8);
  }
}

// The lowest drawn row of a glyph.
int Bottom(const Item& item) {
  const IndexedPicture p = ReadBmp8(item.Path());
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      if (!IsKey(p, x, y, item.Spec().key)) return y;
    }
  }
  return -1;
}

TEST(AssetPictures, HighScoreLettersStandOnOneBaseline) {
  const int baseline = Bottom(Find("HighScores", "A1"));
  std::vector<std::string> names;
  for (char c = '0'; c <= '9'; ++c) names.push_back(std::string(1, c) + "0");
  for (char c = 'A'; c <= 'Z'; ++c) names.push_back(std::string(1, c) + "1");
  for (char c : std::string("abcdefhiklmnorstuvwxz")) names.push_back(std::string(1, c) + "0");
  for (const std::string& name : names) {
    EXPECT_NEAR(Bottom(Find("HighScores", name)), baseline, 1) << name;
  }
  for (const char* name : {"g0", "j0", "p0", "q0"}) {
    EXPECT_GT(Bottom(Find("HighScores", name)), baseline + 1) << name << " has no descender";
  }
}

}  // namespace
}  // namespace zephyrant
