// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/platform.h"

namespace zephyrant {

// Real time for the game clock, from SDL's millisecond counter.
class SdlClock final : public Clock {
 public:
  uint32_t NowMs() const override;
  uint32_t SeedValue() const override;
};

}  // namespace zephyrant
