#include "framework/media_files.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

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

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) Fail(path, "file not found");
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error) Fail(path, "cannot be read");
  if (size > kMaxFileBytes) Fail(path, "file is too large");
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(path, "cannot be opened");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!bytes.empty() &&
      !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
    Fail(path, "cannot be read");
  }
  return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) Fail(path, "cannot be created");
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) Fail(path, "cannot be written");
}

// Little-endian fields of a byte buffer; every read is bounds-checked
// against the whole buffer, and a read past its end is a truncated file.
class ByteReader {
 public:
  ByteReader(const std::string& path, const std::vector<uint8_t>& bytes)
      : path_(path), bytes_(bytes) {}

  size_t Size() const { return bytes_.size(); }
  bool Has(uint64_t offset, uint64_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }
  void Require(uint64_t offset, uint64_t count) const {
    if (!Has(offset, count)) Fail(path_, "file is truncated");
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
    return Has(offset, 4) && std::memcmp(bytes_.data() + offset, tag, 4) == 0;
  }
  const uint8_t* At(uint64_t offset) const { return bytes_.data() + offset; }

 private:
  const std::string& path_;
  const std::vector<uint8_t>& bytes_;
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

}  // namespace

IndexedPicture ReadBmp8(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  const ByteReader in(path, bytes);
  if (!in.Has(0, 2) || bytes[0] != 'B' || bytes[1] != 'M') Fail(path, "not a BMP file");
  const uint32_t pixel_offset = in.U32(10);
  const uint32_t header_bytes = in.U32(kBmpFileHeaderBytes);
  if (header_bytes < kBmpInfoHeaderBytes) Fail(path, "unsupported BMP header");
  in.Require(kBmpFileHeaderBytes, header_bytes);
  const int64_t width = in.I32(18);
  const int64_t signed_height = in.I32(22);
  const uint16_t bit_count = in.U16(28);
  const uint32_t compression = in.U32(30);
  const uint32_t colours_used = in.U32(46);

  if (bit_count != 8) Fail(path, "not an 8-bit BMP");
  if (compression != kBiRgb) Fail(path, "compressed BMP not supported");
  const bool top_down = signed_height < 0;
  const int64_t height = top_down ? -signed_height : signed_height;
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

WaveData ReadWav(const std::string& path) {
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  const ByteReader in(path, bytes);
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
  uint64_t offset = 12;
  while (in.Has(offset, 8) && !(have_format && have_data)) {
    const uint64_t size = in.U32(offset + 4);
    const uint64_t body = offset + 8;
    if (!in.Has(body, size)) Fail(path, "file is truncated");
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
    } else if (in.Tag(offset, "data") && !have_data) {
      data_offset = body;
      data_size = size;
      have_data = true;
    }
    offset = body + size + (size & 1);
  }

  if (!have_format) Fail(path, "no sound format");
  if (format_tag != kWaveFormatPcm) Fail(path, "not PCM sound");
  if (bits != 8 && bits != 16) Fail(path, "not 8-bit or 16-bit sound");
  if (channels != 1 && channels != 2) Fail(path, "not mono or stereo sound");
  if (sample_rate == 0 || sample_rate > kMaxSampleRate) Fail(path, "sample rate is damaged");
  if (block_align != channels * bits / 8) Fail(path, "sound format is damaged");
  if (!have_data) Fail(path, "no sound data");

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
