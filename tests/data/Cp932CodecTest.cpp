// The game's own CP932 tables against the C library's converter (glibc has one built in), and
// the characters of the shipped data that other converters get wrong.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <optional>
#include <random>
#include <string>

#include "data/Codec.h"

using namespace velkaro;

namespace {

// The C library's answer: the converted text, or nothing and the bad character as the game names it.
class LibraryConverter {
 public:
  LibraryConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~LibraryConverter() {
    if (available()) iconv_close(cd_);
  }
  LibraryConverter(const LibraryConverter&) = delete;
  LibraryConverter& operator=(const LibraryConverter&) = delete;

  bool available() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  std::optional<std::string> run(const std::string& input, std::string* offending = nullptr) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
      if (offending != nullptr) {
        const std::size_t at = input.size() - inLeft;
        const auto lead = static_cast<unsigned char>(input[at]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        *offending = input.substr(at, length);
      }
      return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
  }

 private:
  iconv_t cd_;
};

std::string utf8Of(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (c >> 18));
    s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

std::string bytes(std::initializer_list<int> list) {
  std::string s;
  for (const int b : list) s += static_cast<char>(b);
  return s;
}

std::string shown(const std::optional<std::string>& s) {
  if (!s) return "(refused)";
  std::string hex;
  for (const unsigned char c : *s) {
    static const char digits[] = "0123456789ABCDEF";
    hex += digits[c >> 4];
    hex += digits[c & 0xF];
    hex += ' ';
  }
  return hex;
}

#define SKIP_WITHOUT(converter) \
  if (!(converter).available()) GTEST_SKIP() << "the C library has no CP932 converter here"

}  // namespace

TEST(Cp932Codec, ReadsEveryByteAndEveryPairAsTheCLibraryDoes) {
  LibraryConverter library("UTF-8", "CP932");
  SKIP_WITHOUT(library);
  int differences = 0;
  for (int first = 0; first < 256; ++first) {
    const std::string one(1, static_cast<char>(first));
    const auto expected = library.run(one);
    const auto actual = Codec::toUtf8(one);
    if (actual != expected && ++differences <= 10)
      ADD_FAILURE() << "byte " << shown(one) << ": " << shown(actual) << " instead of " << shown(expected);
    for (int second = 0; second < 256; ++second) {
      const std::string two = bytes({first, second});
      const auto expectedPair = library.run(two);
      const auto actualPair = Codec::toUtf8(two);
      if (actualPair != expectedPair && ++differences <= 10)
        ADD_FAILURE() << "bytes " << shown(two) << ": " << shown(actualPair) << " instead of " << shown(expectedPair);
    }
  }
  EXPECT_EQ(differences, 0);
}

TEST(Cp932Codec, WritesEveryCharacterOfTheBasicPlaneAsTheCLibraryDoes) {
  LibraryConverter library("CP932", "UTF-8");
  SKIP_WITHOUT(library);
  int differences = 0;
  int written = 0;
  for (char32_t c = 0; c < 0x10000; ++c) {
    // Surrogates go in as the three bytes a careless writer would make; both sides must refuse them.
    const std::string text = utf8Of(c);
    std::string expectedOffending, actualOffending;
    const auto expected = library.run(text, &expectedOffending);
    const auto actual = Codec::toCp932(text, &actualOffending);
    if (actual) ++written;
    if ((actual != expected || actualOffending != expectedOffending) && ++differences <= 10)
      ADD_FAILURE() << "U+" << std::hex << static_cast<unsigned>(c) << ": " << shown(actual) << " instead of "
                    << shown(expected) << ", naming " << shown(actualOffending);
  }
  EXPECT_EQ(differences, 0);
  EXPECT_GT(written, 9000) << "the table is nearly empty";
}

TEST(Cp932Codec, BrokenAndMixedTextFailsWhereTheCLibraryFails) {
  LibraryConverter reader("UTF-8", "CP932");
  LibraryConverter writer("CP932", "UTF-8");
  SKIP_WITHOUT(reader);
  // Broken UTF-8: overlong forms, surrogates, cut sequences, stray continuation bytes, bytes
  // never used, and characters beyond the basic plane, alone and after good text.
  const std::string broken[] = {
      bytes({0xC0, 0x80}), bytes({0xC1, 0xBF}), bytes({0xE0, 0x80, 0x80}), bytes({0xE0, 0x9F, 0xBF}), bytes({0xE0, 0x82, 0xA7}),
      bytes({0xED, 0xA0, 0x80}), bytes({0xED, 0xBF, 0xBF}), bytes({0xE6, 0x97}), bytes({0xE6}),
      bytes({0x80}), bytes({0xBF, 0x41}), bytes({0xE6, 0x41, 0x80}), bytes({0xE6, 0x97, 0x41}),
      bytes({0xF0, 0x9F, 0x98, 0x80}), bytes({0xF4, 0x90, 0x80, 0x80}), bytes({0xF5, 0x80}), bytes({0xFF}),
      bytes({0xC3}), bytes({0xC3, 0xC3, 0xA9}), "劉備" + bytes({0xE9, 0xBE}), "ab" + bytes({0xF0, 0x9F, 0x98})};
  for (const auto& text : broken) {
    for (const std::string& prefix : {std::string(), std::string("曹操、")}) {
      std::string expectedOffending, actualOffending;
      const auto expected = writer.run(prefix + text, &expectedOffending);
      EXPECT_EQ(Codec::toCp932(prefix + text, &actualOffending), expected) << shown(prefix + text);
      EXPECT_EQ(actualOffending, expectedOffending) << shown(prefix + text);
    }
  }
  // Random runs of bytes both ways: pairs cut at the end, first bytes followed by single bytes,
  // and characters next to one another.
  std::mt19937 random(932);
  std::uniform_int_distribution<int> length(1, 9);
  std::uniform_int_distribution<int> anyByte(0, 255);
  const int likely[] = {0x41, 0x81, 0x82, 0x88, 0x9F, 0xA1, 0xDF, 0xE0, 0xE3, 0xE6, 0xED, 0xEE, 0xEF,
                        0xFA, 0xFC, 0x40, 0x7F, 0x80, 0x9E, 0xBF, 0xFD, 0xC3, 0xF0};
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(likely)) - 1);
  int refusedReads = 0, refusedWrites = 0;
  for (int round = 0; round < 200000; ++round) {
    std::string text;
    for (int i = length(random); i > 0; --i) text += static_cast<char>(round % 2 ? anyByte(random) : likely[pick(random)]);
    const auto read = Codec::toUtf8(text);
    ASSERT_EQ(read, reader.run(text)) << "reading " << shown(text);
    std::string expectedOffending, actualOffending;
    const auto written = Codec::toCp932(text, &actualOffending);
    ASSERT_EQ(written, writer.run(text, &expectedOffending)) << "writing " << shown(text);
    ASSERT_EQ(actualOffending, expectedOffending) << "writing " << shown(text);
    refusedReads += !read;
    refusedWrites += !written;
  }
  EXPECT_GT(refusedReads, 1000);
  EXPECT_LT(refusedReads, 199000);
  EXPECT_GT(refusedWrites, 1000);
  EXPECT_LT(refusedWrites, 199000);
}

// These hold whatever the C library does: the marks and the IBM-extension kanji of the shipped
// names, the characters held twice, and those written to a code that reads back as another.
TEST(Cp932Codec, KeepsTheMarksAndKanjiOfTheShippedData) {
  const struct {
    const char* text;
    std::string code;
  } both[] = {
      {"①", bytes({0x87, 0x40})}, {"～", bytes({0x81, 0x60})}, {"－", bytes({0x81, 0x7C})},
      {"彧", bytes({0xFA, 0xB9})}, {"昱", bytes({0xFA, 0x63})}, {"汜", bytes({0xFA, 0xF6})},
      {"琦", bytes({0xFB, 0x67})}, {"琮", bytes({0xFB, 0x6A})}, {"鄧", bytes({0xFB, 0xB9})},
      {"ｱ", bytes({0xB1})},        {"￢", bytes({0x81, 0xCA})}, {"∵", bytes({0x81, 0xE6})},
      {"ⅰ", bytes({0xFA, 0x40})}, {"纊", bytes({0xFA, 0x5C})}, {"\\~", "\\~"}};
  for (const auto& [text, code] : both) {
    EXPECT_EQ(Codec::toCp932(text), code) << text;
    EXPECT_EQ(Codec::toUtf8(code), text) << text;
  }
  // Read only: the NEC-selected row and the NEC copies of marks held elsewhere too.
  EXPECT_EQ(Codec::toUtf8(bytes({0xED, 0x40})), "纊");
  EXPECT_EQ(Codec::toUtf8(bytes({0xEE, 0xEF})), "ⅰ");
  EXPECT_EQ(Codec::toUtf8(bytes({0x87, 0x9A})), "∵");
  EXPECT_EQ(Codec::toUtf8(bytes({0xEE, 0xF9})), "￢");
  // Written only: the JIS forms of the wave dash, minus, yen and overline.
  EXPECT_EQ(Codec::toCp932("〜−¥‾"), bytes({0x81, 0x60, 0x81, 0x7C, 0x5C, 0x7E}));
  // Bytes and pairs that mean nothing.
  for (const auto& nothing : {bytes({0x80}), bytes({0xA0}), bytes({0xFD}), bytes({0x81, 0x7F}), bytes({0x85, 0x40}),
                              bytes({0xEF, 0x40}), bytes({0x81}), bytes({0x41, 0xFC})})
    EXPECT_FALSE(Codec::toUtf8(nothing).has_value()) << shown(nothing);
}

TEST(Cp932Codec, RefusesEveryCharacterBeyondTheBasicPlaneNamingIt) {
  for (char32_t c = 0x10000; c < 0x110000; c += (c >= 0xE0000 && c < 0xE0080) ? 1 : 0x101) {
    std::string offending;
    const std::string text = "曹操" + utf8Of(c) + "劉備";
    ASSERT_FALSE(Codec::toCp932(text, &offending).has_value()) << std::hex << static_cast<unsigned>(c);
    ASSERT_EQ(offending, utf8Of(c));
  }
  // A language tag used to vanish without a word on the way to the file.
  EXPECT_EQ(Codec::firstUnencodable("曹" + utf8Of(0xE0041) + "操"), utf8Of(0xE0041));
  EXPECT_EQ(Codec::firstUnencodable("夏侯惇と龐統と😀"), "龐");
}
