// One whole frame of a busy scene (input, move, purge, clear, draw, texts)
// next to a plain copy of the 800 x 600 surface, in the same process.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "framework/assets.h"
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
        form(platform.services, assets) {
    form.FormCreate();
    form.State().screenState = kHelp;  // the screen with the most text
    const TDXImageList& enemies = form.Images(Holder::kEnemy, "LittleBoss");
    const TDXImageList& shots = form.Images(Holder::kEnemy, "LittleShell");
    TRandom& random = form.Random();
    for (int i = 0; i < kImageSprites; ++i) {
      TImageSprite& s = form.Engine().Spawn<TImageSprite>();
      s.SetImage(enemies.Item(i % enemies.Count()));
      s.X = random(800);
      s.Y = random(600);
    }
    for (int i = 0; i < kRotatedSprites; ++i) {
      TImageSpriteEx& s = form.Engine().Spawn<TImageSpriteEx>();
      s.SetImage(shots.Item("shell_9"));
      s.X = random(800);
      s.Y = random(600);
      s.Angle = 1 + random(255);
    }
  }
  ScratchFolder folder;
  HeadlessPlatform platform;
  TAssets assets;
  TForm1 form;
};

void BM_BusyFrame(benchmark::State& state) {
  BusyScene scene;
  for (auto _ : state) {
    scene.form.DXTimerTimer(1);
    benchmark::DoNotOptimize(scene.form.DrawingSurface().Pixels());
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
  TRandom random(5);
  for (int i = 0; i < picture.width * picture.height; ++i) {
    picture.indices.push_back(static_cast<uint8_t>(random(2)));
  }
  TPictureItem item("noise", std::move(picture), 0, 0, Rgb{4, 2, 4});
  Surface surface;
  for (auto _ : state) {
    item.Draw(&surface, 100, 100, 0);
    benchmark::DoNotOptimize(surface.Pixels());
  }
}
BENCHMARK(BM_KeyedCopyNoisy)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zephyrant

BENCHMARK_MAIN();
