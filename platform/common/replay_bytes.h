// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers a replay is written in (docs/replay-format.md), and a reader
// that holds every length it reads to a limit and to what is left.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/common/replay_file.h"

namespace zephyrant {

class ReplayWriter {
 public:
  void Byte(uint8_t b) { out_ += static_cast<char>(b); }
  void Fixed(uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) Byte(static_cast<uint8_t>(value >> (8 * i)));
  }
  void Unsigned(uint32_t value) {
    while (value >= 0x80) {
      Byte(static_cast<uint8_t>(value | 0x80));
      value >>= 7;
    }
    Byte(static_cast<uint8_t>(value));
  }
  void Signed(int32_t value) {
    const uint32_t u = static_cast<uint32_t>(value);
    Unsigned((u << 1) ^ (value < 0 ? 0xffffffffu : 0u));
  }
  void Text(std::string_view text) {
    Unsigned(static_cast<uint32_t>(text.size()));
    out_ += text;
  }
  std::string& Bytes() { return out_; }

 private:
  std::string out_;
};

class ReplayReader {
 public:
  ReplayReader(std::string_view bytes, std::string_view source) : bytes_(bytes), source_(source) {}

  [[noreturn]] void Fail(const std::string& problem) const {
    throw ReplayError(std::string(source_) + ": " + problem);
  }
  void Need(size_t n, const char* what) const {
    if (bytes_.size() - at_ < n) Fail(std::string("truncated: the file ends inside ") + what);
  }
  uint8_t Byte(const char* what) {
    Need(1, what);
    return static_cast<uint8_t>(bytes_[at_++]);
  }
  uint64_t Fixed(int bytes, const char* what) {
    Need(static_cast<size_t>(bytes), what);
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      value |= static_cast<uint64_t>(static_cast<uint8_t>(bytes_[at_++])) << (8 * i);
    }
    return value;
  }
  uint32_t Unsigned(const char* what) {
    uint64_t value = 0;
    for (int shift = 0; shift < 35; shift += 7) {
      const uint8_t b = Byte(what);
      value |= static_cast<uint64_t>(b & 0x7f) << shift;
      if ((b & 0x80) == 0) {
        if (value > 0xffffffffu) break;
        return static_cast<uint32_t>(value);
      }
    }
    Fail(std::string("damaged: ") + what + " is not a number");
  }
  uint32_t Bounded(uint32_t most, const char* what) {
    const uint32_t value = Unsigned(what);
    if (value > most) {
      Fail(std::string("damaged: ") + what + " " + std::to_string(value) + " is over " +
           std::to_string(most));
    }
    return value;
  }
  int32_t Signed(const char* what) {
    const uint32_t u = Unsigned(what);
    return static_cast<int32_t>((u >> 1) ^ (0u - (u & 1u)));
  }
  int32_t SignedIn(int32_t lowest, int32_t highest, const char* what) {
    const int32_t value = Signed(what);
    if (value < lowest || value > highest) {
      Fail(std::string("damaged: ") + what + " " + std::to_string(value) + " is not from " +
           std::to_string(lowest) + " to " + std::to_string(highest));
    }
    return value;
  }
  std::string_view View(size_t most, const char* what) {
    const uint32_t size = Bounded(static_cast<uint32_t>(most), what);
    Need(size, what);
    const std::string_view text = bytes_.substr(at_, size);
    at_ += size;
    return text;
  }
  std::string Text(size_t most, const char* what) { return std::string(View(most, what)); }
  void Skip(size_t n, const char* what) {
    Need(n, what);
    at_ += n;
  }
  size_t At() const { return at_; }
  size_t Left() const { return bytes_.size() - at_; }
  bool AtEnd() const { return at_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::string_view source_;
  size_t at_ = 0;
};

}  // namespace zephyrant
