#pragma once
// The game's numeric rules: 16-bit fields, rounding of reals, and number text for messages.
#include <cstdint>
#include <string>

namespace velkaro {

using int16 = std::int16_t;

// Stores a wide integer into a 16-bit field, saturating at the ends instead of wrapping.
int16 sat16(long long value);

// Stores a real into a 16-bit field: nearest integer, halves to the even neighbour, saturating.
int16 cint(double value);

// Int(): the greatest integer not above the value.
long long intFloor(double value);

// A number in a message: one blank before a non-negative value, a minus sign otherwise.
std::string numStr(long long value);

// A real in a report: general format with at most seven significant digits,
// no leading zero before the point, and the message blank (" .123", " 33.33333").
std::string realStr(double value);

// Parses an unquoted numeric item of a data file; false when it is not a number.
bool parseNumber(const std::string& item, double& out);

}  // namespace velkaro
