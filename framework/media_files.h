#pragma once

// Reading and writing the game's asset files: 8-bit palettised BMP pictures
// and PCM WAV sounds. Every reader reports a damaged file as a MediaError
// naming the file and what is wrong with it.

#include <string>

#include "framework/image_list.h"
#include "framework/platform.h"

namespace zephyrant {

IndexedPicture ReadBmp8(const std::string& path);
void WriteBmp8(const std::string& path, const IndexedPicture& picture);

WaveData ReadWav(const std::string& path);
void WriteWav(const std::string& path, const WaveData& wave);

}  // namespace zephyrant
