// SPDX-License-Identifier: GPL-3.0-or-later
// One whole frame of a busy scene (input, move, purge, clear, draw, texts)
// next to a plain copy of the 800 x 600 surface, in the same process.

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/asset_catalogue.h"
#include "framework/assets.h"
#include "framework/media_files.h"
#include "game/main_window.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/scratch_folder.h"

namespace zephyrant {
namespace {

constexpr int kImageSprites = 300;
constexpr int kRotatedSprites = 60;

struct BusyScene {
  BusyScene()
      : folder(),
        platform(HeadlessOptions{1, HeadlessDisplay::kDefaultDesktop, folder.Path()}),
        assets(ZEPHYRANT_SOURCE_ASSETS, platform.audio, nullptr),
        main_window(platform.services, assets) {
    main_window.StartUp();
    main_window.State().screenState = kHelp;  // the screen with the most text
    const ImageList& enemies = main_window.Images(Holder::kEnemy, "LittleBoss");
    const ImageList& shots = main_window.Images(Holder::kEnemy, "LittleShell");
    RandomGenerator& random = main_window.Random();
    for (int i = 0; i < kImageSprites; ++i) {
      ImageSprite& s = main_window.Engine().Spawn<ImageSprite>();
      s.SetImage(enemies.Item(i % enemies.Count()));
      s.X = random(800);
      s.Y = random(600);
    }
    for (int i = 0; i < kRotatedSprites; ++i) {
      RotatedSprite& s = main_window.Engine().Spawn<RotatedSprite>();
      s.SetImage(shots.Item("shell_9"));
      s.X = random(800);
      s.Y = random(600);
      s.Angle = 1 + random(255);
    }
  }
  ScratchFolder folder;
  HeadlessPlatform platform;
  AssetLibrary assets;
  MainWindow main_window;
};

void BM_BusyFrame(benchmark::State& state) {
  BusyScene scene;
  for (auto _ : state) {
    scene.main_window.RunFrame(1);
    benchmark::DoNotOptimize(scene.main_window.DrawingSurface().Pixels());
  }
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond);

void BM_SurfaceCopy(benchmark::State& state) {
  Surface from;
  Surface to;
  from.Fill(0x102030);
  for (auto _ : state) {
    std::memcpy(to.Pixels(), from.Pixels(), sizeof(uint32_t) * kSurfaceWidth * kSurfaceHeight);
    benchmark::DoNotOptimize(to.Pixels());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SurfaceCopy)->Unit(benchmark::kMicrosecond);

// A colour-keyed copy of noisy content, where a per-pixel branch would
// mispredict half the time.
void BM_KeyedCopyNoisy(benchmark::State& state) {
  IndexedPicture picture;
  picture.width = 400;
  picture.height = 300;
  picture.palette = {Rgb{4, 2, 4}, Rgb{200, 100, 50}};
  RandomGenerator random(5);
  for (int i = 0; i < picture.width * picture.height; ++i) {
    picture.indices.push_back(static_cast<uint8_t>(random(2)));
  }
  PictureItem item("noise", std::move(picture), 0, 0, Rgb{4, 2, 4});
  Surface surface;
  for (auto _ : state) {
    item.Draw(&surface, 100, 100, 0);
    benchmark::DoNotOptimize(surface.Pixels());
  }
}
BENCHMARK(BM_KeyedCopyNoisy)->Unit(benchmark::kMicrosecond);

// The drifting cloud layer over the whole screen: two tiles across and three
// rows of them, the top and bottom ones cut by the screen's edges.
void BM_CloudLayer(benchmark::State& state) {
  const std::string path = std::string(ZEPHYRANT_SOURCE_ASSETS) + "/main/Background/01_clouds.bmp";
  PictureItem clouds("clouds", ReadBmp8(path), 0, 0, kDefaultColourKey);
  Surface surface;
  int drift = 0;
  for (auto _ : state) {
    for (int row = -1; row <= 1; ++row) {
      for (int column = 0; column < 2; ++column) {
        clouds.Draw(&surface, column * 400, row * 300 + drift, 0);
      }
    }
    drift = (drift + 7) % 300;
    benchmark::DoNotOptimize(surface.Pixels());
  }
}
BENCHMARK(BM_CloudLayer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zephyrant

BENCHMARK_MAIN();
