#include "data/Codec.h"

#include <array>
#include <cstdint>

#include "data/Cp932Tables.h"

namespace velkaro {
namespace {

// The code each character of the basic plane is written as: one byte below 0x100, a pair above,
// 0 when CP932 lacks the character (ASCII never looks here).
class EncodeTable {
 public:
  EncodeTable() {
    codes_.fill(0);
    // A character held under several codes takes the lowest, unless the converter chose otherwise.
    for (unsigned b = 0x80; b < 256; ++b) take(cp932::kSingle[b], static_cast<std::uint16_t>(b));
    for (unsigned lead = 0; lead < 256; ++lead) {
      const unsigned row = cp932::kLeadRow[lead];
      if (row == 0) continue;
      for (unsigned trail = 0; trail < 256; ++trail)
        take(cp932::kPairs[row - 1][trail], static_cast<std::uint16_t>(lead << 8 | trail));
    }
    for (std::size_t i = 0; i < cp932::kEncodeChoiceCount; ++i)
      codes_[cp932::kEncodeChoices[i].character] = cp932::kEncodeChoices[i].code;
  }

  std::uint16_t code(char32_t c) const { return c < codes_.size() ? codes_[c] : 0; }

  static const EncodeTable& instance() {
    static const EncodeTable table;
    return table;
  }

 private:
  void take(char16_t c, std::uint16_t code) {
    if (c < cp932::kLead && codes_[c] == 0) codes_[c] = code;
  }

  std::array<std::uint16_t, 0x10000> codes_;
};

char* putUtf8(char* out, char16_t c) {
  if (c < 0x80) {
    *out++ = static_cast<char>(c);
  } else if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  } else {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The character of a well-formed UTF-8 sequence of one to three bytes at in (the basic plane, no
// surrogates, no overlong forms) and its length; length 0 when the sequence is broken, cut
// short, or leaves the basic plane (CP932 holds nothing there).
char32_t readUtf8(const unsigned char* in, const unsigned char* end, std::size_t& length) {
  const unsigned char b = in[0];
  length = 0;
  if (b < 0x80) {
    length = 1;
    return b;
  }
  if (b >= 0xC2 && b <= 0xDF) {
    if (end - in < 2 || !continuation(in[1])) return 0;
    length = 2;
    return static_cast<char32_t>((b & 0x1F) << 6 | (in[1] & 0x3F));
  }
  if (b >= 0xE0 && b <= 0xEF) {
    if (end - in < 3 || !continuation(in[1]) || !continuation(in[2])) return 0;
    if (b == 0xE0 && in[1] < 0xA0) return 0;   // overlong
    if (b == 0xED && in[1] >= 0xA0) return 0;  // surrogate
    length = 3;
    return static_cast<char32_t>((b & 0x0F) << 12 | (in[1] & 0x3F) << 6 | (in[2] & 0x3F));
  }
  return 0;
}

std::size_t utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

}  // namespace

std::optional<std::string> Codec::toUtf8(const std::string& cp932) {
  // Each byte becomes at most three bytes of UTF-8 (a half-width kana), each pair at most three.
  std::string utf8(cp932.size() * 3, '\0');
  char* out = utf8.data();
  const auto* in = reinterpret_cast<const unsigned char*>(cp932.data());
  const auto* const end = in + cp932.size();
  while (in < end) {
    const unsigned char b = *in;
    if (b < 0x80) {
      *out++ = static_cast<char>(b);
      ++in;
      continue;
    }
    char16_t c = cp932::kSingle[b];
    if (c == cp932::kLead) {
      if (end - in < 2) return std::nullopt;
      c = cp932::kPairs[cp932::kLeadRow[b] - 1][in[1]];
      in += 2;
    } else {
      ++in;
    }
    if (c == cp932::kNone) return std::nullopt;
    out = putUtf8(out, c);
  }
  utf8.resize(static_cast<std::size_t>(out - utf8.data()));
  return utf8;
}

std::optional<std::string> Codec::toCp932(const std::string& utf8, std::string* offending) {
  // No character takes more bytes in CP932 than in UTF-8.
  std::string cp932(utf8.size(), '\0');
  char* out = cp932.data();
  const auto* const begin = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* const end = begin + utf8.size();
  const EncodeTable& table = EncodeTable::instance();
  for (const unsigned char* in = begin; in < end;) {
    if (*in < 0x80) {
      *out++ = static_cast<char>(*in++);
      continue;
    }
    std::size_t length = 0;
    const char32_t c = readUtf8(in, end, length);
    const std::uint16_t code = length == 0 ? 0 : table.code(c);
    if (code == 0) {
      if (offending != nullptr) *offending = utf8.substr(static_cast<std::size_t>(in - begin), utf8Length(*in));
      return std::nullopt;
    }
    if (code > 0xFF) *out++ = static_cast<char>(code >> 8);
    *out++ = static_cast<char>(code & 0xFF);
    in += length;
  }
  cp932.resize(static_cast<std::size_t>(out - cp932.data()));
  return cp932;
}

std::string Codec::firstUnencodable(const std::string& utf8) {
  std::string offending;
  if (toCp932(utf8, &offending)) return {};
  return offending.empty() ? std::string("?") : offending;
}

}  // namespace velkaro
