#include "check/PoolCheck.h"

#include <algorithm>
#include <set>

#include "check/RecordScanner.h"
#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/RecordSet.h"
#include "data/StatePaths.h"
#include "setup/OfficerGenerator.h"

namespace velkaro {
namespace {

// The first `needed` items of a pool, as the generator reads them.
std::vector<std::string> poolItems(const std::vector<std::string>& lines, int needed) {
  std::vector<std::string> items;
  for (const std::string& line : lines) {
    for (const std::string& item : RecordScanner::items(line)) {
      if (static_cast<int>(items.size()) < needed) items.push_back(item);
    }
  }
  return items;
}

void collectCourtesyNames(const std::string& line, std::set<std::string>& courtesy) {
  const std::string mark = "字は";
  for (std::size_t at = line.find(mark); at != std::string::npos; at = line.find(mark, at + 1)) {
    const std::size_t start = at + mark.size();
    std::size_t end = line.size();
    for (const char* stop : {"。", "、", "，", ",", " "}) end = std::min(end, line.find(stop, start));
    if (end > start) courtesy.insert(line.substr(start, end - start));
  }
}

}  // namespace

void PoolCheck::pairs(const std::vector<std::string>& seiLines, const std::vector<std::string>& meiLines,
                      const std::vector<std::string>& commentLines, CheckReport& report) {
  std::set<std::string> persons;
  std::set<std::string> courtesy;
  for (std::size_t i = 0; i < commentLines.size(); ++i) {
    const std::string& line = commentLines[i];
    if (ItemReader::isHeader(line) && i + 1 < commentLines.size()) persons.insert(commentLines[i + 1]);
    collectCourtesyNames(line, courtesy);
  }
  const auto family = poolItems(seiLines, OfficerGenerator::kFamilyNames);
  const auto given = poolItems(meiLines, OfficerGenerator::kGivenNames);
  for (std::size_t g = 0; g < given.size(); ++g) {
    const std::string& name = given[g];
    const std::string where = std::to_string(g + 1) + " 番目";
    if (courtesy.count(name) != 0) {
      report.add(paths::kMei, "", "名「" + name + "」（" + where + "）は人物の字です");
    }
    for (const std::string& sei : family) {
      if (persons.count(sei + name) != 0) {
        report.add(paths::kMei, "", "名「" + name + "」（" + where + "）と姓「" + sei + "」で実在の人物「" + sei + name + "」になります");
      }
    }
  }
}

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
      if (RecordSet::characters(item) > OfficerGenerator::kPoolNameLimit) {
        report.add(file, where,
                   "名前" + DataError::quoted(item) + "が長すぎます（" +
                       std::to_string(OfficerGenerator::kPoolNameLimit) + "文字まで。ゲームはこのファイルを読みません）");
        continue;
      }
      // A generated name is written back bare by the game, so these would corrupt the officer file.
      if (item.find(',') != std::string::npos) {
        report.add(file, where, "名前" + DataError::quoted(item) + "に「,」があります（ゲームが保存すると項目が分かれます）");
      }
      if (item.find('"') != std::string::npos) {
        report.add(file, where, "名前" + DataError::quoted(item) + "に「\"」があります（ゲームが保存すると読み戻せません）");
      }
      if (familyNames && item[0] == '.') {
        report.add(file, where, "名前" + DataError::quoted(item) + "が「.」で始まっています（ゲームが保存すると見出しと読まれます）");
      }
    }
  }
  if (count < needed) {
    report.add(file, "",
               "名前が " + std::to_string(count) + " 個しかありません（" + std::to_string(needed) + " 個以上必要です）");
  }
}

}  // namespace velkaro
