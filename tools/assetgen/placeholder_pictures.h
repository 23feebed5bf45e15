#pragma once

#include "framework/asset_catalogue.h"
#include "framework/image_list.h"

namespace zephyrant::assetgen {

// A stand-in for one picture of the catalogue with its exact size, pattern
// layout and colour key (palette index 0). Each pattern is a flat shape of
// its own colour inside a one-pixel frame of the colour key, so animations
// visibly change and the key is always exercised.
IndexedPicture PlaceholderPicture(const ImageListSpec& list, int list_index, int item_index);

}  // namespace zephyrant::assetgen
