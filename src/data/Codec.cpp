#include "data/Codec.h"

#include <cerrno>
#include <iconv.h>

namespace velkaro {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts the whole input; on failure returns nullopt and the byte offset of the bad input.
  std::optional<std::string> run(const std::string& input, std::size_t& failedAt) {
    failedAt = 0;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string output;
    output.resize(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    while (inLeft > 0) {
      if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
        if (errno == E2BIG) {
          const std::size_t used = output.size() - outLeft;
          output.resize(output.size() * 2);
          out = output.data() + used;
          outLeft = output.size() - used;
          continue;
        }
        failedAt = input.size() - inLeft;
        return std::nullopt;
      }
    }
    output.resize(output.size() - outLeft);
    return output;
  }

 private:
  iconv_t cd_;
};

std::size_t utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

}  // namespace

std::optional<std::string> Codec::toUtf8(const std::string& cp932) {
  Converter converter("UTF-8", "CP932");
  std::size_t failedAt = 0;
  return converter.run(cp932, failedAt);
}

std::optional<std::string> Codec::toCp932(const std::string& utf8, std::string* offending) {
  Converter converter("CP932", "UTF-8");
  std::size_t failedAt = 0;
  auto result = converter.run(utf8, failedAt);
  if (!result && offending != nullptr) {
    const std::size_t length = failedAt < utf8.size() ? utf8Length(static_cast<unsigned char>(utf8[failedAt])) : 0;
    *offending = utf8.substr(failedAt, length);
  }
  return result;
}

std::string Codec::firstUnencodable(const std::string& utf8) {
  std::string offending;
  if (toCp932(utf8, &offending)) return {};
  return offending.empty() ? std::string("?") : offending;
}

}  // namespace velkaro
