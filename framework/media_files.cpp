// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/media_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "framework/bounded_file.h"
#include "framework/media_error.h"

namespace zephyrant {

namespace {

// No asset comes anywhere near these; anything bigger is a damaged header.
constexpr int64_t kMaxPictureSide = 8192;
constexpr uintmax_t kMaxFileBytes = uintmax_t{256} << 20;
constexpr int kMaxSampleRate = 384000;

constexpr uint32_t kBmpFileHeaderBytes = 14;
constexpr uint32_t kBmpInfoHeaderBytes = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint16_t kWaveFormatPcm = 1;
constexpr uint16_t kWaveFormatExtensible = 0xFFFE;

[[noreturn]] void Fail(const std::string& path, const std::string& fault) {
  throw MediaError(path + ": " + fault);
}

// The first bytes of an asset, at most `limit`; a folder, a named pipe or a
// device in its place is named as what it is.
BoundedFile ReadAssetFile(const std::string& path, uint64_t limit) {
  BoundedFile file = ReadBoundedFile(path, limit);
  if (!file.Read()) Fail(path, file.problem);
  return file;
}

}  // namespace

std::string ReadAssetBytes(const std::string& path, uint64_t max_bytes) {
  BoundedFile file = ReadAssetFile(path, max_bytes);
  if (file.size > max_bytes) {
    Fail(path, "file is too large (" + std::to_string(file.size) + " bytes, at most " +
                   std::to_string(max_bytes) + ")");
  }
  return std::move(file.bytes);
}

namespace {

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) Fail(path, "cannot be created");
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Fail(path, "cannot be written");
}

// Little-endian fields of a file's first bytes; every read is bounds-checked.
// A read past the end of the file is a truncated file; one past the bytes
// read but inside the file wants more than the reader's limit allows.
class ByteReader {
 public:
  ByteReader(const std::string& path, const BoundedFile& file, std::string past_limit)
      : path_(path),
        bytes_(reinterpret_cast<const uint8_t*>(file.bytes.data())),
        count_(file.bytes.size()),
        file_size_(file.size),
        past_limit_(std::move(past_limit)) {}

  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= count_ && count <= count_ - offset;
  }
  void Require(uint64_t offset, uint64_t count) const {
    if (Has(offset, count)) return;
    if (offset <= file_size_ && count <= file_size_ - offset) Fail(path_, past_limit_);
    Fail(path_, "file is truncated");
  }
  uint16_t U16(uint64_t offset) const {
    Require(offset, 2);
    return static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  uint32_t U32(uint64_t offset) const {
    Require(offset, 4);
    return uint32_t{bytes_[offset]} | uint32_t{bytes_[offset + 1]} << 8 |
           uint32_t{bytes_[offset + 2]} << 16 | uint32_t{bytes_[offset + 3]} << 24;
  }
  int32_t I32(uint64_t offset) const { return static_cast<int32_t>(U32(offset)); }
  bool Tag(uint64_t offset, const char* tag) const {
    return Has(offset, 4) && std::memcmp(bytes_ + offset, tag, 4) == 0;
  }
  const uint8_t* At(uint64_t offset) const { return bytes_ + offset; }

 private:
  const std::string& path_;
  const uint8_t* bytes_;
  uint64_t count_;
  uint64_t file_size_;
  std::string past_limit_;
};

class ByteWriter {
 public:
  void U8(uint8_t v) { bytes.push_back(v); }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  void Tag(const char* tag) { bytes.insert(bytes.end(), tag, tag + 4); }
  void Append(const uint8_t* data, size_t count) { bytes.insert(bytes.end(), data, data + count); }

  std::vector<uint8_t> bytes;
};

size_t BmpStride(int width) {
  return (static_cast<size_t>(width) + 3) & ~size_t{3};
}

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + "x" + std::to_string(height);
}

// Reads a picture from no more than the file's first `limit` bytes. With a
// size expected (above 0), a picture of another size is refused before any
// of its pixels are read.
IndexedPicture ReadPicture(const std::string& path, uint64_t limit, const std::string& past_limit,
                           int expected_width, int expected_height) {
  const BoundedFile file = ReadAssetFile(path, limit);
  const ByteReader in(path, file, past_limit);
  if (!in.Has(0, 2) || in.At(0)[0] != 'B' || in.At(0)[1] != 'M') Fail(path, "not a BMP file");
  const uint32_t pixel_offset = in.U32(10);
  const uint32_t header_bytes = in.U32(kBmpFileHeaderBytes);
  if (header_bytes < kBmpInfoHeaderBytes) Fail(path, "unsupported BMP header");
  in.Require(kBmpFileHeaderBytes, header_bytes);
  const int64_t width = in.I32(18);
  const int64_t signed_height = in.I32(22);
  const uint16_t bit_count = in.U16(28);
  const uint32_t compression = in.U32(30);
  const uint32_t colours_used = in.U32(46);
  const int64_t height = signed_height < 0 ? -signed_height : signed_height;
  if (expected_width > 0 && (width != expected_width || height != expected_height)) {
    Fail(path, "picture is " + SizeText(width, height) + ", expected " +
                   SizeText(expected_width, expected_height));
  }

  if (bit_count != 8) Fail(path, "not an 8-bit BMP");
  if (compression != kBiRgb) Fail(path, "compressed BMP not supported");
  const bool top_down = signed_height < 0;
  if (width <= 0 || height <= 0) Fail(path, "picture has no pixels");
  if (width > kMaxPictureSide || height > kMaxPictureSide) {
    Fail(path,
         "picture is too large (" + std::to_string(width) + "x" + std::to_string(height) + ")");
  }
  if (colours_used > 256) Fail(path, "palette has " + std::to_string(colours_used) + " colours");

  IndexedPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);

  const uint64_t palette_offset = uint64_t{kBmpFileHeaderBytes} + header_bytes;
  const uint32_t palette_size = colours_used == 0 ? 256 : colours_used;
  in.Require(palette_offset, uint64_t{palette_size} * 4);
  picture.palette.resize(palette_size);
  for (uint32_t i = 0; i < palette_size; ++i) {
    const uint8_t* entry = in.At(palette_offset + uint64_t{i} * 4);
    picture.palette[i] = Rgb{entry[2], entry[1], entry[0]};  // stored blue, green, red
  }

  // The last row may come without its padding; every pixel must be there.
  const size_t stride = BmpStride(picture.width);
  in.Require(pixel_offset, stride * (picture.height - 1) + picture.width);
  picture.indices.resize(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const int stored_row = top_down ? y : picture.height - 1 - y;
    const uint8_t* row = in.At(pixel_offset + stride * stored_row);
    std::memcpy(picture.indices.data() + static_cast<size_t>(y) * picture.width, row,
                picture.width);
  }
  return picture;
}

}  // namespace

IndexedPicture ReadBmp8(const std::string& path) {
  return ReadPicture(path, kMaxFileBytes, "file is too large", 0, 0);
}

IndexedPicture ReadBmp8OfSize(const std::string& path, int width, int height) {
  // Room for the headers, the largest palette and a gap before the pixels.
  constexpr uint64_t kHeadRoom = 64 << 10;
  const uint64_t pixels = uint64_t{BmpStride(std::max(width, 0))} * std::max(height, 0);
  return ReadPicture(path, kHeadRoom + pixels,
                     "header asks for more than a " + SizeText(width, height) + " picture holds",
                     width, height);
}

void WriteBmp8(const std::string& path, const IndexedPicture& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxPictureSide ||
      picture.height > kMaxPictureSide) {
    Fail(path, "picture size " + std::to_string(picture.width) + "x" +
                   std::to_string(picture.height) + " cannot be stored");
  }
  if (picture.indices.size() != static_cast<size_t>(picture.width) * picture.height) {
    Fail(path, "picture has the wrong number of pixels");
  }
  if (picture.palette.empty() || picture.palette.size() > 256) {
    Fail(path, "palette must have 1 to 256 colours");
  }
  const size_t stride = BmpStride(picture.width);
  const uint32_t palette_bytes = static_cast<uint32_t>(picture.palette.size()) * 4;
  const uint32_t pixel_offset = kBmpFileHeaderBytes + kBmpInfoHeaderBytes + palette_bytes;
  const uint32_t pixel_bytes = static_cast<uint32_t>(stride * picture.height);
  constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dpi

  ByteWriter out;
  out.bytes.reserve(pixel_offset + pixel_bytes);
  out.U8('B');
  out.U8('M');
  out.U32(pixel_offset + pixel_bytes);
  out.U32(0);
  out.U32(pixel_offset);
  out.U32(kBmpInfoHeaderBytes);
  out.U32(static_cast<uint32_t>(picture.width));
  out.U32(static_cast<uint32_t>(picture.height));  // positive: rows stored bottom-up
  out.U16(1);
  out.U16(8);
  out.U32(kBiRgb);
  out.U32(pixel_bytes);
  out.U32(kPixelsPerMetre);
  out.U32(kPixelsPerMetre);
  out.U32(static_cast<uint32_t>(picture.palette.size()));
  out.U32(0);
  for (const Rgb& c : picture.palette) {
    out.U8(c.b);
    out.U8(c.g);
    out.U8(c.r);
    out.U8(0);
  }
  const uint8_t padding[3] = {0, 0, 0};
  for (int y = picture.height - 1; y >= 0; --y) {
    out.Append(picture.indices.data() + static_cast<size_t>(y) * picture.width, picture.width);
    out.Append(padding, stride - picture.width);
  }
  WriteWholeFile(path, out.bytes);
}

namespace {

std::string SoundFormatText(int rate, int bits, int channels) {
  return std::to_string(rate) + " Hz " + std::to_string(bits) + "-bit " +
         (channels == 2   ? "stereo"
          : channels == 1 ? "mono"
                          : std::to_string(channels) + "-channel");
}

std::string SecondsText(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", seconds);
  return text;
}

// The most sound data a sound of these limits holds, in whole frames.
uint64_t MaxDataBytes(const WaveLimits& limits) {
  const uint64_t frame = uint64_t(limits.channels) * limits.bits_per_sample / 8;
  return static_cast<uint64_t>(std::ceil(limits.max_seconds * limits.sample_rate)) * frame;
}

// Reads a sound from no more than the file's first `limit` bytes. With
// limits, a sound of another format or a longer one is refused before its
// samples are read.
WaveData ReadSound(const std::string& path, uint64_t limit, const std::string& past_limit,
                   const WaveLimits* expected) {
  const BoundedFile file = ReadAssetFile(path, limit);
  const ByteReader in(path, file, past_limit);
  if (!in.Tag(0, "RIFF") || !in.Tag(8, "WAVE")) Fail(path, "not a WAV file");

  bool have_format = false;
  uint16_t format_tag = 0;
  uint16_t channels = 0;
  uint32_t sample_rate = 0;
  uint16_t block_align = 0;
  uint16_t bits = 0;
  bool have_data = false;
  uint64_t data_offset = 0;
  uint64_t data_size = 0;

  // Chunks follow one another, each padded to an even length. The RIFF size
  // is often wrong in the wild, so the file's own length bounds the walk.
  // The samples are only looked at once the format is known to be wanted.
  uint64_t offset = 12;
  while (!(have_format && have_data) && offset + 8 <= file.size) {
    const uint64_t size = in.U32(offset + 4);
    const uint64_t body = offset + 8;
    if (in.Tag(offset, "data") && !have_data) {
      data_offset = body;
      data_size = size;
      have_data = true;
    } else {
      in.Require(body, size);
      if (in.Tag(offset, "fmt ") && !have_format) {
        if (size < 16) Fail(path, "sound format is damaged");
        format_tag = in.U16(body);
        channels = in.U16(body + 2);
        sample_rate = in.U32(body + 4);
        block_align = in.U16(body + 12);
        bits = in.U16(body + 14);
        if (format_tag == kWaveFormatExtensible && size >= 26) {
          // The real format is the first two bytes of the sub-format GUID.
          format_tag = in.U16(body + 24);
        }
        have_format = true;
      }
    }
    offset = body + size + (size & 1);
  }

  if (!have_format) Fail(path, "no sound format");
  if (format_tag != kWaveFormatPcm) Fail(path, "not PCM sound");
  if (bits != 8 && bits != 16) Fail(path, "not 8-bit or 16-bit sound");
  if (channels != 1 && channels != 2) Fail(path, "not mono or stereo sound");
  if (sample_rate == 0 || sample_rate > kMaxSampleRate) Fail(path, "sample rate is damaged");
  if (block_align != channels * bits / 8) Fail(path, "sound format is damaged");
  if (expected != nullptr &&
      (static_cast<int>(sample_rate) != expected->sample_rate ||
       bits != expected->bits_per_sample || channels != expected->channels)) {
    Fail(path,
         "sound is " + SoundFormatText(static_cast<int>(sample_rate), bits, channels) +
             ", expected " +
             SoundFormatText(expected->sample_rate, expected->bits_per_sample, expected->channels));
  }
  if (!have_data) Fail(path, "no sound data");
  if (expected != nullptr && data_size > MaxDataBytes(*expected)) {
    const double seconds = static_cast<double>(data_size / block_align) / sample_rate;
    Fail(path, "sound is " + SecondsText(seconds) + " long, at most " +
                   SecondsText(expected->max_seconds) + " expected");
  }
  in.Require(data_offset, data_size);

  WaveData wave;
  wave.sample_rate = static_cast<int>(sample_rate);
  wave.bits_per_sample = bits;
  wave.channels = channels;
  // A partial frame at the end cannot be played; it is dropped.
  const uint64_t whole_frames = data_size / block_align;
  const uint8_t* data = in.At(data_offset);
  wave.pcm.assign(data, data + whole_frames * block_align);
  return wave;
}

}  // namespace

WaveData ReadWav(const std::string& path) {
  return ReadSound(path, kMaxFileBytes, "file is too large", nullptr);
}

WaveData ReadWavWithin(const std::string& path, const WaveLimits& limits) {
  // Room for the headers and for chunks of notes, tags and the like.
  constexpr uint64_t kHeadRoom = 64 << 10;
  return ReadSound(path, kHeadRoom + MaxDataBytes(limits) + 1,
                   "file holds more than " + SecondsText(limits.max_seconds) + " of sound",
                   &limits);
}

void WriteWav(const std::string& path, const WaveData& wave) {
  if (wave.bits_per_sample != 8 && wave.bits_per_sample != 16) {
    Fail(path, "only 8-bit and 16-bit sound can be stored");
  }
  if (wave.channels != 1 && wave.channels != 2) Fail(path, "only mono and stereo can be stored");
  if (wave.sample_rate <= 0 || wave.sample_rate > kMaxSampleRate) {
    Fail(path, "sample rate " + std::to_string(wave.sample_rate) + " cannot be stored");
  }
  if (wave.pcm.size() % wave.FrameBytes() != 0) Fail(path, "sound ends in a partial frame");
  if (wave.pcm.size() > kMaxFileBytes) Fail(path, "sound is too long");

  const uint32_t data_size = static_cast<uint32_t>(wave.pcm.size());
  const uint32_t pad = data_size & 1;
  const uint16_t block_align = static_cast<uint16_t>(wave.FrameBytes());
  ByteWriter out;
  out.bytes.reserve(44 + data_size + pad);
  out.Tag("RIFF");
  out.U32(4 + (8 + 16) + (8 + data_size + pad));
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(16);
  out.U16(kWaveFormatPcm);
  out.U16(static_cast<uint16_t>(wave.channels));
  out.U32(static_cast<uint32_t>(wave.sample_rate));
  out.U32(static_cast<uint32_t>(wave.sample_rate) * block_align);
  out.U16(block_align);
  out.U16(static_cast<uint16_t>(wave.bits_per_sample));
  out.Tag("data");
  out.U32(data_size);
  out.Append(wave.pcm.data(), wave.pcm.size());
  if (pad != 0) out.U8(0);
  WriteWholeFile(path, out.bytes);
}

}  // namespace zephyrant
