// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace zephyrant {

// Puts `bytes` at `path` whole or not at all: they go into a fresh file made
// from `temp_pattern` (a path in the same folder ending in XXXXXX) with the
// permission bits `mode`, which is renamed over `path` once written, so a
// crash or a full disk leaves either what was at `path` or the new file,
// never half of each, and nothing left at any name beside it (a link, a named
// pipe) is followed or opened. A durable file is on the disk, and its rename
// in the folder, before this returns. Empty when it worked, else why not; on
// failure the fresh file is gone.
std::string ReplaceFile(const std::filesystem::path& path, std::string temp_pattern,
                        std::string_view bytes, mode_t mode, bool durable);

// Asks the system to put a folder's entries (a rename into it) on the disk.
void SyncFolder(const std::filesystem::path& folder);

}  // namespace zephyrant
