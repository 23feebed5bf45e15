// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/platform.h"

namespace zephyrant {

// Hands web pages and files to the desktop's browser through SDL, which
// passes the address to the desktop's opener as a single argument; no
// command line is ever put together from it.
class SdlUrlOpener final : public UrlOpener {
 public:
  bool Open(const std::string& url) override;
};

}  // namespace zephyrant
