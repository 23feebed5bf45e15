// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one PNG writer of the game and its tools: the surface as an 8-bit RGB
// picture, encoded by libpng. Plain C++, no SDL.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "framework/surface.h"

namespace zephyrant {

// The surface as the bytes of a PNG file: 8-bit RGB, not interlaced, every
// row stored unfiltered. Raises std::runtime_error when it cannot be encoded.
std::vector<uint8_t> EncodePng(const Surface& surface);

// Raises std::runtime_error naming the file when it cannot be written.
void WritePng(const std::filesystem::path& path, const Surface& surface);

// width x height pixels of 0xAARRGGBB, top row first, as an 8-bit RGBA PNG
// (the desktop's icons). Raises std::runtime_error when the pixels do not
// fill the size or the file cannot be written.
std::vector<uint8_t> EncodePngWithAlpha(int width, int height, const std::vector<uint32_t>& argb);
void WritePngWithAlpha(const std::filesystem::path& path, int width, int height,
                       const std::vector<uint32_t>& argb);

}  // namespace zephyrant
