// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's icon, made from a picture of the game: its first pattern
// scaled to fit a square with its shape kept, the colour key see-through.

#include <cstdint>
#include <vector>

#include "framework/image_list.h"

namespace zephyrant {

// The side of the square icon, in pixels.
inline constexpr int kWindowIconSide = 64;

// side x side pixels, 0xAARRGGBB, top row first; empty when the picture
// has no pattern to show.
std::vector<uint32_t> MakeWindowIcon(const PictureItem& picture, int side = kWindowIconSide);

}  // namespace zephyrant
