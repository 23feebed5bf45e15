// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures as the player meets them in play: every shot burns
// in a colour no star has and stands out from the nebula, the ship's shell
// keeps the outline its hits are tested with, and the labels of the playing
// screen sit on the baseline of the numbers the game draws beside them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/surface.h"
#include "framework/text.h"
#include "tests/assets/catalogue_pictures.h"

namespace zephyrant {
namespace {

// The lists of shots, and which of their pictures are solid bodies rather
// than light: rockets, boss 3's bomb and the bosses' spare cannons are hulls
// with a dark rim and read like the ships.
bool IsShotList(const ImageListSpec& list) {
  return list.name == "LittleShell" || list.name == "ListSh" || list.name == "ListShell";
}
bool IsSolidBody(const std::string& name) {
  return name.rfind("rocet", 0) == 0 || name.rfind("cannon", 0) == 0 || name == "shell3_0";
}

struct Loaded {
  IndexedPicture picture;
  Rgb key;
};

Loaded Load(const Item& item) {
  return {ReadBmp8(item.Path()), item.Spec().key};
}

Loaded Load(Holder holder, const std::string& list_name, const std::string& item_name) {
  return Load(Find(holder, list_name, item_name));
}

double Distance(Rgb a, Rgb b) {
  const double dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return std::sqrt(dr * dr + dg * dg + db * db);
}

std::vector<Rgb> DrawnColours(const Loaded& shot) {
  std::vector<Rgb> drawn;
  for (const uint8_t index : shot.picture.indices) {
    const Rgb c = shot.picture.palette[index];
    if (!(c == shot.key)) drawn.push_back(c);
  }
  return drawn;
}

// The star field split into what a shot must not look like (the stars) and
// what it must stand out from (the nebula at its brightest).
struct StarField {
  std::vector<Rgb> stars;
  double nebula = 0;
};

const StarField& Field() {
  static const StarField field = [] {
    const Loaded sky = Load(Holder::kMain, "Background", "stars");
    std::vector<double> lumas;
    StarField f;
    for (const uint8_t index : sky.picture.indices) {
      const Rgb c = sky.picture.palette[index];
      lumas.push_back(Luma(c));
      if (Luma(c) >= 60 && std::find(f.stars.begin(), f.stars.end(), c) == f.stars.end()) {
        f.stars.push_back(c);
      }
    }
    std::sort(lumas.begin(), lumas.end());
    f.nebula = lumas[lumas.size() * 99 / 100];
    return f;
  }();
  return field;
}

// The colour a shot burns with: the mean of its brightest quarter.
Rgb Heart(std::vector<Rgb> drawn) {
  std::sort(drawn.begin(), drawn.end(), [](Rgb a, Rgb b) { return Luma(a) > Luma(b); });
  const size_t n = std::max<size_t>(1, drawn.size() / 4);
  double r = 0, g = 0, b = 0;
  for (size_t i = 0; i < n; ++i) {
    r += drawn[i].r;
    g += drawn[i].g;
    b += drawn[i].b;
  }
  return Rgb{static_cast<uint8_t>(r / n), static_cast<uint8_t>(g / n), static_cast<uint8_t>(b / n)};
}

// A white or pale heart is what hides a shot among the stars; 55 is well
// clear of every star's tint at any brightness.
constexpr double kStarMargin = 55;
// How far, on average, the lit pixels of a shot rise above the brightest
// nebula; a dim halo melting into the nebula pulls this down.
constexpr double kNebulaContrast = 60;

// Calls check(name, shot) for every light shot of the catalogue.
template <class Check>
void ForEachLightShot(Check&& check) {
  int count = 0;
  for (const ImageListSpec& list : ImageCatalogue()) {
    if (!IsShotList(list)) continue;
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      const ImageSpec& item = list.items[i];
      if (IsSolidBody(item.name)) continue;
      SCOPED_TRACE(list.name + "/" + item.name);
      check(Load(Item{&list, i}));
      ++count;
    }
  }
  EXPECT_GE(count, 30) << "shots missing from the catalogue";
}

TEST(ShotPictures, EveryShotBurnsInAColourNoStarHas) {
  ASSERT_GT(Field().stars.size(), 5u);
  ForEachLightShot([](const Loaded& shot) {
    const Rgb heart = Heart(DrawnColours(shot));
    const Rgb star =
        *std::min_element(Field().stars.begin(), Field().stars.end(),
                          [&](Rgb a, Rgb b) { return Distance(heart, a) < Distance(heart, b); });
    EXPECT_GE(Distance(heart, star), kStarMargin)
        << "heart (" << +heart.r << "," << +heart.g << "," << +heart.b << ") looks like a star ("
        << +star.r << "," << +star.g << "," << +star.b << ")";
  });
}

TEST(ShotPictures, EveryShotStandsOutFromTheNebula) {
  ForEachLightShot([](const Loaded& shot) {
    double rise = 0;
    int lit = 0;
    for (const Rgb c : DrawnColours(shot)) {
      // Pixels darker than the nebula are the shot's rim, which outlines it.
      if (Luma(c) <= Field().nebula) continue;
      rise += Luma(c) - Field().nebula;
      ++lit;
    }
    ASSERT_GT(lit, 0);
    EXPECT_GE(rise / lit, kNebulaContrast);
  });
}

// The ship's level-1 shell is tested for hits pixel by pixel: which of its
// pixels are drawn belongs to play, whatever colour they are.
TEST(ShotPictures, TheShipsShellKeepsTheOutlineItsHitsAreTestedWith) {
  static const char* const kOutline[] = {
      ".....", ".###.", ".###.", ".###.", ".###.", ".###.", ".###.",
      ".###.", ".###.", "..#..", "..#..", "..#..", ".....",
  };
  const Loaded shell = Load(Holder::kShip, "ListShell", "shell");
  ASSERT_EQ(shell.picture.width, 5);
  ASSERT_EQ(shell.picture.height, 13);
  for (int y = 0; y < 13; ++y) {
    std::string row;
    for (int x = 0; x < 5; ++x) {
      const Rgb c = shell.picture.palette[shell.picture.indices[y * 5 + x]];
      row += c == shell.key ? '.' : '#';
    }
    EXPECT_EQ(row, kOutline[y]) << "row " << y;
  }
}

// The rows from the top of the capitals to the baseline, as drawn.
struct InkRows {
  int top = -1;
  int bottom = -1;
};

// Where the game draws the health and score (the top of their line) and
// where it puts the labels' tops, for an 800 x 600 screen.
constexpr int kNumbersTop = kSurfaceHeight - 23;
constexpr int kLabelsTop = kSurfaceHeight - 16 - 5;
constexpr int kNumbersPoints = 14;

InkRows NumberRows(const std::string& text) {
  TextRenderer renderer(kAssets + "/fonts/LiberationSans-Regular.ttf");
  Surface surface(kSurfaceWidth, kSurfaceHeight);
  surface.Fill(0);
  renderer.Draw(surface, 60, kNumbersTop, text, kNumbersPoints, Rgb{255, 255, 255});
  InkRows rows;
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      // Only pixels at least half covered: the anti-aliased fringe is not ink.
      if (Luma(UnpackRgb(surface.At(x, y))) < 128) continue;
      if (rows.top < 0) rows.top = y;
      rows.bottom = y;
    }
  }
  return rows;
}

InkRows LabelRows(const std::string& name) {
  const Loaded label = Load(Holder::kMain, "Start", name);
  InkRows rows;
  for (int y = 0; y < label.picture.height; ++y) {
    for (int x = 0; x < label.picture.width; ++x) {
      const Rgb c = label.picture.palette[label.picture.indices[y * label.picture.width + x]];
      // The letters' orange, not their dark rim.
      if (c == label.key || Luma(c) < 100) continue;
      if (rows.top < 0) rows.top = kLabelsTop + y;
      rows.bottom = kLabelsTop + y;
    }
  }
  return rows;
}

TEST(HudLabels, LabelsShareTheCapHeightAndBaselineOfTheNumbers) {
  const InkRows capitals = NumberRows("HEALTH SCORE");
  const InkRows digits = NumberRows("100% 0123456789");
  ASSERT_GE(capitals.top, 0);
  EXPECT_EQ(digits.bottom, capitals.bottom) << "the digits stand on the capitals' baseline";
  for (const char* name : {"live", "scores"}) {
    SCOPED_TRACE(name);
    const InkRows label = LabelRows(name);
    EXPECT_EQ(label.top, capitals.top);
    EXPECT_EQ(label.bottom, capitals.bottom);
  }
}

}  // namespace
}  // namespace zephyrant
