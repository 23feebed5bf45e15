// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/media_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/media_error.h"

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<uint8_t>;

class MediaFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) /
              ("media_files_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

  std::string Store(const std::string& name, const Bytes& bytes) const {
    const std::string path = PathOf(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  static Bytes Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // The message of the MediaError that reading `path` raises; fails the
  // test when it reads without one.
  template <class Reader>
  static std::string FaultOf(Reader read, const std::string& path) {
    try {
      read(path);
    } catch (const MediaError& e) {
      return e.what();
    }
    ADD_FAILURE() << path << " was read without a MediaError";
    return {};
  }

  fs::path folder_;
};

void Put16(Bytes& b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Append32(Bytes& b, uint32_t v) {
  b.resize(b.size() + 4);
  Put32(b, b.size() - 4, v);
}
void AppendTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(tag[i]));
}

// A 3x2 BMP built by hand: palette red, green, blue; the top row reads
// 0 1 2 and the bottom row 2 1 0. Stored bottom-up, each row padded to 4.
Bytes HandMadeBmp(int32_t height_field = 2, uint32_t colours_used = 3) {
  const uint32_t palette_entries = colours_used == 0 ? 256 : colours_used;
  Bytes b(14 + 40 + palette_entries * 4, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 10, static_cast<uint32_t>(b.size()));
  Put32(b, 14, 40);
  Put32(b, 18, 3);
  Put32(b, 22, static_cast<uint32_t>(height_field));
  Put16(b, 26, 1);
  Put16(b, 28, 8);
  Put32(b, 34, 8);     // pixel bytes: two rows of four
  Put32(b, 38, 2835);  // 72 dpi
  Put32(b, 42, 2835);
  Put32(b, 46, colours_used);
  const uint8_t bgr[3][3] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
  for (int i = 0; i < 3; ++i) {
    for (int c = 0; c < 3; ++c) b[54 + i * 4 + c] = bgr[i][c];
  }
  const Bytes top{0, 1, 2, 0};
  const Bytes bottom{2, 1, 0, 0};
  const bool top_down = height_field < 0;
  const Bytes& first = top_down ? top : bottom;
  const Bytes& second = top_down ? bottom : top;
  b.insert(b.end(), first.begin(), first.end());
  b.insert(b.end(), second.begin(), second.end());
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  return b;
}

// A 16-bit stereo WAV of two frames with an odd-sized unknown chunk before
// the format and a LIST chunk between format and data.
Bytes HandMadeWav() {
  Bytes b;
  AppendTag(b, "RIFF");
  Append32(b, 0);
  AppendTag(b, "WAVE");
  AppendTag(b, "junk");
  Append32(b, 3);
  b.insert(b.end(), {'a', 'b', 'c', 0});  // odd size: one pad byte follows
  AppendTag(b, "fmt ");
  Append32(b, 16);
  b.resize(b.size() + 16);
  const size_t fmt = b.size() - 16;
  Put16(b, fmt, 1);
  Put16(b, fmt + 2, 2);
  Put32(b, fmt + 4, 11025);
  Put32(b, fmt + 8, 11025 * 4);
  Put16(b, fmt + 12, 4);
  Put16(b, fmt + 14, 16);
  AppendTag(b, "LIST");
  Append32(b, 4);
  AppendTag(b, "INFO");
  AppendTag(b, "data");
  Append32(b, 8);
  b.insert(b.end(), {1, 2, 3, 4, 5, 6, 7, 8});
  Put32(b, 4, static_cast<uint32_t>(b.size() - 8));
  return b;
}

IndexedPicture SamplePicture(int width, int height) {
  IndexedPicture picture;
  picture.width = width;
  picture.height = height;
  picture.palette = {{4, 2, 4}, {255, 0, 0}, {10, 20, 30}, {0, 0, 0}};
  for (int i = 0; i < width * height; ++i)
    picture.indices.push_back(static_cast<uint8_t>(i * 7 % 4));
  return picture;
}

void ExpectSamePicture(const IndexedPicture& a, const IndexedPicture& b) {
  EXPECT_EQ(a.width, b.width);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.indices, b.indices);
  EXPECT_EQ(a.palette, b.palette);
}

TEST_F(MediaFilesTest, BmpRoundTripKeepsPixelsAndPaletteForEveryRowPadding) {
  for (int width = 1; width <= 5; ++width) {
    SCOPED_TRACE(width);
    const IndexedPicture picture = SamplePicture(width, 3);
    const std::string path = PathOf("round_trip.bmp");
    WriteBmp8(path, picture);
    ExpectSamePicture(ReadBmp8(path), picture);
  }
}

TEST_F(MediaFilesTest, BmpRowsAreReadTopRowFirstWhicheverWayTheyAreStored) {
  const std::vector<uint8_t> expected{0, 1, 2, 2, 1, 0};
  for (int32_t height_field : {2, -2}) {
    SCOPED_TRACE(height_field);
    const IndexedPicture picture = ReadBmp8(Store("hand.bmp", HandMadeBmp(height_field)));
    EXPECT_EQ(picture.width, 3);
    EXPECT_EQ(picture.height, 2);
    EXPECT_EQ(picture.indices, expected);
    ASSERT_EQ(picture.palette.size(), 3u);
    EXPECT_EQ(picture.palette[0], (Rgb{255, 0, 0}));  // stored blue, green, red
    EXPECT_EQ(picture.palette[2], (Rgb{0, 0, 255}));
  }
}

TEST_F(MediaFilesTest, BmpWithNoColourCountHasAFullPalette) {
  const IndexedPicture picture = ReadBmp8(Store("full.bmp", HandMadeBmp(2, 0)));
  EXPECT_EQ(picture.palette.size(), 256u);
}

TEST_F(MediaFilesTest, WrittenBmpIsBottomUpWithPaddedRows) {
  // Other tools must read what we write, so the layout is checked byte by byte.
  const std::string path = PathOf("layout.bmp");
  IndexedPicture picture;
  picture.width = 3;
  picture.height = 2;
  picture.indices = {0, 1, 2, 2, 1, 0};
  picture.palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
  WriteBmp8(path, picture);
  EXPECT_EQ(Load(path), HandMadeBmp());
}

TEST_F(MediaFilesTest, EveryTruncationOfABmpIsAMediaError) {
  const Bytes whole = HandMadeBmp();
  // Only the last row's padding may be missing.
  for (size_t length = 0; length + 1 < whole.size(); ++length) {
    const std::string path = Store("cut.bmp", Bytes(whole.begin(), whole.begin() + length));
    EXPECT_NE(FaultOf(ReadBmp8, path).find(path), std::string::npos) << length;
  }
}

TEST_F(MediaFilesTest, DamagedBmpHeadersAreNamed) {
  struct Case {
    const char* what;
    size_t offset;
    int bytes;
    uint32_t value;
    const char* fault;
  };
  const Case cases[] = {
      {"24-bit", 28, 2, 24, "not an 8-bit BMP"},
      {"run-length coded", 30, 4, 1, "compressed"},
      {"too wide", 18, 4, 8193, "too large"},
      {"too tall upside down", 22, 4, static_cast<uint32_t>(-9000), "too large"},
      {"lowest height", 22, 4, 0x80000000u, "too large"},
      {"no width", 18, 4, 0, "no pixels"},
      {"negative width", 18, 4, static_cast<uint32_t>(-3), "no pixels"},
      {"palette of 257", 46, 4, 257, "palette"},
      {"palette past the end", 46, 4, 200, "truncated"},
      {"pixels past the end", 10, 4, 60000, "truncated"},
      {"short header", 14, 4, 12, "header"},
      {"not a bitmap", 0, 2, 0x5A4D, "not a BMP"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = HandMadeBmp();
    if (c.bytes == 2) {
      Put16(bytes, c.offset, static_cast<uint16_t>(c.value));
    } else {
      Put32(bytes, c.offset, c.value);
    }
    const std::string path = Store("bad.bmp", bytes);
    const std::string fault = FaultOf(ReadBmp8, path);
    EXPECT_EQ(fault.rfind(path + ": ", 0), 0u) << fault;
    EXPECT_NE(fault.find(c.fault), std::string::npos) << fault;
  }
}

TEST_F(MediaFilesTest, MissingFilesAreNamed) {
  const std::string bmp = PathOf("absent.bmp");
  const std::string wav = PathOf("absent.wav");
  EXPECT_EQ(FaultOf(ReadBmp8, bmp), bmp + ": file not found");
  EXPECT_EQ(FaultOf(ReadWav, wav), wav + ": file not found");
}

TEST_F(MediaFilesTest, WavRoundTripKeepsFormatAndSamples) {
  for (int bits : {8, 16}) {
    for (int channels : {1, 2}) {
      SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(channels) + " channels");
      WaveData wave;
      wave.sample_rate = 22050;
      wave.bits_per_sample = bits;
      wave.channels = channels;
      // An odd byte count (8-bit mono) exercises the pad byte.
      for (int i = 0; i < 7 * wave.FrameBytes(); ++i)
        wave.pcm.push_back(static_cast<uint8_t>(i * 37));
      const std::string path = PathOf("round_trip.wav");
      WriteWav(path, wave);
      const WaveData back = ReadWav(path);
      EXPECT_EQ(back.sample_rate, 22050);
      EXPECT_EQ(back.bits_per_sample, bits);
      EXPECT_EQ(back.channels, channels);
      EXPECT_EQ(back.pcm, wave.pcm);
    }
  }
}

TEST_F(MediaFilesTest, WavSkipsUnknownChunksIncludingTheirPadByte) {
  const WaveData wave = ReadWav(Store("chunks.wav", HandMadeWav()));
  EXPECT_EQ(wave.sample_rate, 11025);
  EXPECT_EQ(wave.bits_per_sample, 16);
  EXPECT_EQ(wave.channels, 2);
  EXPECT_EQ(wave.pcm, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(MediaFilesTest, WavDropsAPartialLastFrame) {
  Bytes bytes = HandMadeWav();
  Put32(bytes, bytes.size() - 12, 7);  // the data chunk now ends mid-frame
  const WaveData wave = ReadWav(Store("partial.wav", bytes));
  EXPECT_EQ(wave.pcm, (Bytes{1, 2, 3, 4}));
}

TEST_F(MediaFilesTest, EveryTruncationOfAWavIsAMediaError) {
  const Bytes whole = HandMadeWav();
  for (size_t length = 0; length < whole.size(); ++length) {
    const std::string path = Store("cut.wav", Bytes(whole.begin(), whole.begin() + length));
    EXPECT_NE(FaultOf(ReadWav, path).find(path), std::string::npos) << length;
  }
}

TEST_F(MediaFilesTest, DamagedWavFormatsAreNamed) {
  const size_t fmt = 12 + 8 + 4 + 8;  // after RIFF header, junk chunk and fmt header
  struct Case {
    const char* what;
    size_t offset;
    int bytes;
    uint32_t value;
    const char* fault;
  };
  const Case cases[] = {
      {"floating point", fmt, 2, 3, "not PCM"},
      {"24-bit", fmt + 14, 2, 24, "not 8-bit or 16-bit"},
      {"three channels", fmt + 2, 2, 3, "not mono or stereo"},
      {"no sample rate", fmt + 4, 4, 0, "sample rate"},
      {"block size", fmt + 12, 2, 6, "damaged"},
      {"huge unknown chunk", 16, 4, 0xFFFFFFFFu, "truncated"},
      {"no data chunk", 12 + 8 + 4 + 8 + 16 + 8 + 4, 4, 0x21746164u /* "dat!" */, "no sound data"},
      {"not RIFF", 0, 4, 0x46464952u + 1, "not a WAV"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bytes = HandMadeWav();
    if (c.bytes == 2) {
      Put16(bytes, c.offset, static_cast<uint16_t>(c.value));
    } else {
      Put32(bytes, c.offset, c.value);
    }
    const std::string path = Store("bad.wav", bytes);
    const std::string fault = FaultOf(ReadWav, path);
    EXPECT_EQ(fault.rfind(path + ": ", 0), 0u) << fault;
    EXPECT_NE(fault.find(c.fault), std::string::npos) << fault;
  }
}

TEST_F(MediaFilesTest, WritersRefuseWhatCannotBeStored) {
  IndexedPicture no_palette = SamplePicture(2, 2);
  no_palette.palette.clear();
  EXPECT_THROW(WriteBmp8(PathOf("a.bmp"), no_palette), MediaError);
  IndexedPicture short_pixels = SamplePicture(2, 2);
  short_pixels.indices.pop_back();
  EXPECT_THROW(WriteBmp8(PathOf("b.bmp"), short_pixels), MediaError);

  WaveData wave;
  wave.sample_rate = 8000;
  wave.bits_per_sample = 16;
  wave.channels = 2;
  wave.pcm = {1, 2, 3};  // not a whole frame
  EXPECT_THROW(WriteWav(PathOf("c.wav"), wave), MediaError);
  EXPECT_THROW(WriteWav((folder_ / "no_such_folder" / "d.wav").string(), WaveData{8000, 8, 1, {}}),
               MediaError);
}

}  // namespace
}  // namespace zephyrant
