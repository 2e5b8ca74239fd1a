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

}  // namespace velkaro
