#include "data/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace velkaro {

int16 sat16(long long value) {
  if (value > std::numeric_limits<int16>::max()) return std::numeric_limits<int16>::max();
  if (value < std::numeric_limits<int16>::min()) return std::numeric_limits<int16>::min();
  return static_cast<int16>(value);
}

int16 cint(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 32767.0) return 32767;
  if (value <= -32768.0) return -32768;
  // nearbyint follows the current rounding mode, which is round-half-even by default.
  return static_cast<int16>(std::nearbyint(value));
}

long long intFloor(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<long long>(std::floor(value));
}

std::string numStr(long long value) {
  std::string digits = std::to_string(value);
  return value >= 0 ? " " + digits : digits;
}

std::string realStr(double value) {
  if (value == 0.0 || std::isnan(value)) return " 0";
  const double magnitude = std::fabs(value);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.7G", magnitude);
  std::string text = buf;
  if (text.find('E') == std::string::npos) {
    if (text.find('.') != std::string::npos) {
      while (!text.empty() && text.back() == '0') text.pop_back();
      if (!text.empty() && text.back() == '.') text.pop_back();
    }
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  }
  return (value < 0 ? "-" : " ") + text;
}

bool parseNumber(const std::string& item, double& out) {
  std::size_t begin = 0;
  std::size_t end = item.size();
  while (begin < end && (item[begin] == ' ' || item[begin] == '\t')) ++begin;
  while (end > begin && (item[end - 1] == ' ' || item[end - 1] == '\t')) --end;
  if (begin == end) return false;
  const std::string text = item.substr(begin, end - begin);
  bool digit = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (!((c == '-' || c == '+') && i == 0) && c != '.') {
      return false;
    }
  }
  if (!digit) return false;
  // Whole numbers of up to 15 digits are exact in a double, just as strtod would give them;
  // they are nearly every item of the state files.
  if (text.find('.') == std::string::npos && text.size() <= 15) {
    long long value = 0;
    for (char c : text) {
      if (c >= '0' && c <= '9') value = value * 10 + (c - '0');
    }
    const double magnitude = static_cast<double>(value);
    out = text[0] == '-' ? -magnitude : magnitude;
    return true;
  }
  char* stop = nullptr;
  out = std::strtod(text.c_str(), &stop);
  return stop != nullptr && *stop == '\0';
}

}  // namespace velkaro
