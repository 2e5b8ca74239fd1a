#pragma once
// A small JSON writer for the page: objects, arrays, strings, numbers and booleans. The game's
// CR LF line ends become LF on the way, as the page breaks lines with LF.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velkaro::web {

class Json {
 public:
  Json& open();   // {
  Json& close();  // }
  Json& list();   // [
  Json& end();    // ]
  Json& key(std::string_view name);
  Json& text(std::string_view value);
  Json& number(long long value);
  Json& number(double value);
  Json& flag(bool value);
  Json& null();
  // A colour 0xRRGGBB as "#rrggbb".
  Json& colour(std::uint32_t rgb);

  const std::string& str() const { return out_; }

 private:
  void comma();
  std::string out_;
  std::vector<bool> first_{true};
  bool afterKey_ = false;
};

}  // namespace velkaro::web
