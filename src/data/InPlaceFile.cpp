#include "data/InPlaceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace velkaro {

int InPlaceFile::rewrite(const std::string& path, const std::string& bytes, bool create) {
  // No O_TRUNC: cutting a file to nothing and filling it again makes ext4 flush it on close.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | (create ? O_CREAT : 0), 0644);
  if (fd < 0) return errno;
  std::size_t written = 0;
  int failure = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::pwrite(fd, bytes.data() + written, bytes.size() - written, static_cast<off_t>(written));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failure = n < 0 ? errno : EIO;
      break;
    }
    written += static_cast<std::size_t>(n);
  }
  if (failure == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) failure = errno;
  if (::close(fd) != 0 && failure == 0) failure = errno;
  return failure;
}

}  // namespace velkaro
