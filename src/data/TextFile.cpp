#include "data/TextFile.h"

#include <cerrno>
#include <system_error>

#include "data/AtomicFile.h"
#include "data/Codec.h"
#include "data/DataError.h"
#include "data/FileCache.h"
#include "data/SwappedFile.h"

namespace velkaro {

namespace {

// The file's contents as read now; throws DataError when it is missing or unreadable.
FileCache::Handle load(const GamePaths& dir, const std::string& name) {
  FileCache& cache = FileCache::shared();
  int failure = 0;
  FileCache::Handle contents = cache.read(cache.locate(dir, name), failure);
  // The remembered path may be gone while the name now matches another spelling.
  if (failure == ENOENT || failure == ENOTDIR) contents = cache.read(cache.relocate(dir, name), failure);
  if (failure == ENOENT || failure == ENOTDIR) throw DataError::missing(name);
  if (failure == EISDIR || failure == ENODEV) throw DataError::notAFile(name);
  if (!contents) throw DataError::unreadable(name);
  return contents;
}

const std::string& textOf(FileCache::Contents& contents, const std::string& name) {
  const auto& text = FileCache::text(contents);
  if (!text) throw DataError::encoding(name, "CP932として読めないバイトがあります");
  return *text;
}

void writeCrashSafe(const GamePaths& dir, const std::string& name, const FileCache::Handle& contents) {
  FileCache& cache = FileCache::shared();
  const std::filesystem::path path = cache.relocate(dir, name);
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  cache.notify(FileCache::Access::write, path.native(), contents->bytes.size());
  if (!AtomicFile::replace(path, contents->bytes)) throw DataError::unwritable(name);
  cache.wrote(path.native(), contents);
}

void writeInPlace(const GamePaths& dir, const std::string& name, const FileCache::Handle& contents) {
  FileCache& cache = FileCache::shared();
  std::string path = cache.locate(dir, name);
  cache.notify(FileCache::Access::write, path, contents->bytes.size());
  int failure = SwappedFile::rewrite(path, contents->bytes, false);
  if (failure == ENOENT || failure == ENOTDIR) {
    // A new file: look for another spelling first, and make its folder.
    path = cache.relocate(dir, name);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    failure = SwappedFile::rewrite(path, contents->bytes, true);
  }
  if (failure != 0) throw DataError::unwritable(name);
  cache.wrote(path, contents);
}

void store(const GamePaths& dir, const std::string& name, const FileCache::Handle& contents, Durability durability) {
  if (durability == Durability::killSafe) {
    writeInPlace(dir, name, contents);
  } else {
    writeCrashSafe(dir, name, contents);
  }
}

}  // namespace

std::string TextFile::readBytes(const GamePaths& dir, const std::string& name) { return load(dir, name)->bytes; }

void TextFile::writeBytes(const GamePaths& dir, const std::string& name, const std::string& bytes, Durability durability) {
  store(dir, name, FileCache::contentsOf(bytes, nullptr), durability);
}

std::string TextFile::read(const GamePaths& dir, const std::string& name) {
  const FileCache::Handle contents = load(dir, name);
  return textOf(*contents, name);
}

std::vector<std::string> TextFile::readLines(const GamePaths& dir, const std::string& name) {
  return *sharedLines(dir, name);
}

std::shared_ptr<const std::vector<std::string>> TextFile::sharedLines(const GamePaths& dir, const std::string& name) {
  const FileCache::Handle contents = load(dir, name);
  textOf(*contents, name);
  return std::shared_ptr<const std::vector<std::string>>(contents, &FileCache::lines(*contents));
}

void TextFile::write(const GamePaths& dir, const std::string& name, const std::string& utf8, Durability durability) {
  std::string offending;
  auto bytes = Codec::toCp932(utf8, &offending);
  if (!bytes) throw DataError::encoding(name, "「" + offending + "」はこのファイルに保存できない文字です");
  store(dir, name, FileCache::contentsOf(std::move(*bytes), &utf8), durability);
}

std::string TextFile::joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

void TextFile::copy(const GamePaths& dir, const std::string& from, const std::string& to, Durability durability) {
  // The copy shares the source's contents, so its text is decoded at most once.
  store(dir, to, load(dir, from), durability);
}

std::vector<std::string> TextFile::splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> TextFile::rawLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
      lines.push_back(bytes.substr(start, i + 1 - start));
      start = i + 1;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::string TextFile::withoutLineEnd(const std::string& line) {
  std::size_t end = line.size();
  while (end > 0 && (line[end - 1] == '\r' || line[end - 1] == '\n')) --end;
  return line.substr(0, end);
}

}  // namespace velkaro
