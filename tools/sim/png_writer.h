#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "framework/surface.h"

namespace zephyrant {

// The surface as a PNG file: 8-bit RGB, not interlaced.
std::vector<uint8_t> EncodePng(const Surface& surface);

// Raises std::runtime_error naming the file when it cannot be written.
void WritePng(const std::filesystem::path& path, const Surface& surface);

}  // namespace zephyrant
