#include "data/DataError.h"

namespace velkaro {

DataError DataError::missing(const std::string& file) {
  return DataError(file, "ファイル「" + file + "」が見つかりません。");
}

DataError DataError::unreadable(const std::string& file) {
  return DataError(file, "ファイル「" + file + "」を読み込めません。");
}

DataError DataError::unwritable(const std::string& file) {
  return DataError(file, "ファイル「" + file + "」に書き込めません。");
}

DataError DataError::malformed(const std::string& file, const std::string& where) {
  return DataError(file, "ファイル「" + file + "」の内容が正しくありません（" + where + "）。");
}

DataError DataError::encoding(const std::string& file, const std::string& detail) {
  return DataError(file, "ファイル「" + file + "」の文字コードが正しくありません（" + detail + "）。");
}

DataError DataError::notAFile(const std::string& file) {
  return DataError(file, "「" + file + "」はファイルではありません（フォルダなどが置かれています）。");
}

std::string DataError::quoted(const std::string& item) {
  std::size_t end = 0;
  std::size_t characters = 0;
  while (end < item.size() && characters < kQuoteLimit) {
    ++end;
    while (end < item.size() && (static_cast<unsigned char>(item[end]) & 0xC0) == 0x80) ++end;  // UTF-8 continuation
    ++characters;
  }
  return "「" + item.substr(0, end) + (end < item.size() ? "…」" : "」");
}

}  // namespace velkaro
