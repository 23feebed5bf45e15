// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace zephyrant {

namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t done = ::write(fd, data.data(), data.size());
    if (done < 0 && errno == EINTR) continue;
    if (done == 0) errno = EIO;
    if (done <= 0) return false;
    data.remove_prefix(static_cast<size_t>(done));
  }
  return true;
}

}  // namespace

void SyncFolder(const std::filesystem::path& folder) {
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

std::string ReplaceFile(const std::filesystem::path& path, std::string temp_pattern,
                        std::string_view bytes, mode_t mode, bool durable) {
  const int fd = ::mkostemp(temp_pattern.data(), O_CLOEXEC);
  if (fd < 0) return std::strerror(errno);
  bool done = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && (!durable || ::fsync(fd) == 0);
  int error = errno;
  if (::close(fd) != 0 && done) {
    done = false;
    error = errno;
  }
  if (done && ::rename(temp_pattern.c_str(), path.c_str()) != 0) {
    done = false;
    error = errno;
  }
  if (!done) {
    ::unlink(temp_pattern.c_str());
    return std::strerror(error);
  }
  // Make the rename itself survive a power cut.
  if (durable) SyncFolder(path.parent_path());
  return {};
}

}  // namespace zephyrant
