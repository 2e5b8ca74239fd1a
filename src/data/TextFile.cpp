#include "data/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
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

// True when the file already holds the bytes, by what the cache has seen since it last had to
// look again; the cache then keeps whichever contents carry the text that was asked for.
bool alreadyHeld(FileCache& cache, const std::string& path, const FileCache::Handle& contents) {
  if (!cache.holds(path, contents->bytes)) return false;
  const FileCache::Handle held = cache.known(path);
  const bool sameText = held->decoded && contents->decoded && held->text == contents->text;
  if (held != contents && !sameText) cache.wrote(path, contents);
  return true;
}

// Rewrites the file kill-safe; false when it already held the bytes and was left alone.
bool writeInPlace(const GamePaths& dir, const std::string& name, const FileCache::Handle& contents) {
  FileCache& cache = FileCache::shared();
  std::string path = cache.locate(dir, name);
  if (alreadyHeld(cache, path, contents)) return false;
  cache.notify(FileCache::Access::write, path, contents->bytes.size());
  // A file the cache has seen since it last had to look again is there: no need to check first.
  int failure = SwappedFile::rewrite(path, contents->bytes, cache.trusted(path));
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
  return true;
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

std::shared_ptr<const void> TextFile::parsedForm(const GamePaths& dir, const std::string& name, const void* kind,
                                                 const std::function<std::shared_ptr<const void>(const std::string&)>& parse) {
  const FileCache::Handle contents = load(dir, name);
  const std::string& text = textOf(*contents, name);
  auto& form = contents->parsed[kind];
  if (!form) form = parse(text);
  return form;
}

namespace {

// The CP932 form of utf8. The whole lines it shares at its start with the text last written to
// the same file keep the bytes of that write, so a file that grows at its end (the log, the history
// record) is encoded only in its new part. Encoding goes character by character and a line end is
// the same single byte in both forms, so the n-th line end of the text is the n-th of the bytes.
// The length of the common start of a and b.
std::size_t commonStart(const std::string& a, const std::string& b) {
  constexpr std::size_t kBlock = 256;
  const std::size_t size = std::min(a.size(), b.size());
  std::size_t at = 0;
  while (at + kBlock <= size && std::memcmp(a.data() + at, b.data() + at, kBlock) == 0) at += kBlock;
  while (at < size && a[at] == b[at]) ++at;
  return at;
}

// Where the n-th line end of text is (n >= 1), or npos when it has fewer.
std::size_t nthLineEnd(const std::string& text, std::size_t n) {
  const char* at = text.data();
  const char* end = text.data() + text.size();
  while (at < end) {
    const char* found = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    if (found == nullptr) break;
    if (--n == 0) return static_cast<std::size_t>(found - text.data());
    at = found + 1;
  }
  return std::string::npos;
}

// The CP932 form of utf8. The whole lines it shares at its start with the text last written to
// the same file keep the bytes of that write, so a file that grows at its end (the log, the history
// record) is encoded only in its new part. Encoding goes character by character and a line end is
// the same single byte in both forms, so the n-th line end of the text is the n-th of the bytes.
std::optional<std::string> encode(const FileCache::Handle& last, const std::string& utf8, std::string* offending) {
  std::size_t textKept = 0;
  std::size_t bytesKept = 0;
  if (last && last->encodedFromText && last->text) {
    const std::string& old = *last->text;
    const std::size_t common = commonStart(old, utf8);
    const std::size_t lastEnd = common == 0 ? std::string::npos : old.rfind('\n', common - 1);
    if (lastEnd != std::string::npos) {
      const auto lines = static_cast<std::size_t>(std::count(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(lastEnd + 1), '\n'));
      const std::size_t bytesEnd = nthLineEnd(last->bytes, lines);
      if (bytesEnd != std::string::npos) {
        textKept = lastEnd + 1;
        bytesKept = bytesEnd + 1;
      }
    }
  }
  if (textKept == 0) return Codec::toCp932(utf8, offending);
  auto rest = Codec::toCp932(utf8.substr(textKept), offending);
  if (!rest) return std::nullopt;
  std::string bytes;
  bytes.reserve(bytesKept + rest->size());
  bytes.append(last->bytes, 0, bytesKept);
  bytes += *rest;
  return bytes;
}

// The contents a write of utf8 to the file gives; throws DataError when a character has no
// CP932 form.
FileCache::Handle encoded(const GamePaths& dir, const std::string& name, const std::string& utf8) {
  FileCache& cache = FileCache::shared();
  std::string offending;
  auto bytes = encode(cache.known(cache.locate(dir, name)), utf8, &offending);
  if (!bytes) throw DataError::encoding(name, "「" + offending + "」はこのファイルに保存できない文字です");
  return FileCache::contentsOf(std::move(*bytes), &utf8);
}

}  // namespace

void TextFile::write(const GamePaths& dir, const std::string& name, const std::string& utf8, Durability durability) {
  store(dir, name, encoded(dir, name, utf8), durability);
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

void TextFile::writeKeepingOld(const GamePaths& dir, const std::string& name, const std::string& utf8,
                               const std::string& oldCopy) {
  FileCache& cache = FileCache::shared();
  const FileCache::Handle old = load(dir, name);
  bool rewritten = false;  // an unchanged file is not rewritten, so its spare does not hold the old bytes then
  try {
    rewritten = writeInPlace(dir, name, encoded(dir, name, utf8));
  } catch (const DataError&) {
    store(dir, oldCopy, old, Durability::killSafe);
    throw;
  }
  // A copy that already holds the old bytes is left alone (store() makes no write then).
  const std::string copyPath = cache.locate(dir, oldCopy);
  if (rewritten && !cache.holds(copyPath, old->bytes) && SwappedFile::handSpareTo(cache.locate(dir, name), copyPath) == 0) {
    cache.wrote(copyPath, old);
    return;
  }
  store(dir, oldCopy, old, Durability::killSafe);
}

std::vector<std::string> TextFile::splitLines(const std::string& text) {
  std::vector<std::string> lines;
  const char* at = text.data();
  const char* const end = text.data() + text.size();
  const char* lf = nullptr;  // the next LF at or after `at`, searched again only once passed
  bool lfSearched = false;
  while (at < end) {
    if (!lfSearched || (lf != nullptr && lf < at)) {
      lf = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
      lfSearched = true;
    }
    const char* const stop = lf != nullptr ? lf : end;
    const char* const cr = static_cast<const char*>(std::memchr(at, '\r', static_cast<std::size_t>(stop - at)));
    if (cr != nullptr) {
      // A CR ends the line; right before the LF the two make one line end.
      lines.emplace_back(at, cr);
      at = cr + 1 == lf ? lf + 1 : cr + 1;
    } else if (lf != nullptr) {
      lines.emplace_back(at, lf);
      at = lf + 1;
    } else {
      lines.emplace_back(at, end);  // a last line without its end, never empty here
      break;
    }
  }
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
