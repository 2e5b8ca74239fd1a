#include "resolution/BattleLog.h"

#include <memory>
#include <string>
#include <vector>

#include "data/StatePaths.h"
#include "data/TextFile.h"

namespace velkaro {

void BattleLog::mkLog(const GamePaths& dir, const MessageBuffer& pages) {
  static const std::vector<std::string> kFirstLog{kHeading};
  std::shared_ptr<const std::vector<std::string>> old;
  if (dir.exists(paths::kLog)) {
    TextFile::copy(dir, paths::kLog, paths::kLogImg, Durability::killSafe);
    old = TextFile::sharedLines(dir, paths::kLogImg);
  }
  std::string text;
  for (const std::string& line : old ? *old : kFirstLog) {
    if (line == kTerminator) break;
    text += line;
    text += kCrLf;
  }
  const int last = pages.lastPage();
  for (int i = 0; i <= last; ++i) {
    text += pages.page(i);
    text += kCrLf;
  }
  text += kTerminator;
  text += kCrLf;
  TextFile::write(dir, paths::kLog, text, Durability::killSafe);
}

void BattleLog::credit(MessageBuffer& pages) {
  std::string page;
  for (int i = 0; i < 22; ++i) page += kCrLf;
  page += std::string(kCreditLines[0]) + kCrLf;
  page += std::string(kCreditLines[1]) + kCrLf + kCrLf;
  page += std::string(kCreditLines[2]) + kCrLf;
  pages.setPage(0, page);
  pages.setPage(1, MessageBuffer::kTerminator);
}

}  // namespace velkaro
