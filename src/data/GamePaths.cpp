#include "data/GamePaths.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include "data/DataError.h"

namespace velkaro {
namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<std::string> splitParts(const std::string& name) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : name) {
    if (c == '\\' || c == '/') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

}  // namespace

std::filesystem::path GamePaths::resolve(const std::string& name) const {
  std::filesystem::path path = root_;
  for (const std::string& part : splitParts(name)) {
    if (part == "." || part == ".." || part.find(':') != std::string::npos) {
      throw DataError(name, "ゲームフォルダの外のファイル「" + name + "」は使えません。");
    }
    std::string chosen = part;
    std::error_code ec;
    if (!std::filesystem::exists(path / part, ec)) {
      for (std::filesystem::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (sameIgnoringCase(entry, part)) {
          chosen = entry;
          break;
        }
      }
    }
    path /= chosen;
  }
  return path;
}

bool GamePaths::exists(const std::string& name) const {
  std::error_code ec;
  return std::filesystem::is_regular_file(resolve(name), ec);
}

}  // namespace velkaro
