#include "web/Page.h"

#include <charconv>
#include <vector>

namespace velkaro::web {

std::optional<PageEvent> PageEvent::parse(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (fields.size() < 4) {
    const std::size_t stop = line.find('\x1f', at);
    if (stop == std::string::npos) return std::nullopt;
    fields.push_back(line.substr(at, stop - at));
    at = stop + 1;
  }
  fields.push_back(line.substr(at));  // the value may hold anything but the separator's role ends here
  PageEvent e;
  const auto whole = [](const std::string& s, int& out) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size() && !s.empty();
  };
  if (!whole(fields[0], e.window) || !whole(fields[2], e.index)) return std::nullopt;
  e.control = fields[1];
  e.kind = fields[3];
  e.value = fields[4];
  return e;
}

}  // namespace velkaro::web
