#include "data/AtomicFile.h"

#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace velkaro {

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
  temporary_ = target_;
  temporary_ += ".tmp~";
}

AtomicFile::~AtomicFile() {
  if (staged_) {
    std::error_code ec;
    std::filesystem::remove(temporary_, ec);
  }
}

bool AtomicFile::stage(const std::string& bytes) {
  const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  staged_ = true;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) {
      ::close(fd);
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
}

bool AtomicFile::commit() {
  if (!staged_) return false;
  if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
  staged_ = false;
  return true;
}

bool AtomicFile::replace(const std::filesystem::path& target, const std::string& bytes) {
  AtomicFile file(target);
  return file.stage(bytes) && file.commit();
}

}  // namespace velkaro
