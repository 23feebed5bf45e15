// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped asset folder against the catalogue the game is written for:
// every picture and sound present, of the right size and format, and
// reachable through AssetLibrary the way the game looks them up.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/assets.h"
#include "framework/media_error.h"
#include "framework/media_files.h"

namespace zephyrant {
namespace {

namespace fs = std::filesystem;

// An audio device that accepts every sound and plays nothing.
class SilentAudio final : public AudioDevice {
 public:
  bool IsOpen() const override { return true; }
  int LoadSound(const WaveData&) override { return loaded_++; }
  int CreateVoice(int) override { return voices_++; }
  void Play(int, int, int, bool) override {}
  void Stop(int) override {}
  bool IsPlaying(int) const override { return false; }
  void SetVolume(int, int) override {}
  void PauseAll() override {}
  void ResumeAll() override {}

 private:
  int loaded_ = 0;
  int voices_ = 0;
};

const std::string kAssets = ZEPHYRANT_SOURCE_ASSETS;

class CatalogueTest : public ::testing::Test {
 protected:
  // Loaded once for the suite; a folder that does not load fails every test
  // with the loader's message.
  static void SetUpTestSuite() {
    try {
      assets_ = new AssetLibrary(kAssets, audio_, nullptr);
    } catch (const MediaError& e) {
      load_error_ = e.what();
    }
  }
  static void TearDownTestSuite() {
    delete assets_;
    assets_ = nullptr;
  }
  void SetUp() override {
    if (assets_ == nullptr) GTEST_FAIL() << load_error_;
  }

  static SilentAudio audio_;
  static AssetLibrary* assets_;
  static std::string load_error_;
};

SilentAudio CatalogueTest::audio_;
AssetLibrary* CatalogueTest::assets_ = nullptr;
std::string CatalogueTest::load_error_;

TEST_F(CatalogueTest, EveryPictureHasItsSizePatternsAndColourKey) {
  for (const ImageListSpec& list : ImageCatalogue()) {
    const ImageList& images = assets_->Images(list.holder, list.name);
    ASSERT_EQ(images.Count(), static_cast<int>(list.items.size())) << list.name;
    for (int i = 0; i < images.Count(); ++i) {
      const ImageSpec& spec = list.items[i];
      const std::string path = ImagePath(list, i);
      SCOPED_TRACE(path);
      EXPECT_TRUE(fs::is_regular_file(kAssets + "/" + path));
      const PictureItem& item = images.Item(i);
      EXPECT_EQ(item.Name, spec.name);
      EXPECT_EQ(item.PictureWidth(), spec.width);
      EXPECT_EQ(item.PictureHeight(), spec.height);
      EXPECT_EQ(item.Width(), spec.pattern_width > 0 ? spec.pattern_width : spec.width);
      EXPECT_EQ(item.Height(), spec.pattern_height > 0 ? spec.pattern_height : spec.height);
      EXPECT_EQ(item.PatternCount(), spec.PatternCount());
      EXPECT_EQ(item.TransparentColor, spec.key);
      EXPECT_TRUE(item.Transparent);
    }
  }
}

// Loading reads and checks every file but converts no picture; the first
// use of one converts it to exactly the colours its file holds, so a picture
// can never be shown before it is ready.
TEST(LoadedPictures, NoneIsConvertedAtLoadAndOneIsOnItsFirstUse) {
  SilentAudio audio;
  const AssetLibrary assets(kAssets, audio, nullptr);
  for (const ImageListSpec& list : ImageCatalogue()) {
    const ImageList& images = assets.Images(list.holder, list.name);
    for (int i = 0; i < images.Count(); ++i) {
      EXPECT_FALSE(images.Item(i).Converted()) << ImagePath(list, i);
    }
  }
  const ImageListSpec& menu = ImageCatalogue().front();
  const ImageList& images = assets.Images(menu.holder, menu.name);
  const IndexedPicture file = ReadBmp8(kAssets + "/" + ImagePath(menu, 0));
  const PictureItem& item = images.Item(0);
  const PatternView first = item.Pattern(0);
  ASSERT_TRUE(item.Converted());
  ASSERT_TRUE(first.Valid());
  EXPECT_FALSE(images.Item(1).Converted()) << "only the picture used";
  for (int y = 0; y < first.height; ++y) {
    for (int x = 0; x < first.width; ++x) {
      const Rgb colour = file.palette[file.indices[static_cast<size_t>(y) * file.width + x]];
      ASSERT_EQ(first.At(x, y), PackRgb(colour)) << x << "," << y;
    }
  }
}

TEST_F(CatalogueTest, EverySoundIsStereoAtItsRateDepthAndLength) {
  for (const SoundListSpec& list : SoundCatalogue()) {
    SoundList& waves = assets_->Sounds(list.name);
    ASSERT_EQ(waves.Count(), static_cast<int>(list.items.size())) << list.name;
    for (int i = 0; i < waves.Count(); ++i) {
      const SoundSpec& spec = list.items[i];
      const std::string path = SoundPath(list, i);
      SCOPED_TRACE(path);
      EXPECT_TRUE(fs::is_regular_file(kAssets + "/" + path));
      const SoundItem& item = waves.Item(i);
      EXPECT_EQ(item.Name, spec.name);
      EXPECT_EQ(item.Looped, spec.looped);
      const WaveData& wave = item.Wave();
      EXPECT_EQ(wave.sample_rate, spec.sample_rate);
      EXPECT_EQ(wave.bits_per_sample, spec.bits);
      EXPECT_EQ(wave.channels, 2);
      EXPECT_NEAR(wave.Seconds(), spec.seconds, 0.005 + 1e-9);
    }
  }
}

TEST_F(CatalogueTest, FontIsInTheAssetFolder) {
  EXPECT_EQ(assets_->FontPath(), kAssets + "/fonts/LiberationSans-Regular.ttf");
  EXPECT_TRUE(fs::is_regular_file(assets_->FontPath()));
}

TEST_F(CatalogueTest, LookupByNameFindsTheFirstOfTwoNamesakes) {
  // Menu holds two `scores` pictures; the game asks for the first by name.
  const PictureItem& scores = assets_->Images(Holder::kMain, "Menu").Item("scores");
  EXPECT_EQ(scores.PictureWidth(), 212);
  EXPECT_EQ(scores.PictureHeight(), 30);
}

TEST_F(CatalogueTest, CursorPatternsRunLeftToRight) {
  const PictureItem& cursor = assets_->Images(Holder::kMain, "Menu").Item("cursor");
  ASSERT_EQ(cursor.PatternCount(), 3);
  EXPECT_EQ(cursor.PatternRect(0), RectOfSize(0, 0, 19, 55));
  EXPECT_EQ(cursor.PatternRect(1), RectOfSize(19, 0, 19, 55));
  EXPECT_EQ(cursor.PatternRect(2), RectOfSize(38, 0, 19, 55));
}

TEST_F(CatalogueTest, ListsOfTheSameNameAreKeptApartByHolder) {
  const ImageList& ship = assets_->Images(Holder::kShip, "ListShell");
  const ImageList& boss = assets_->Images(Holder::kBoss, "ListShell");
  EXPECT_NE(&ship, &boss);
  EXPECT_EQ(ship.Item("shell").PictureWidth(), 5);
  EXPECT_EQ(ship.Item("shell").PictureHeight(), 13);
  EXPECT_EQ(boss.Item("shell").PictureWidth(), 7);
  EXPECT_EQ(boss.Item("shell").PictureHeight(), 18);
  EXPECT_EQ(ship.Find("cannon_1"), nullptr);
  EXPECT_NE(boss.Find("cannon_1"), nullptr);
}

TEST_F(CatalogueTest, AbsentListsAreMediaErrors) {
  EXPECT_THROW(assets_->Images(Holder::kEnemy, "ListShell"), MediaError);
  EXPECT_THROW(assets_->Images(Holder::kMain, "Nothing"), MediaError);
  EXPECT_THROW(assets_->Sounds("Nothing"), MediaError);
}

// Loading from a damaged copy of the asset folder.
class DamagedAssetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::path(::testing::TempDir()) /
        ("assets_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::copy(kAssets, folder_, fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& relative) const { return (folder_ / relative).string(); }

  std::string LoadFault() const {
    SilentAudio audio;
    try {
      AssetLibrary assets(folder_.string(), audio, nullptr);
    } catch (const MediaError& e) {
      return e.what();
    }
    ADD_FAILURE() << "the damaged folder loaded";
    return {};
  }

  fs::path folder_;
};

TEST_F(DamagedAssetsTest, MissingPictureIsNamed) {
  const std::string path = PathOf("boss/ListShell/00_shell.bmp");
  fs::remove(path);
  EXPECT_EQ(LoadFault(), path + ": file not found");
}

TEST_F(DamagedAssetsTest, MissingSoundIsNamed) {
  const std::string path = PathOf("main/MenuSounds/01_click.wav");
  fs::remove(path);
  EXPECT_EQ(LoadFault(), path + ": file not found");
}

TEST_F(DamagedAssetsTest, MissingFontIsNamed) {
  const std::string path = PathOf("fonts/LiberationSans-Regular.ttf");
  fs::remove(path);
  EXPECT_NE(LoadFault().find(path), std::string::npos);
}

TEST_F(DamagedAssetsTest, PictureOfTheWrongSizeIsNamed) {
  // The second `scores` of Menu put in place of the first.
  fs::copy_file(PathOf("main/Menu/12_scores.bmp"), PathOf("main/Menu/04_scores.bmp"),
                fs::copy_options::overwrite_existing);
  EXPECT_EQ(LoadFault(),
            PathOf("main/Menu/04_scores.bmp") + ": picture is 231x25, expected 212x30");
}

TEST_F(DamagedAssetsTest, SoundOfTheWrongFormatIsNamed) {
  // button is 16-bit at 22050 Hz; music1 is 8-bit at the same rate.
  fs::copy_file(PathOf("main/Music/00_music1.wav"), PathOf("main/MenuSounds/00_button.wav"),
                fs::copy_options::overwrite_existing);
  EXPECT_EQ(LoadFault(), PathOf("main/MenuSounds/00_button.wav") +
                             ": sound is 22050 Hz 8-bit stereo, expected 22050 Hz 16-bit stereo");
}

TEST_F(DamagedAssetsTest, SomethingElseInPlaceOfAnAssetIsNamedAsWhatItIs) {
  // A named pipe with no writer would hold up the game for good if opened.
  ::alarm(20);
  const struct {
    const char* relative;
    const char* what;
  } cases[] = {
      {"main/Menu/00_logo.bmp", "is a folder, not a file"},
      {"main/Menu/00_logo.bmp", "is a named pipe, not a file"},
      {"main/Menu/00_logo.bmp", "is a device, not a file"},
      {"main/MenuSounds/01_click.wav", "is a named pipe, not a file"},
      {"fonts/LiberationSans-Regular.ttf", "is a folder, not a file"},
      {"fonts/LiberationSans-Regular.ttf", "is a named pipe, not a file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.relative) + " " + c.what);
    const std::string path = PathOf(c.relative);
    const std::string saved = path + ".saved";
    fs::rename(path, saved);
    const std::string what = c.what;
    if (what.find("folder") != std::string::npos) fs::create_directory(path);
    if (what.find("pipe") != std::string::npos) {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    }
    if (what.find("device") != std::string::npos) fs::create_symlink("/dev/zero", path);
    EXPECT_EQ(LoadFault(), path + ": " + what);
    fs::remove(path);
    fs::rename(saved, path);
  }
  ::alarm(0);
}

// The most memory this process has held so far, in bytes.
uint64_t PeakMemory() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<uint64_t>(usage.ru_maxrss) * 1024;
}

TEST_F(DamagedAssetsTest, HeaderAskingForMoreThanTheCatalogueAllowsIsRefusedUnread) {
  constexpr uint64_t kHuge = uint64_t{255} << 20;
  const auto patch = [](std::vector<char>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
  };
  // Each file is made huge but sparse, so it costs no disk, only reading it does.
  const auto damage = [&](const std::string& path, size_t at, uint32_t value) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    in.close();
    patch(bytes, at, value);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    fs::resize_file(path, kHuge);
  };
  const struct {
    const char* relative;
    size_t at;
    uint32_t value;
    const char* fault;
  } cases[] = {
      {"main/Menu/00_logo.bmp", 18, 5000, "picture is 5000x30, expected 268x30"},
      {"main/Menu/00_logo.bmp", 10, 200u << 20, "header asks for more than a 268x30 picture holds"},
      {"main/MenuSounds/00_button.wav", 40, 200u << 20,
       "sound is 2377.72 s long, at most 1.12 s expected"},
  };
  const uint64_t before = PeakMemory();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fault);
    const std::string path = PathOf(c.relative);
    const std::string saved = path + ".saved";
    fs::copy_file(path, saved);
    damage(path, c.at, c.value);
    EXPECT_EQ(LoadFault(), path + ": " + c.fault);
    fs::rename(saved, path);
  }
  EXPECT_LT(PeakMemory() - before, uint64_t{32} << 20) << "a refused file was read whole";
}

}  // namespace
}  // namespace zephyrant
