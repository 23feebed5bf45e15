// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing the game's asset files: 8-bit palettised BMP pictures
// and PCM WAV sounds. Every reader reports a damaged file as a MediaError
// naming the file and what is wrong with it, reads only a regular file (a
// folder, a named pipe or a device in its place is named as what it is) and
// never reads more than the file can need.

#include <cstdint>
#include <string>

#include "framework/image_list.h"
#include "framework/platform.h"

namespace zephyrant {

// Any picture within the readers' general limits.
IndexedPicture ReadBmp8(const std::string& path);
// A picture of exactly this size; one of another size is refused before its
// pixels are read, and nothing past what such a picture needs is read.
IndexedPicture ReadBmp8OfSize(const std::string& path, int width, int height);
void WriteBmp8(const std::string& path, const IndexedPicture& picture);

// What a sound must be: its format, and how long it may last.
struct WaveLimits {
  int sample_rate = 0;
  int bits_per_sample = 0;
  int channels = 0;
  double max_seconds = 0;
};

// Any sound within the readers' general limits.
WaveData ReadWav(const std::string& path);
// A sound of this format and length; another is refused before its samples
// are read.
WaveData ReadWavWithin(const std::string& path, const WaveLimits& limits);
void WriteWav(const std::string& path, const WaveData& wave);

// The whole of a file of at most `max_bytes`, such as the font.
std::string ReadAssetBytes(const std::string& path, uint64_t max_bytes);

}  // namespace zephyrant
