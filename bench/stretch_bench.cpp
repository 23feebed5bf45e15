// SPDX-License-Identifier: GPL-3.0-or-later
// The software presenter's stretch of the 800 x 600 surface into a window.

#include <benchmark/benchmark.h>

#include <vector>

#include "platform/sdl/stretch.h"

namespace zephyrant {
namespace {

void BM_StretchIntoWindow(benchmark::State& state) {
  const Size source_size{800, 600};
  const Size window{static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
  std::vector<uint32_t> source(source_size.width * source_size.height);
  for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint32_t>(i * 2654435761u);
  std::vector<uint32_t> target(window.width * window.height);
  const PixelBuffer buffer{target.data(), window, window.width};
  // The largest 4:3 box, centred.
  const int box_width = std::min(window.width, window.height * 4 / 3);
  const int box_height = box_width * 3 / 4;
  const Rect box = RectOfSize((window.width - box_width) / 2, (window.height - box_height) / 2,
                              box_width, box_height);
  NearestStretcher stretcher;
  for (auto _ : state) {
    stretcher.Stretch(source.data(), source_size, source_size.width, buffer, box);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StretchIntoWindow)->Args({800, 600})->Args({1280, 1024})->Args({1920, 1080})->Args({3840, 2160});

}  // namespace
}  // namespace zephyrant

BENCHMARK_MAIN();
