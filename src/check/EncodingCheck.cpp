#include "check/EncodingCheck.h"

#include <cstdio>

#include "data/Codec.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

struct RawLine {
  std::string bytes;
  enum End { kCrLf, kLf, kCr, kNone } end = kCrLf;
};

std::vector<RawLine> splitRaw(const std::string& bytes) {
  std::vector<RawLine> lines;
  RawLine line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        line.end = RawLine::kCrLf;
        ++i;
      } else {
        line.end = c == '\n' ? RawLine::kLf : RawLine::kCr;
      }
      lines.push_back(std::move(line));
      line = RawLine{};
    } else {
      line.bytes += c;
    }
  }
  if (!line.bytes.empty()) {
    line.end = RawLine::kNone;
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string hexByte(unsigned char b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "0x%02X", b);
  return buf;
}

// The offset of the first byte that starts no CP932 character; CP932 characters are one or two bytes.
std::size_t firstBadByte(const std::string& line) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (Codec::toUtf8(line.substr(pos, 1))) {
      pos += 1;
    } else if (pos + 1 < line.size() && Codec::toUtf8(line.substr(pos, 2))) {
      pos += 2;
    } else {
      return pos;
    }
  }
  return line.size();
}

void reportLineEnds(const std::string& file, const std::vector<RawLine>& lines, RawLine::End kind,
                    const std::string& what, CheckReport& report) {
  int first = 0;
  int count = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].end != kind) continue;
    if (count++ == 0) first = static_cast<int>(i) + 1;
  }
  if (count == 0) return;
  std::string text = "行末が CR LF ではなく " + what + "です";
  if (count > 1) text += "（この行を含めて " + std::to_string(count) + " 行）";
  report.add(file, CheckReport::lineNo(first), text);
}

}  // namespace

std::optional<std::vector<std::string>> EncodingCheck::lines(const std::string& file, const std::string& bytes,
                                                             CheckReport& report) {
  const std::vector<RawLine> raw = splitRaw(bytes);
  reportLineEnds(file, raw, RawLine::kLf, "LF だけ", report);
  reportLineEnds(file, raw, RawLine::kCr, "CR だけ", report);
  if (!raw.empty() && raw.back().end == RawLine::kNone) {
    report.add(file, CheckReport::lineNo(static_cast<int>(raw.size())), "最後の行に行末（CR LF）がありません");
  }

  auto text = Codec::toUtf8(bytes);
  if (text) return TextFile::splitLines(*text);

  int first = 0;
  int count = 0;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (Codec::toUtf8(raw[i].bytes)) continue;
    if (count++ == 0) {
      first = static_cast<int>(i) + 1;
      offset = firstBadByte(raw[i].bytes);
    }
  }
  std::string detail;
  if (count > 0 && offset < raw[static_cast<std::size_t>(first - 1)].bytes.size()) {
    detail = std::to_string(offset + 1) + " バイト目の " +
             hexByte(static_cast<unsigned char>(raw[static_cast<std::size_t>(first - 1)].bytes[offset]));
  }
  if (count > 1) detail += (detail.empty() ? "" : "、") + std::string("この行を含めて ") + std::to_string(count) + " 行";
  report.add(file, count > 0 ? CheckReport::lineNo(first) : "",
             "CP932 として読めないバイトがあります" + (detail.empty() ? "" : "（" + detail + "）") +
                 "。このファイルの内容は確認していません");
  return std::nullopt;
}

}  // namespace velkaro
