// SPDX-License-Identifier: GPL-3.0-or-later
// zephyrant-contact-sheet ASSET_FOLDER OUTPUT.png
//
// Lays every picture of the catalogue out on one sheet for review: list by
// list, each item under its name with the patterns of an animation side by
// side, each on mid-grey so that the colour key shows.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"
#include "framework/surface.h"
#include "framework/text.h"
#include "platform/common/png_writer.h"

namespace {

using namespace zephyrant;

constexpr int kSheetWidth = 1720;
constexpr int kMargin = 12;
constexpr int kGap = 2;       // between the patterns of one item
constexpr int kItemGap = 14;  // between items
constexpr int kLabelHeight = 14;
constexpr int kHeaderHeight = 24;
constexpr int kLabelPoints = 8;
constexpr uint32_t kBackdrop = 0x30303A;
constexpr uint32_t kMidGrey = 0x808080;
constexpr Rgb kLabel{230, 230, 230};
constexpr Rgb kHeader{255, 170, 0};

struct Placed {
  const ImageSpec* spec;
  IndexedPicture picture;
  std::string label;
  int x = 0;
  int y = 0;
};

int PatternWidth(const ImageSpec& s) {
  return s.pattern_width > 0 ? s.pattern_width : s.width;
}
int PatternHeight(const ImageSpec& s) {
  return s.pattern_height > 0 ? s.pattern_height : s.height;
}

// Every pattern in one row, whatever the picture's own layout.
int RowWidth(const ImageSpec& s) {
  return s.PatternCount() * (PatternWidth(s) + kGap) - kGap;
}

void DrawItem(Surface& sheet, const Placed& item) {
  const ImageSpec& s = *item.spec;
  const int pw = PatternWidth(s);
  const int ph = PatternHeight(s);
  const int across = s.width / pw;
  const int top = item.y + kLabelHeight;
  for (int p = 0; p < s.PatternCount(); ++p) {
    const int sx = (p % across) * pw;
    const int sy = (p / across) * ph;
    const int dx = item.x + p * (pw + kGap);
    for (int y = 0; y < ph; ++y) {
      uint32_t* row = sheet.Row(top + y);
      for (int x = 0; x < pw; ++x) {
        const uint8_t index = item.picture.indices[(sy + y) * item.picture.width + sx + x];
        const Rgb c = item.picture.palette[index];
        row[dx + x] = c == s.key ? kMidGrey : PackRgb(c);
      }
    }
  }
}

int Run(const std::string& folder, const std::string& output) {
  TextRenderer text(folder + "/fonts/LiberationSans-Regular.ttf");
  std::vector<Placed> items;
  std::vector<std::pair<std::string, int>> headers;
  int x = kMargin;
  int y = kMargin;
  int row_height = 0;
  for (const ImageListSpec& list : ImageCatalogue()) {
    y += row_height + (row_height > 0 ? kItemGap : 0);
    headers.emplace_back(std::string(HolderFolder(list.holder)) + " / " + list.name, y);
    y += kHeaderHeight;
    x = kMargin;
    row_height = 0;
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      const ImageSpec& s = list.items[i];
      Placed placed{&s, ReadBmp8(folder + "/" + ImagePath(list, i)), s.name, 0, 0};
      if (s.PatternCount() > 1) placed.label += " x" + std::to_string(s.PatternCount());
      const int width = std::max(RowWidth(s), text.TextWidth(placed.label, kLabelPoints));
      if (x + width > kSheetWidth - kMargin && x > kMargin) {
        x = kMargin;
        y += row_height + kItemGap;
        row_height = 0;
      }
      placed.x = x;
      placed.y = y;
      x += width + kItemGap;
      row_height = std::max(row_height, kLabelHeight + PatternHeight(s));
      items.push_back(std::move(placed));
    }
  }
  Surface sheet(kSheetWidth, y + row_height + kMargin);
  sheet.Fill(kBackdrop);
  for (const auto& [name, top] : headers) text.Draw(sheet, kMargin, top, name, 11, kHeader);
  for (const Placed& item : items) {
    text.Draw(sheet, item.x, item.y, item.label, kLabelPoints, kLabel);
    DrawItem(sheet, item);
  }
  WritePng(output, sheet);
  std::printf("zephyrant-contact-sheet: %zu pictures on %dx%d in %s\n", items.size(), sheet.Width(),
              sheet.Height(), output.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zephyrant-contact-sheet ASSET_FOLDER OUTPUT.png\n");
    return 2;
  }
  try {
    return Run(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "zephyrant-contact-sheet: %s\n", e.what());
    return 1;
  }
}
