#include "check/CommentCheck.h"

#include "check/MasterCheck.h"
#include "check/RecordScanner.h"
#include "data/StatePaths.h"

namespace velkaro {
namespace {

using Where = CheckReport;

bool blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string CommentCheck::lostText(const std::string& line) {
  // The item reader keeps a quoted item's inside and drops what follows its closing quote up
  // to the next comma; unquoted items are kept whole.
  std::string lost;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && blank(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == '"') {
      std::size_t close = line.find('"', pos + 1);
      if (close == std::string::npos) return lost;
      std::size_t next = line.find(',', close + 1);
      const std::string tail = line.substr(close + 1, next == std::string::npos ? std::string::npos : next - close - 1);
      for (char c : tail) {
        if (!blank(c)) {
          lost += tail;
          break;
        }
      }
      if (next == std::string::npos) return lost;
      pos = next + 1;
    } else {
      const std::size_t next = line.find(',', pos);
      if (next == std::string::npos) return lost;
      pos = next + 1;
    }
  }
  return lost;
}

std::set<int> CommentCheck::run(const std::vector<std::string>& lines, CheckReport& report) {
  const std::string file = paths::kComment;
  const RecordScan scan = RecordScanner::scan(lines);
  if (!scan.stray.empty()) {
    report.add(file, Where::lineNo(scan.stray.front().number), "最初の見出しより前に行があります（読まれません）");
  }
  std::set<int> numbers;
  for (const ScannedRecord& record : scan.records) {
    const int id = record.id;
    const int at = record.header.number;
    // The comment editor closes every record it writes with "." alone: a header numbered 0
    // that nothing refers to.
    if (record.header.text == ".") {
      if (!record.body.empty()) {
        report.add(file, Where::lineNo(record.body.front().number), "「.」だけの行の後の行はどの記録にも属さず、読まれません");
      }
      continue;
    }
    if (!RecordScanner::wellFormedHeader(record.header.text)) {
      report.add(file, Where::lineNo(at),
                 "見出し「" + record.header.text + "」の形が正しくありません（「.」と 1〜3 桁の番号だけの行にします）");
    }
    if (id < 1) continue;
    const std::string where = Where::record(id);
    if (id == MasterCheck::kFictional) {  // never looked up: generated officers show a fixed text
      report.add(file, where, "番号 200 は架空の武将の印で、この記録は読まれません");
      continue;
    }
    if (!numbers.insert(id).second) {
      report.add(file, Where::recordLine(id, at), "記録 " + where + " が二度あります（後の記録は読まれません）");
      continue;
    }
    if (record.body.empty()) {
      report.add(file, where, "名前の行と本文がありません");
      continue;
    }
    const RecordLine& name = record.body.front();
    if (name.items.size() > 1) {
      report.add(file, Where::recordLine(id, name.number), "名前の行に「,」があります（後ろの部分が本文として表示されます）");
    }
    if (record.body.size() < 2) {
      report.add(file, where, "本文がありません（名前の行の後に 1 行以上必要です）");
      continue;
    }
    for (std::size_t i = 1; i < record.body.size(); ++i) {
      const RecordLine& line = record.body[i];
      for (const std::string& item : line.items) {
        if (!item.empty() && item[0] == '.') {
          report.add(file, Where::recordLine(id, line.number), "「,」の後が「.」で始まるため、本文がそこで途切れます");
          break;
        }
      }
      const std::string lost = lostText(line.text);
      if (!lost.empty()) {
        report.add(file, Where::recordLine(id, line.number), "引用符の後ろの「" + lost + "」は表示されません");
      }
    }
  }
  return numbers;
}

}  // namespace velkaro
