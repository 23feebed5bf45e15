// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/stretch.h"

#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace zephyrant {

int SourceIndex(int i, int n, int m) {
  return static_cast<int>((int64_t{2} * i + 1) * m / (int64_t{2} * n));
}

namespace {

// The gather of one stretched row; on processors with AVX2 the compiler
// turns it into vector gathers, several times faster than one at a time.
__attribute__((target_clones("avx2", "default"))) void GatherRow(const uint32_t* __restrict in,
                                                                 const int* __restrict columns,
                                                                 uint32_t* __restrict out,
                                                                 int width) {
  for (int x = 0; x < width; ++x) out[x] = in[columns[x]];
}

#if defined(__x86_64__)
bool HasAvx2() {
  static const bool has = __builtin_cpu_supports("avx2") != 0;
  return has;
}

// A widened row, eight box pixels at a time: one load of the eight source
// pixels from the block's first one, one shuffle, one store. A gather would
// load every pixel on its own.
__attribute__((target("avx2"))) void ShuffleRow(const uint32_t* in, const int* firsts,
                                                const int32_t* lanes, int blocks, uint32_t* out) {
  for (int b = 0; b < blocks; ++b) {
    const __m256i pixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + firsts[b]));
    const __m256i order = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(lanes + 8 * b));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 8 * b),
                        _mm256_permutevar8x32_epi32(pixels, order));
  }
}
#else
bool HasAvx2() {
  return false;
}
void ShuffleRow(const uint32_t*, const int*, const int32_t*, int, uint32_t*) {}
#endif

}  // namespace

void NearestStretcher::PrepareColumns(int source_width, int width) {
  if (columns_for_ == Size{source_width, width}) return;
  columns_for_ = Size{source_width, width};
  columns_.resize(width);
  for (int x = 0; x < width; ++x) columns_[x] = SourceIndex(x, width, source_width);
  block_firsts_.clear();
  block_lanes_.clear();
  if (width < source_width || !HasAvx2()) return;
  // Widening moves at most one source column per box column, so a block of
  // eight box columns reads at most eight neighbouring source columns. The
  // blocks stop where the eight would run past the source row's end.
  for (int x = 0; x + kBlock <= width; x += kBlock) {
    const int first = columns_[x];
    if (first + kBlock > source_width) break;
    block_firsts_.push_back(first);
    for (int i = 0; i < kBlock; ++i) block_lanes_.push_back(columns_[x + i] - first);
  }
}

void NearestStretcher::Stretch(const uint32_t* source, Size source_size, int source_pitch,
                               const PixelBuffer& target, const Rect& box) {
  const int width = box.Width();
  const int height = box.Height();
  if (width <= 0 || height <= 0 || source_size.width <= 0 || source_size.height <= 0) return;
  int last_row = -1;
  uint32_t* previous = nullptr;
  for (int y = 0; y < height; ++y) {
    uint32_t* out = target.pixels + static_cast<ptrdiff_t>(box.top + y) * target.pitch + box.left;
    const int row = SourceIndex(y, height, source_size.height);
    const uint32_t* in = source + static_cast<ptrdiff_t>(row) * source_pitch;
    if (row == last_row) {
      std::memcpy(out, previous, sizeof(uint32_t) * width);
    } else {
      StretchRow(in, source_size.width, out, width);
    }
    last_row = row;
    previous = out;
  }
}

void NearestStretcher::StretchRow(const uint32_t* in, int source_width, uint32_t* out, int width) {
  if (width == source_width) {
    std::memcpy(out, in, sizeof(uint32_t) * width);
    return;
  }
  PrepareColumns(source_width, width);
  const int blocks = static_cast<int>(block_firsts_.size());
  const int shuffled = blocks * kBlock;
  if (blocks > 0) ShuffleRow(in, block_firsts_.data(), block_lanes_.data(), blocks, out);
  GatherRow(in, columns_.data() + shuffled, out + shuffled, width - shuffled);
}

}  // namespace zephyrant
