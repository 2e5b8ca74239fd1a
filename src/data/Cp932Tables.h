#pragma once
// The tables of code page 932, written by tools/codec from the C library's converter.
#include <cstddef>

namespace velkaro::cp932 {

inline constexpr char16_t kNone = 0xFFFF;  // a byte or pair that stands for no character
inline constexpr char16_t kLead = 0xFFFE;  // the first byte of a pair
inline constexpr int kLeadRows = 60;

// The character of each single byte, or kNone / kLead.
extern const char16_t kSingle[256];
// For each first byte of a pair its row in kPairs plus one; 0 for the other bytes.
extern const unsigned char kLeadRow[256];
// The character of each pair by row and second byte, or kNone.
extern const char16_t kPairs[kLeadRows][256];

// Where writing a character does not take the lowest code that reads back as it: characters
// held twice, characters written to a code that reads as another, and (code 0) characters refused.
struct EncodeChoice {
  char16_t character;
  unsigned short code;
};
extern const EncodeChoice kEncodeChoices[];
extern const std::size_t kEncodeChoiceCount;

}  // namespace velkaro::cp932
