// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a file the game did not write itself (an asset, the settings file)
// without trusting what stands at its path: only a regular file is read,
// never a folder, a named pipe or a device, and never past the caller's limit.

#include <cstdint>
#include <string>

namespace zephyrant {

struct BoundedFile {
  enum class Status { kRead, kMissing, kNotAFile, kUnreadable };
  Status status = Status::kUnreadable;
  // Why it was not read, for a message after the path: "file not found",
  // "is a folder, not a file", "cannot be read (Permission denied)".
  std::string problem;
  std::string bytes;  // the file's first bytes, at most the limit
  uint64_t size = 0;  // the whole file's length
  // Which file was read, to tell it from one put in its place since.
  uint64_t device = 0;
  uint64_t inode = 0;

  bool Read() const { return status == Status::kRead; }
};

// Reads at most `limit` bytes from the start of the regular file at `path`
// (a link to one is followed). What stands there is looked at before it is
// opened, and the open cannot block, so a named pipe or a device swapped in
// between is refused too.
BoundedFile ReadBoundedFile(const std::string& path, uint64_t limit);

}  // namespace zephyrant
