#include "web/Json.h"

#include <cmath>
#include <cstdio>

namespace velkaro::web {

void Json::comma() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.back()) out_ += ',';
  first_.back() = false;
}

Json& Json::open() {
  comma();
  out_ += '{';
  first_.push_back(true);
  return *this;
}

Json& Json::close() {
  out_ += '}';
  if (first_.size() > 1) first_.pop_back();
  return *this;
}

Json& Json::list() {
  comma();
  out_ += '[';
  first_.push_back(true);
  return *this;
}

Json& Json::end() {
  out_ += ']';
  if (first_.size() > 1) first_.pop_back();
  return *this;
}

Json& Json::key(std::string_view name) {
  text(name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}

Json& Json::text(std::string_view value) {
  comma();
  out_ += '"';
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto c = static_cast<unsigned char>(value[i]);
    switch (c) {
      case '"': out_ += "\\\""; break;
      case '\\': out_ += "\\\\"; break;
      case '\n': out_ += "\\n"; break;
      case '\t': out_ += "\\t"; break;
      case '\r':
        // CR LF is one line end; a lone CR is one too.
        if (i + 1 >= value.size() || value[i + 1] != '\n') out_ += "\\n";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out_ += escaped;
        } else {
          out_ += static_cast<char>(c);
        }
    }
  }
  out_ += '"';
  return *this;
}

Json& Json::number(long long value) {
  comma();
  out_ += std::to_string(value);
  return *this;
}

Json& Json::number(double value) {
  if (!std::isfinite(value)) return null();
  comma();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10g", value);
  out_ += buffer;
  return *this;
}

Json& Json::flag(bool value) {
  comma();
  out_ += value ? "true" : "false";
  return *this;
}

Json& Json::null() {
  comma();
  out_ += "null";
  return *this;
}

Json& Json::colour(std::uint32_t rgb) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
  return text(buffer);
}

}  // namespace velkaro::web
