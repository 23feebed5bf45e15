// SPDX-License-Identifier: GPL-3.0-or-later
// The software presenter's stretch of the 800 x 600 surface into a window.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "platform/sdl/changed_rows.h"
#include "platform/sdl/stretch.h"

namespace zephyrant {
namespace {

constexpr Size kSourceSize{800, 600};

// A picture of the surface's size with no two neighbours alike.
std::vector<uint32_t> Scrambled() {
  std::vector<uint32_t> pixels(kSourceSize.width * kSourceSize.height);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint32_t>(i * 2654435761u);
  return pixels;
}

// A window of the benchmark's first two arguments and the largest 4:3 box in
// it, centred.
struct Window {
  explicit Window(const benchmark::State& state)
      : size{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))},
        pixels(size.width * size.height),
        buffer{pixels.data(), size, size.width} {
    const int box_width = std::min(size.width, size.height * 4 / 3);
    const int box_height = box_width * 3 / 4;
    box = RectOfSize((size.width - box_width) / 2, (size.height - box_height) / 2, box_width,
                     box_height);
  }
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  Size size;
  std::vector<uint32_t> pixels;
  PixelBuffer buffer;
  Rect box;
};

void BM_StretchIntoWindow(benchmark::State& state) {
  const std::vector<uint32_t> source = Scrambled();
  Window window(state);
  NearestStretcher stretcher;
  for (auto _ : state) {
    stretcher.Stretch(source.data(), kSourceSize, kSourceSize.width, window.buffer, window.box);
    benchmark::DoNotOptimize(window.pixels.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchIntoWindow)
    ->Args({800, 600})
    ->Args({1280, 1024})
    ->Args({1920, 1080})
    ->Args({3840, 2160});

// A frame of the main menu: the stars stand still while the cloud layer and a
// few sprites move, about 170 of the 600 rows, in bands down the picture.
// Frames alternate between two pictures that differ in `changed` rows.
void BM_StretchChangedRows(benchmark::State& state) {
  const int changed = static_cast<int>(state.range(2));
  std::vector<uint32_t> frames[2] = {Scrambled(), Scrambled()};
  // Bands of 17 rows every 60, as far as `changed` rows go.
  for (int row = 0, n = 0; row < kSourceSize.height && n < changed; ++row) {
    if (changed < kSourceSize.height && row % 60 >= 17) continue;
    for (int x = 0; x < kSourceSize.width; ++x) frames[1][row * kSourceSize.width + x] ^= 0xFF;
    ++n;
  }
  Window window(state);
  ChangedRowStretcher stretcher;
  size_t frame = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(stretcher.Stretch(frames[++frame % 2].data(), kSourceSize,
                                               kSourceSize.width, window.buffer, window.box));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchChangedRows)
    ->Args({1280, 1024, 170})
    ->Args({1280, 1024, 600})
    ->Args({3840, 2160, 170})
    ->Args({3840, 2160, 600});

}  // namespace
}  // namespace zephyrant

BENCHMARK_MAIN();
