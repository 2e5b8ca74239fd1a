#pragma once
// A data or state file that cannot be used; what() is a Japanese message naming the file.
#include <stdexcept>
#include <string>

namespace velkaro {

class DataError : public std::runtime_error {
 public:
  DataError(std::string file, const std::string& message) : std::runtime_error(message), file_(std::move(file)) {}
  const std::string& file() const { return file_; }

  static DataError missing(const std::string& file);
  static DataError unreadable(const std::string& file);
  static DataError unwritable(const std::string& file);
  static DataError malformed(const std::string& file, const std::string& where);
  static DataError encoding(const std::string& file, const std::string& detail);
  // Something else (a folder, a pipe) stands where the file should be.
  static DataError notAFile(const std::string& file);

  // An item as a message quotes it: in 「」 and cut to kQuoteLimit characters, so a runaway
  // line never becomes a runaway message.
  static std::string quoted(const std::string& item);
  static constexpr std::size_t kQuoteLimit = 40;

 private:
  std::string file_;
};

}  // namespace velkaro
