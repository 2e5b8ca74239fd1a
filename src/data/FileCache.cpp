#include "data/FileCache.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "data/Codec.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

std::string locationKey(const GamePaths& dir, const std::string& name) { return dir.root().native() + '\n' + name; }

}  // namespace

FileCache& FileCache::shared() {
  static FileCache cache;
  return cache;
}

std::string FileCache::locate(const GamePaths& dir, const std::string& name) {
  const std::string key = locationKey(dir, name);
  auto found = locations_.find(key);
  if (found != locations_.end()) return found->second;
  return relocate(dir, name);
}

std::string FileCache::relocate(const GamePaths& dir, const std::string& name) {
  if (locations_.size() >= kMaxFiles * 4) locations_.clear();
  std::string path = dir.resolve(name).native();
  locations_[locationKey(dir, name)] = path;
  return path;
}

// Reads the file into scratch_ (its first scratchSize_ bytes); a read shorter than asked for
// ends a regular file. The buffer only grows, so a read does not clear it first.
int FileCache::readInto(const std::string& path, std::size_t expected) {
  // Non-blocking, so that a FIFO in place of a file is refused instead of waiting for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int failure = S_ISDIR(info.st_mode) ? EISDIR : ENODEV;
    ::close(fd);
    return failure;
  }
  const std::size_t wanted = std::max<std::size_t>(expected + 1, 4096);
  if (scratch_.size() < wanted) scratch_.resize(wanted);
  std::size_t size = 0;
  int failure = 0;
  for (;;) {
    if (size == scratch_.size()) scratch_.resize(scratch_.size() * 2);
    const ssize_t n = ::read(fd, scratch_.data() + size, scratch_.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      failure = errno;
      break;
    }
    const std::size_t asked = scratch_.size() - size;
    size += static_cast<std::size_t>(n);
    if (static_cast<std::size_t>(n) < asked) break;
  }
  ::close(fd);
  scratchSize_ = size;
  return failure;
}

const FileCache::Contents* FileCache::trustedContents(const std::string& path) const {
  auto found = files_.find(path);
  return found != files_.end() && found->second.seenIn == window_ ? found->second.contents.get() : nullptr;
}

FileCache::Handle FileCache::read(const std::string& path, int& failure) {
  failure = 0;
  auto found = files_.find(path);
  if (found != files_.end() && found->second.seenIn == window_) return found->second.contents;
  const std::size_t expected = found != files_.end() ? found->second.contents->bytes.size() : 0;
  failure = readInto(path, expected);
  if (failure != 0) return nullptr;
  notify(Access::read, path, scratchSize_);
  const std::string_view bytes(scratch_.data(), scratchSize_);
  if (found != files_.end() && found->second.contents->bytes == bytes) {
    found->second.seenIn = window_;
    return found->second.contents;
  }
  Handle contents = contentsOf(std::string(bytes), nullptr);
  wrote(path, contents);
  return contents;
}

void FileCache::wrote(const std::string& path, Handle contents) {
  if (files_.size() >= kMaxFiles && files_.find(path) == files_.end()) files_.clear();
  files_[path] = Entry{std::move(contents), window_};
}

FileCache::Handle FileCache::contentsOf(std::string bytes, const std::string* utf8) {
  auto contents = std::make_shared<Contents>();
  contents->bytes = std::move(bytes);
  if (utf8 != nullptr) {
    contents->decoded = true;
    contents->encodedFromText = true;
    contents->text = *utf8;
  }
  return contents;
}

const std::optional<std::string>& FileCache::text(Contents& contents) {
  if (!contents.decoded) {
    contents.text = Codec::toUtf8(contents.bytes);
    contents.decoded = true;
  }
  return contents.text;
}

const std::vector<std::string>& FileCache::lines(Contents& contents) {
  if (!contents.lines) contents.lines = TextFile::splitLines(text(contents).value_or(std::string()));
  return *contents.lines;
}

}  // namespace velkaro
