// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding a catalogue picture's committed file and reading its pixels.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/media_files.h"

namespace zephyrant {

inline const std::string kAssets = ZEPHYRANT_SOURCE_ASSETS;

struct Item {
  const ImageListSpec* list;
  int index;
  const ImageSpec& Spec() const { return list->items[index]; }
  std::string Path() const { return kAssets + "/" + ImagePath(*list, index); }
};

// The nth picture called `item_name` in list `list_name`.
inline Item Find(const std::string& list_name, const std::string& item_name, int nth = 0) {
  for (const ImageListSpec& list : ImageCatalogue()) {
    if (list.name != list_name) continue;
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      if (list.items[i].name == item_name && nth-- == 0) return {&list, i};
    }
  }
  ADD_FAILURE() << list_name << "/" << item_name << " is not in the catalogue";
  return {&ImageCatalogue()[0], 0};
}

// The picture called `item_name` in the list `list_name` of `holder`, for the
// names that more than one holder uses (the ship's and the bosses' "shell").
inline Item Find(Holder holder, const std::string& list_name, const std::string& item_name) {
  for (const ImageListSpec& list : ImageCatalogue()) {
    if (list.holder != holder || list.name != list_name) continue;
    for (int i = 0; i < static_cast<int>(list.items.size()); ++i) {
      if (list.items[i].name == item_name) return {&list, i};
    }
  }
  ADD_FAILURE() << list_name << "/" << item_name << " is not in the catalogue";
  return {&ImageCatalogue()[0], 0};
}

inline bool IsKey(const IndexedPicture& p, int x, int y, Rgb key) {
  return p.palette[p.indices[y * p.width + x]] == key;
}

inline double Luma(Rgb c) {
  return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

// A picture with which of its pixels are drawn (not the colour key).
struct Drawn {
  IndexedPicture picture;
  std::vector<bool> at;
  int count = 0;
  bool operator()(int x, int y) const { return at[y * picture.width + x]; }
};

inline Drawn ReadDrawn(const Item& item) {
  Drawn d{ReadBmp8(item.Path()), {}, 0};
  const IndexedPicture& p = d.picture;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      d.at.push_back(!IsKey(p, x, y, item.Spec().key));
      d.count += d.at.back() ? 1 : 0;
    }
  }
  return d;
}

}  // namespace zephyrant
