#include "data/Durable.h"

#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

#include "data/AtomicFile.h"
#include "data/CommitListener.h"
#include "data/FileCache.h"

namespace velkaro {
namespace {

std::filesystem::path folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

}  // namespace

bool Durable::syncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  return synced && closed && CommitListener::notify();
}

bool Durable::write(const std::filesystem::path& target, const std::string& bytes) {
  FileCache::shared().lookAgain();
  return AtomicFile::replace(target, bytes) && syncFolder(folderOf(target));
}

bool Durable::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  FileCache::shared().lookAgain();
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  return syncFolder(folderOf(to));
}

bool Durable::remove(const std::filesystem::path& target) {
  FileCache::shared().lookAgain();
  std::error_code ec;
  std::filesystem::remove(target, ec);
  if (ec) return false;
  return syncFolder(folderOf(target));
}

}  // namespace velkaro
