// Writes src/data/Cp932Tables.cpp from the C library's CP932 converter (glibc on Debian), so that
// the game's own codec reads and writes every byte exactly as that converter does.
// Rerun: cmake --build build/release --target velkaro-cp932-tables && build/release/velkaro-cp932-tables > src/data/Cp932Tables.cpp
#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char16_t kNone = 0xFFFF;
constexpr char16_t kLead = 0xFFFE;

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "velkaro-cp932-tables: %s\n", why.c_str());
  std::exit(1);
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) fail(std::string("no converter from ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // The converted bytes, or the errno of the failure.
  std::optional<std::string> run(const std::string& input, int& error) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[64];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
      error = errno;
      return std::nullopt;
    }
    return std::string(buffer, static_cast<std::size_t>(out - buffer));
  }

 private:
  iconv_t cd_;
};

// The one character of a UTF-32LE text; fails on anything but exactly one.
char32_t single(const std::string& utf32, const std::string& what) {
  if (utf32.size() != 4) fail(what + " gives " + std::to_string(utf32.size() / 4) + " characters");
  std::uint32_t c = 0;
  std::memcpy(&c, utf32.data(), 4);
  return c;
}

std::string hex(unsigned value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", width, value);
  return text;
}

struct Tables {
  std::array<char16_t, 256> single{};
  std::vector<unsigned> leads;
  std::vector<std::array<char16_t, 256>> pairs;
  std::map<char16_t, unsigned> encodeChoices;  // where the converter differs from the lowest code
};

void readDecoding(Converter& decode, Tables& t) {
  for (unsigned b = 0; b < 256; ++b) {
    int error = 0;
    const auto out = decode.run(std::string(1, static_cast<char>(b)), error);
    if (out) {
      const char32_t c = single(*out, "byte " + hex(b, 2));
      if (c >= kLead) fail("byte " + hex(b, 2) + " decodes beyond the basic plane");
      if (b < 0x80 && c != b) fail("byte " + hex(b, 2) + " is not ASCII");
      t.single[b] = static_cast<char16_t>(c);
    } else if (error == EINVAL) {
      t.single[b] = kLead;
      t.leads.push_back(b);
    } else {
      t.single[b] = kNone;
    }
  }
  for (const unsigned lead : t.leads) {
    std::array<char16_t, 256> row;
    row.fill(kNone);
    for (unsigned trail = 0; trail < 256; ++trail) {
      int error = 0;
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const auto out = decode.run(pair, error);
      if (!out) continue;
      const char32_t c = single(*out, "pair " + hex(lead << 8 | trail, 4));
      if (c >= kLead) fail("pair " + hex(lead << 8 | trail, 4) + " decodes beyond the basic plane");
      row[trail] = static_cast<char16_t>(c);
    }
    t.pairs.push_back(row);
  }
}

// What a reader of the decoding tables picks by itself: the lowest code that decodes to the character.
std::map<char16_t, unsigned> lowestCodes(const Tables& t) {
  std::map<char16_t, unsigned> lowest;
  for (unsigned b = 0; b < 256; ++b)
    if (t.single[b] < kLead) lowest.emplace(t.single[b], b);
  for (std::size_t r = 0; r < t.leads.size(); ++r)
    for (unsigned trail = 0; trail < 256; ++trail)
      if (t.pairs[r][trail] != kNone) lowest.emplace(t.pairs[r][trail], t.leads[r] << 8 | trail);
  return lowest;
}

void readEncoding(Converter& encode, Tables& t) {
  const auto lowest = lowestCodes(t);
  for (std::uint32_t c = 0; c < 0x110000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    std::string in(4, '\0');
    std::memcpy(in.data(), &c, 4);
    int error = 0;
    const auto out = encode.run(in, error);
    // The code written for the character; 0 when it has none (only U+0000 is written as 0x00).
    unsigned code = 0;
    if (out && out->size() == 1) code = static_cast<unsigned char>((*out)[0]);
    if (out && out->size() == 2) code = static_cast<unsigned char>((*out)[0]) << 8 | static_cast<unsigned char>((*out)[1]);
    if (out && out->size() > 2) fail("U+" + hex(c, 4) + " encodes to more than two bytes");
    if (c > 0xFFFF) {
      // The converter drops language tags without a word; the game refuses them like any other.
      if (code != 0) fail("U+" + hex(c, 4) + " beyond the basic plane has a code");
      continue;
    }
    if (c < 0x80) {
      if (!out || out->size() != 1 || code != c) fail("U+" + hex(c, 4) + " is not written as ASCII");
      continue;
    }
    if (out && code == 0) fail("U+" + hex(c, 4) + " is written as 0x00");
    const auto found = lowest.find(static_cast<char16_t>(c));
    const unsigned byDefault = found == lowest.end() ? 0 : found->second;
    if (code == byDefault) continue;
    t.encodeChoices[static_cast<char16_t>(c)] = code;
  }
}

void print(const Tables& t) {
  std::printf("// Generated by tools/codec (velkaro-cp932-tables) from the C library's CP932 converter; do not edit.\n");
  std::printf("#include \"data/Cp932Tables.h\"\n\nnamespace velkaro::cp932 {\n\n");
  std::printf("const char16_t kSingle[256] = {");
  for (unsigned b = 0; b < 256; ++b) std::printf("%s%s,", b % 8 == 0 ? "\n    " : " ", hex(t.single[b], 4).c_str());
  std::printf("\n};\n\nconst unsigned char kLeadRow[256] = {");
  std::array<unsigned, 256> rowOf{};
  for (std::size_t r = 0; r < t.leads.size(); ++r) rowOf[t.leads[r]] = static_cast<unsigned>(r + 1);
  for (unsigned b = 0; b < 256; ++b) std::printf("%s%u,", b % 16 == 0 ? "\n    " : " ", rowOf[b]);
  std::printf("\n};\n\nconst char16_t kPairs[kLeadRows][256] = {\n");
  for (std::size_t r = 0; r < t.leads.size(); ++r) {
    std::printf("    {  // lead %s", hex(t.leads[r], 2).c_str());
    for (unsigned trail = 0; trail < 256; ++trail)
      std::printf("%s%s,", trail % 8 == 0 ? "\n        " : " ", hex(t.pairs[r][trail], 4).c_str());
    std::printf("\n    },\n");
  }
  std::printf("};\n\nconst EncodeChoice kEncodeChoices[] = {");
  int n = 0;
  for (const auto& [c, code] : t.encodeChoices)
    std::printf("%s{%s, %s},", n++ % 4 == 0 ? "\n    " : " ", hex(c, 4).c_str(), hex(code, 4).c_str());
  std::printf("\n};\n\nconst std::size_t kEncodeChoiceCount = sizeof kEncodeChoices / sizeof kEncodeChoices[0];\n\n");
  std::printf("}  // namespace velkaro::cp932\n");
}

}  // namespace

int main() {
  Tables t;
  Converter decode("UTF-32LE", "CP932");
  Converter encode("CP932", "UTF-32LE");
  readDecoding(decode, t);
  if (t.leads.size() != 60) fail("expected 60 lead bytes, found " + std::to_string(t.leads.size()));
  readEncoding(encode, t);
  print(t);
  std::fprintf(stderr, "velkaro-cp932-tables: %zu lead bytes, %zu encoding choices\n", t.leads.size(), t.encodeChoices.size());
}
