#include "data/SwappedFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velkaro {

namespace {

// Writes all bytes to fd from its start and, when `cut`, cuts it there; 0 or the errno of the
// failing call.
int fill(int fd, const std::string& bytes, bool cut) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n < 0 ? errno : EIO;
    written += static_cast<std::size_t>(n);
  }
  if (!cut) return 0;
  return ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 ? 0 : errno;
}

// Opens the spare and fills it with the bytes; 0 or the errno of the failing call. A spare that
// is kept from one rewrite to the next is cut after the write, not at the open: cutting a file to
// nothing and filling it again makes ext4 flush it on close. A spare that is renamed away each
// time is made empty, so it is emptied at the open and needs no cut.
int fillSpare(const std::string& spare, const std::string& bytes, bool kept) {
  const int fd = ::open(spare.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (kept ? 0 : O_TRUNC), 0644);
  if (fd < 0) return errno;
  int failure = fill(fd, bytes, kept);
  if (::close(fd) != 0 && failure == 0) failure = errno;
  return failure;
}

}  // namespace

int SwappedFile::rewrite(const std::string& path, const std::string& bytes, bool create) {
#ifdef RENAME_EXCHANGE
  const std::string spare = path + kSpareSuffix;
  int failure = fillSpare(spare, bytes, true);
  if (failure != 0) return failure;
  // The names are swapped, never renamed over: the target is whole before and after, and the
  // old contents stay under the spare's name to be overwritten next time.
  if (::renameat2(AT_FDCWD, spare.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) return 0;
  failure = errno;
  // A file system that cannot swap (some network and FUSE ones) still takes a rename over.
  if (failure == EINVAL || failure == ENOSYS) {
    ::unlink(spare.c_str());
    return rewriteRenamingOver(path, bytes, create);
  }
  if (failure == ENOENT && create) {
    if (std::rename(spare.c_str(), path.c_str()) == 0) return 0;
    failure = errno;
  }
  ::unlink(spare.c_str());
  return failure;
#else
  return rewriteRenamingOver(path, bytes, create);
#endif
}

int SwappedFile::handSpareTo(const std::string& path, const std::string& other) {
#ifdef RENAME_EXCHANGE
  const std::string spare = path + kSpareSuffix;
  return ::renameat2(AT_FDCWD, spare.c_str(), AT_FDCWD, other.c_str(), RENAME_EXCHANGE) == 0 ? 0 : errno;
#else
  (void)path;
  (void)other;
  return ENOSYS;
#endif
}

int SwappedFile::rewriteRenamingOver(const std::string& path, const std::string& bytes, bool create) {
  if (!create) {
    // The rename would make a missing target, so that is found out before anything is written.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return errno;
  }
  const std::string spare = path + kSpareSuffix;
  int failure = fillSpare(spare, bytes, false);
  if (failure == 0 && std::rename(spare.c_str(), path.c_str()) != 0) failure = errno;
  if (failure != 0) ::unlink(spare.c_str());
  return failure;
}

}  // namespace velkaro
