// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace zephyrant {

// The media layer's own errors: a name missing from a list, a display mode
// that cannot be set, a surface that cannot be made, an unreadable asset.
class MediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zephyrant
