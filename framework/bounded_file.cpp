// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zephyrant {

namespace {

// What stands at a path that is not a regular file, as the player would say it.
std::string NotAFile(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder, not a file";
  if (S_ISFIFO(mode)) return "is a named pipe, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a file";
  if (S_ISSOCK(mode)) return "is a socket, not a file";
  return "is not a regular file";
}

std::string CannotRead(int error) {
  return std::string("cannot be read (") + std::strerror(error) + ")";
}

BoundedFile Failed(BoundedFile::Status status, std::string problem) {
  BoundedFile file;
  file.status = status;
  file.problem = std::move(problem);
  return file;
}

}  // namespace

BoundedFile ReadBoundedFile(const std::string& path, uint64_t limit) {
  using Status = BoundedFile::Status;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return Failed(Status::kMissing, "file not found");
    return Failed(Status::kUnreadable, CannotRead(errno));
  }
  if (!S_ISREG(info.st_mode)) return Failed(Status::kNotAFile, NotAFile(info.st_mode));

  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return Failed(Status::kMissing, "file not found");
    return Failed(Status::kUnreadable, CannotRead(errno));
  }
  BoundedFile file;
  if (::fstat(fd, &info) != 0) {
    file = Failed(Status::kUnreadable, CannotRead(errno));
  } else if (!S_ISREG(info.st_mode)) {
    file = Failed(Status::kNotAFile, NotAFile(info.st_mode));
  } else {
    file.size = static_cast<uint64_t>(info.st_size);
    file.device = static_cast<uint64_t>(info.st_dev);
    file.inode = static_cast<uint64_t>(info.st_ino);
    const uint64_t wanted = std::min(file.size, limit);
    file.bytes.resize(static_cast<size_t>(wanted));
    size_t done = 0;
    int error = 0;
    // A file that shrinks while it is read is as long as what was read.
    while (done < file.bytes.size()) {
      const ssize_t got = ::read(fd, file.bytes.data() + done, file.bytes.size() - done);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) error = errno;
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    file.bytes.resize(done);
    if (done < wanted) file.size = done;
    if (error != 0) {
      file = Failed(Status::kUnreadable, CannotRead(error));
    } else {
      file.status = Status::kRead;
    }
  }
  ::close(fd);
  return file;
}

}  // namespace zephyrant
