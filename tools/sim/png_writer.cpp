#include "tools/sim/png_writer.h"

#include <zlib.h>

#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace zephyrant {

namespace {

constexpr std::array<uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kFilterNone = 0;

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 24));
  out.push_back(static_cast<uint8_t>(v >> 16));
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}

// A chunk is its length, type and data, then the CRC of type and data.
void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
  PutU32(out, static_cast<uint32_t>(data.size()));
  const size_t type_at = out.size();
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc = crc32(0L, out.data() + type_at, static_cast<uInt>(out.size() - type_at));
  PutU32(out, static_cast<uint32_t>(crc));
}

std::vector<uint8_t> RgbRows(const Surface& surface) {
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(surface.Height()) * (1 + 3 * surface.Width()));
  for (int y = 0; y < surface.Height(); ++y) {
    raw.push_back(kFilterNone);
    const uint32_t* row = surface.Row(y);
    for (int x = 0; x < surface.Width(); ++x) {
      const Rgb c = UnpackRgb(row[x]);
      raw.insert(raw.end(), {c.r, c.g, c.b});
    }
  }
  return raw;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Surface& surface) {
  std::vector<uint8_t> header;
  PutU32(header, static_cast<uint32_t>(surface.Width()));
  PutU32(header, static_cast<uint32_t>(surface.Height()));
  header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});

  const std::vector<uint8_t> raw = RgbRows(surface);
  uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packed_size);
  if (compress2(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()),
                Z_DEFAULT_COMPRESSION) != Z_OK) {
    throw std::runtime_error("Cannot compress the picture");
  }
  packed.resize(packed_size);

  std::vector<uint8_t> png(kSignature.begin(), kSignature.end());
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

void WritePng(const std::filesystem::path& path, const Surface& surface) {
  const std::vector<uint8_t> png = EncodePng(surface);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  out.close();
  if (!out) throw std::runtime_error(path.string() + ": cannot write the picture");
}

}  // namespace zephyrant
