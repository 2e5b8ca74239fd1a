#include "data/TextFile.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "data/AtomicFile.h"
#include "data/Codec.h"
#include "data/DataError.h"

namespace velkaro {

std::string TextFile::readBytes(const GameDir& dir, const std::string& name) {
  const auto path = dir.resolve(name);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    if (std::filesystem::exists(path, ec)) throw DataError::notAFile(name);
    throw DataError::missing(name);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DataError::unreadable(name);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw DataError::unreadable(name);
  return bytes;
}

void TextFile::writeBytes(const GameDir& dir, const std::string& name, const std::string& bytes) {
  const auto path = dir.resolve(name);
  std::error_code ec;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
  if (!AtomicFile::replace(path, bytes)) throw DataError::unwritable(name);
}

std::string TextFile::read(const GameDir& dir, const std::string& name) {
  auto text = Codec::toUtf8(readBytes(dir, name));
  if (!text) throw DataError::encoding(name, "CP932として読めないバイトがあります");
  return *text;
}

std::vector<std::string> TextFile::readLines(const GameDir& dir, const std::string& name) {
  return splitLines(read(dir, name));
}

void TextFile::write(const GameDir& dir, const std::string& name, const std::string& utf8) {
  std::string offending;
  auto bytes = Codec::toCp932(utf8, &offending);
  if (!bytes) throw DataError::encoding(name, "「" + offending + "」はこのファイルに保存できない文字です");
  writeBytes(dir, name, *bytes);
}

std::string TextFile::joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += kCrLf;
  }
  return text;
}

void TextFile::copy(const GameDir& dir, const std::string& from, const std::string& to) {
  writeBytes(dir, to, readBytes(dir, from));
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
