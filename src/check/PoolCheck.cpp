#include "check/PoolCheck.h"

#include "check/RecordScanner.h"

namespace velkaro {

void PoolCheck::run(const std::string& file, const std::vector<std::string>& lines, int needed, bool familyNames,
                    CheckReport& report) {
  int count = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string where = CheckReport::lineNo(static_cast<int>(i) + 1);
    for (const std::string& item : RecordScanner::items(lines[i])) {
      if (++count > needed) continue;  // items past the count are never read
      if (item.empty()) {
        report.add(file, where, "空の名前があります（" + std::to_string(count) + " 番目）");
        continue;
      }
      // A generated name is written back bare by the game, so these would corrupt the officer file.
      if (item.find(',') != std::string::npos) {
        report.add(file, where, "名前「" + item + "」に「,」があります（ゲームが保存すると項目が分かれます）");
      }
      if (item.find('"') != std::string::npos) {
        report.add(file, where, "名前「" + item + "」に「\"」があります（ゲームが保存すると読み戻せません）");
      }
      if (familyNames && item[0] == '.') {
        report.add(file, where, "名前「" + item + "」が「.」で始まっています（ゲームが保存すると見出しと読まれます）");
      }
    }
  }
  if (count < needed) {
    report.add(file, "",
               "名前が " + std::to_string(count) + " 個しかありません（" + std::to_string(needed) + " 個以上必要です）");
  }
}

}  // namespace velkaro
