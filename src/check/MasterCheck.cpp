#include "check/MasterCheck.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "check/RecordScanner.h"
#include "data/DataError.h"
#include "data/RecordSet.h"
#include "data/FactionTable.h"
#include "data/Jobs.h"
#include "data/OfficerTable.h"
#include "data/StatePaths.h"

namespace velkaro {
namespace {

using Where = CheckReport;

// Items per line after the header, as the game's writers lay a record out.
constexpr std::array<int, 6> kOfficerLayout{1, 4, 2, 2, 1, 1};
constexpr std::array<int, 3> kFactionLayout{1, 8, 1};

constexpr std::array<const char*, 9> kOfficerFields{"", "政治", "武勇", "智謀", "采配", "器量", "節度", "仕える君主", "職業"};
constexpr std::array<const char*, 9> kFactionFields{"", "盟主", "君主", "兵力", "精兵", "名声", "治安", "結束力", "畏怖"};

// The ranges the game keeps faction values in (fame is capped at 200, order, cohesion and awe at 100).
struct Range {
  int low;
  int high;
};
constexpr std::array<Range, 9> kFactionRanges{{{0, 0}, {0, 0}, {0, 0}, {0, 32767}, {0, 32767}, {0, 200}, {0, 100},
                                               {0, 100}, {0, 100}}};

struct ReadRecord {
  int id = 0;
  std::vector<std::string> items;  // exactly the record's items
};

struct Row {
  int id = 0;
  std::string name;
  std::array<int, 9> value{};  // numeric fields 1..8
  std::array<bool, 9> ok{};    // the field was an integer
  std::string last;            // officers: the portrait; factions: the destroyed flag
  int commentID = 0;
  bool commentOk = false;
};

std::string num(int v) { return std::to_string(v); }

std::string idRange(int from, int to) {
  return from == to ? Where::record(from) : Where::record(from) + "〜" + Where::record(to);
}

// The records after the one that ends reading: how many, and the first of them.
struct Unread {
  int count = 0;
  int firstId = 0;
  int firstLine = 0;
};

// An in-range record's place: beyond the file's ids, a second record of one id, or out of order.
void checkPlace(const std::string& file, int id, int at, int maxId, const std::set<int>& seen, int last,
                CheckReport& report) {
  if (id > maxId) {
    report.add(file, Where::recordLine(id, at),
               "番号が大きすぎます（このファイルの記録は " + idRange(1, maxId) + "）");
  } else if (seen.count(id) != 0) {
    report.add(file, Where::recordLine(id, at), "記録 " + Where::record(id) + " が二度あります（後の記録が前の記録を上書きします）");
  } else if (id < last) {
    report.add(file, Where::recordLine(id, at),
               "記録 " + Where::record(id) + " が " + Where::record(last) + " の後にあります（番号の小さい順に並べます）");
  }
}

// Too few items, too many, or a line whose width differs from the writers' layout. True when
// the record holds at least the items it needs.
template <std::size_t N>
bool checkItemCounts(const std::string& file, const ScannedRecord& record, std::size_t found, std::size_t need,
                     const std::array<int, N>& layout, CheckReport& report) {
  const int id = record.id;
  if (found < need) {
    report.add(file, Where::record(id),
               "記録が途中で終わっています（項目が " + num(static_cast<int>(found)) + " 個しかありません。" +
                   num(static_cast<int>(need)) + " 個必要です）");
    return false;
  }
  if (found > need) {
    std::size_t counted = 0;
    int extraLine = record.header.number;
    for (const RecordLine& line : record.body) {
      counted += line.items.size();
      if (counted > need) {
        extraLine = line.number;
        break;
      }
    }
    report.add(file, Where::recordLine(id, extraLine),
               "記録の項目が多すぎます（" + num(static_cast<int>(found)) + " 個あります。" +
                   num(static_cast<int>(need)) + " 個のはずです）");
    return true;
  }
  for (std::size_t i = 0; i < N && i < record.body.size(); ++i) {
    if (record.body[i].items.size() != static_cast<std::size_t>(layout[i])) {
      report.add(file, Where::recordLine(id, record.body[i].number),
                 "この行の項目は " + num(static_cast<int>(record.body[i].items.size())) + " 個です（" +
                     num(layout[i]) + " 個のはずです）");
      break;
    }
  }
  return true;
}

void reportUnreadAndMissing(const std::string& file, int maxId, int stopId, const Unread& unread,
                            const std::set<int>& seen, CheckReport& report) {
  if (unread.count > 0) {
    report.add(file, Where::recordLine(unread.firstId, unread.firstLine),
               "この記録から後の " + num(unread.count) + " 件は読まれません（" + Where::record(stopId) +
                   " で読み込みが終わります）");
  }
  for (int id = 1; id <= maxId; ++id) {
    if (seen.count(id) != 0) continue;
    int to = id;
    while (to + 1 <= maxId && seen.count(to + 1) == 0) ++to;
    report.add(file, "", "記録 " + idRange(id, to) + " がありません");
    id = to;
  }
}

template <std::size_t N>
std::vector<ReadRecord> readRecords(const std::string& file, const std::vector<std::string>& lines, int maxId,
                                    int slots, const std::array<int, N>& layout, CheckReport& report) {
  std::size_t need = 0;
  for (int n : layout) need += static_cast<std::size_t>(n);
  const RecordScan scan = RecordScanner::scan(lines);
  if (!scan.stray.empty()) {
    report.add(file, Where::lineNo(scan.stray.front().number), "最初の見出しより前に行があります（読まれません）");
  }

  std::vector<ReadRecord> read;
  std::set<int> seen;
  int last = 0;
  int stopId = 0;  // reading ends after the record of the highest id
  Unread unread;
  for (const ScannedRecord& record : scan.records) {
    const int id = record.id;
    const int at = record.header.number;
    const bool wellFormed = RecordScanner::wellFormedHeader(record.header.text);
    if (!wellFormed) {
      report.add(file, Where::lineNo(at),
                 "見出し「" + record.header.text + "」の形が正しくありません（「.」と 1〜3 桁の番号だけの行にします）");
    }
    if (stopId != 0) {
      if (unread.count == 0) unread = {0, id, at};
      ++unread.count;
      continue;
    }
    if (id < 1 || id >= slots) {
      if (wellFormed) {
        report.add(file, Where::lineNo(at), "番号 " + num(id) + " の記録は読まれません（番号は 1〜" + num(maxId) + "）");
      }
      continue;
    }
    checkPlace(file, id, at, maxId, seen, last, report);
    const std::vector<std::string> items = record.items();
    if (checkItemCounts(file, record, items.size(), need, layout, report)) {
      read.push_back({id, std::vector<std::string>(items.begin(), items.begin() + static_cast<long>(need))});
    }
    if (id <= maxId) seen.insert(id);
    last = std::max(last, id);
    if (id >= maxId) stopId = id;
  }
  reportUnreadAndMissing(file, maxId, stopId, unread, seen, report);
  return read;
}

// A whole number too large for a 16-bit field is out of range, not "not an integer".
std::string integerProblem(const std::string& item) {
  const bool digits = !item.empty() && item.find_first_not_of("0123456789-+ ") == std::string::npos;
  return digits ? "は -32768〜32767 の範囲外です" : "は整数ではありません";
}

// Names are written back bare by the game's whole-file rewrite and quoted by its single-record
// update, so a comma, a quote or a leading "." would corrupt the state file later on.
void checkName(const std::string& file, const std::string& where, const std::string& label, const std::string& name,
               CheckReport& report) {
  if (name.find_first_not_of(" \t") == std::string::npos) {
    report.add(file, where, label + (name.empty() ? "が空です" : "が空白だけです"));
    return;
  }
  if (RecordSet::characters(name) > RecordSet::kNameLimit) {
    report.add(file, where, label + DataError::quoted(name) + "が長すぎます（" + std::to_string(RecordSet::kNameLimit) + "文字まで）");
    return;
  }
  if (name.find(',') != std::string::npos) {
    report.add(file, where, label + "「" + name + "」に「,」があります（ゲームが保存すると項目が分かれます）");
  }
  if (name.find('"') != std::string::npos) {
    report.add(file, where, label + "「" + name + "」に「\"」があります（ゲームが保存すると読み戻せません）");
  }
  if (name[0] == '.') {
    report.add(file, where, label + "「" + name + "」が「.」で始まっています（ゲームが保存すると見出しと読まれます）");
  }
}

template <std::size_t N>
Row readNumbers(const std::string& file, const ReadRecord& record, const std::array<const char*, N>& labels,
                CheckReport& report) {
  Row row;
  row.id = record.id;
  row.name = record.items[0];
  for (int n = 1; n <= 8; ++n) {
    const std::string& item = record.items[static_cast<std::size_t>(n)];
    const auto slot = static_cast<std::size_t>(n);
    row.ok[slot] = RecordScanner::parseInteger(item, row.value[slot]);
    if (!row.ok[slot]) report.add(file, Where::record(record.id), std::string(labels[slot]) + DataError::quoted(item) + integerProblem(item));
  }
  row.last = record.items[9];
  return row;
}

std::map<int, Row> checkOfficers(const Scenario& scenario, const std::vector<std::string>& lines,
                                 const std::set<int>* comments, CheckReport& report) {
  const std::string file = scenario.officerMaster;
  std::map<int, Row> officers;
  for (const ReadRecord& record : readRecords(file, lines, scenario.officerMax, OfficerTable::kSlots, kOfficerLayout, report)) {
    const std::string where = Where::record(record.id);
    Row row = readNumbers(file, record, kOfficerFields, report);
    checkName(file, where, "名前", row.name, report);
    for (std::size_t n = 1; n <= 6; ++n) {
      if (row.ok[n] && (row.value[n] < MasterCheck::kAbilityMin || row.value[n] > MasterCheck::kAbilityMax)) {
        report.add(file, where,
                   std::string(kOfficerFields[n]) + " " + num(row.value[n]) + " は " + num(MasterCheck::kAbilityMin) + "〜" +
                       num(MasterCheck::kAbilityMax) + " の範囲外です");
      }
    }
    if (row.ok[8] && (row.value[8] < kBunkan || row.value[8] > kGunshi)) {
      report.add(file, where, "職業 " + num(row.value[8]) + " は 1〜6 の範囲外です");
    }
    const std::string& commentItem = record.items[10];
    row.commentOk = RecordScanner::parseInteger(commentItem, row.commentID);
    if (!row.commentOk) {
      report.add(file, where, "コメント番号「" + commentItem + "」は整数ではありません");
    } else if (row.commentID == MasterCheck::kFictional) {
      report.add(file, where, "コメント番号 200 は架空の武将の印です（マスターの武将には使えません）");
    } else if (row.commentID != 0 && comments != nullptr && comments->count(row.commentID) == 0) {
      report.add(file, where, "コメント番号 " + num(row.commentID) + " の記録が " + paths::kComment + " にありません");
    }
    officers[record.id] = row;
  }
  return officers;
}

std::map<int, Row> checkFactions(const Scenario& scenario, const std::vector<std::string>& lines, CheckReport& report) {
  const std::string file = scenario.factionMaster;
  std::map<int, Row> factions;
  for (const ReadRecord& record : readRecords(file, lines, scenario.factionMax, FactionTable::kSlots, kFactionLayout, report)) {
    const std::string where = Where::record(record.id);
    Row row = readNumbers(file, record, kFactionFields, report);
    checkName(file, where, "軍閥名", row.name, report);
    for (std::size_t n = 3; n <= 8; ++n) {
      if (!row.ok[n]) continue;
      const Range range = kFactionRanges[n];
      if (row.value[n] >= range.low && row.value[n] <= range.high) continue;
      const std::string bounds = range.high == 32767 ? num(range.low) + " 以上のはずです"
                                                     : num(range.low) + "〜" + num(range.high) + " の範囲外です";
      report.add(file, where, std::string(kFactionFields[n]) + " " + num(row.value[n]) + " は " + bounds);
    }
    if (row.last != "TRUE" && row.last != "FALSE" && row.last != "false") {
      report.add(file, where, "滅亡の印「" + row.last + "」は「TRUE」「FALSE」「false」のどれでもありません");
    }
    factions[record.id] = row;
  }
  return factions;
}

// Rulers and alliances must agree between the faction master and the officer master.
// Every ruler rules one faction, and every alliance leader named is the ruler of a faction that
// leads; at most kMaxAllianceLeaders factions lead. Returns each ruler's faction.
std::map<int, int> checkRulersAndLeaders(const std::string& factionFile, const std::map<int, Row>& factions,
                                         CheckReport& report) {
  std::map<int, int> rulerOf;  // ruler's officer id -> his faction
  std::set<int> leaderRulers;
  std::string leaderList;
  int leaders = 0;
  for (const auto& [id, faction] : factions) {
    if (!faction.ok[2]) continue;
    const int ruler = faction.value[2];
    auto [it, fresh] = rulerOf.emplace(ruler, id);
    if (!fresh) {
      report.add(factionFile, Where::record(id),
                 "君主 " + num(ruler) + " は軍閥 " + Where::record(it->second) + " の君主でもあります");
    }
    if (faction.ok[1] && faction.value[1] != 0 && faction.value[1] == ruler) {
      leaderRulers.insert(ruler);
      leaderList += (leaders++ == 0 ? "" : "・") + Where::record(id);
    }
  }
  if (leaders > MasterCheck::kMaxAllianceLeaders) {
    report.add(factionFile, "",
               "同盟の盟主が " + num(leaders) + " 軍閥あります（" + leaderList + "。" +
                   num(MasterCheck::kMaxAllianceLeaders) + " つまでです）");
  }
  for (const auto& [id, faction] : factions) {
    if (faction.ok[1] && faction.value[1] != 0 && leaderRulers.count(faction.value[1]) == 0) {
      report.add(factionFile, Where::record(id),
                 "盟主 " + num(faction.value[1]) + " は同盟を率いる軍閥の君主ではありません（0 か、盟主の軍閥の君主の番号にします）");
    }
  }
  return rulerOf;
}

// Each faction's ruler is an officer of the master who serves himself as a ruler.
void checkRulerRecords(const Scenario& scenario, const std::map<int, Row>& officers, const std::map<int, Row>& factions,
                       CheckReport& report) {
  const std::string officerFile = scenario.officerMaster;
  const std::string factionFile = scenario.factionMaster;
  for (const auto& [id, faction] : factions) {
    if (!faction.ok[2]) continue;
    const int ruler = faction.value[2];
    const std::string where = Where::record(id);
    if (ruler < 1 || ruler > scenario.officerMax) {
      report.add(factionFile, where, "君主 " + num(ruler) + " は武将の番号（1〜" + num(scenario.officerMax) + "）ではありません");
      continue;
    }
    auto found = officers.find(ruler);
    if (found == officers.end()) {
      report.add(factionFile, where, "君主 " + num(ruler) + " の記録が " + officerFile + " にありません");
      continue;
    }
    const Row& officer = found->second;
    const std::string who = "君主 " + num(ruler) + "（" + officer.name + "）";
    if (officer.ok[7] && officer.value[7] != ruler) {
      report.add(factionFile, where,
                 who + "の仕える君主が " + num(officer.value[7]) + " です（自分の番号 " + num(ruler) + " のはずです）");
    }
    if (officer.ok[8] && officer.value[8] != kKunshu) {
      report.add(factionFile, where, who + "の職業が " + num(officer.value[8]) + " です（君主は 5）");
    }
  }
}

// An officer who looks like a ruler rules a faction, and every officer serves a ruler or nobody.
void checkAllegiance(const Scenario& scenario, const std::map<int, Row>& officers, const std::map<int, int>& rulerOf,
                     CheckReport& report) {
  const std::string officerFile = scenario.officerMaster;
  const std::string factionFile = scenario.factionMaster;
  for (const auto& [id, officer] : officers) {
    const std::string where = Where::record(id);
    const bool rules = rulerOf.count(id) != 0;
    const bool jobRuler = officer.ok[8] && officer.value[8] == kKunshu;
    const bool selfServing = officer.ok[7] && officer.value[7] == id;
    if (!rules && (jobRuler || selfServing)) {
      std::string what;
      if (jobRuler) what = "職業が君主（5）";
      if (jobRuler && selfServing) what += "で、";
      if (selfServing) what += "仕える君主が自分自身";
      report.add(officerFile, where, what + "ですが、" + factionFile + " のどの軍閥の君主でもありません");
    }
    if (officer.ok[7] && officer.value[7] != 0 && !selfServing && rulerOf.count(officer.value[7]) == 0) {
      report.add(officerFile, where,
                 "仕える君主 " + num(officer.value[7]) + " は " + factionFile + " のどの軍閥の君主でもありません（0 か、君主の番号にします）");
    }
  }
}

void crossCheck(const Scenario& scenario, const std::map<int, Row>* officers, const std::map<int, Row>& factions,
                CheckReport& report) {
  const std::map<int, int> rulerOf = checkRulersAndLeaders(scenario.factionMaster, factions, report);
  if (officers == nullptr) return;
  checkRulerRecords(scenario, *officers, factions, report);
  checkAllegiance(scenario, *officers, rulerOf, report);
}

}  // namespace

void MasterCheck::run(const Scenario& scenario, const std::vector<std::string>* officerLines,
                      const std::vector<std::string>* factionLines, const std::set<int>* commentNumbers,
                      CheckReport& report) {
  std::map<int, Row> officers;
  if (officerLines != nullptr) officers = checkOfficers(scenario, *officerLines, commentNumbers, report);
  if (factionLines == nullptr) return;
  const std::map<int, Row> factions = checkFactions(scenario, *factionLines, report);
  crossCheck(scenario, officerLines != nullptr ? &officers : nullptr, factions, report);
}

}  // namespace velkaro
