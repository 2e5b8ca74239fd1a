#include "check/TemplateCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "check/RecordScanner.h"
#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/PageTable.h"
#include "data/RecordSet.h"
#include "data/TemplateReader.h"

namespace velkaro {
namespace {

using Where = CheckReport;

std::vector<int> numbers(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<int> out;
  for (const auto& [from, to] : ranges) {
    for (int n = from; n <= to; ++n) out.push_back(n);
  }
  return out;
}

bool startsWith(const std::string& line, const char* prefix) { return line.rfind(prefix, 0) == 0; }

bool onlyBlanks(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// True when the text holds something to read: not only line breaks and blanks (full-width ones too).
bool hasWords(const std::string& text) {
  std::string rest = text;
  for (const std::string blank : {"\r", "\n", " ", "\t", "　"}) {
    std::size_t at = 0;
    while ((at = rest.find(blank, at)) != std::string::npos) rest.erase(at, blank.size());
  }
  return !rest.empty();
}

// Lines the game refuses to read; true when there is one, and the rest of the file is not checked.
bool reportOverlong(const std::string& file, const std::vector<std::string>& lines, CheckReport& report) {
  bool any = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t length = RecordSet::characters(lines[i]);
    if (length <= TemplateReader::kLineLimit) continue;
    report.add(file, Where::lineNo(static_cast<int>(i) + 1),
               "行が長すぎます（" + std::to_string(length) + "文字、" + std::to_string(TemplateReader::kLineLimit) +
                   "文字まで。ゲームはこのファイルを読みません）");
    any = true;
  }
  return any;
}

// Marker lines act on their first character(s) only; anything after them is silently dropped.
void checkMarkers(const std::string& file, const std::vector<std::string>& lines, CheckReport& report) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string where = Where::lineNo(static_cast<int>(i) + 1);
    if (startsWith(line, "..")) {
      if (!onlyBlanks(line.substr(2))) report.add(file, where, "「..」の後ろの" + DataError::quoted(line.substr(2)) + "は読まれません");
    } else if (startsWith(line, ".")) {
      if (line != "." && !RecordScanner::wellFormedHeader(line)) {
        report.add(file, where,
                   "「.」で始まる行" + DataError::quoted(line) + "は改行か見出しとしてだけ読まれ、残りは表示されません");
      }
    } else if (startsWith(line, "+") || startsWith(line, "*") || startsWith(line, "/")) {
      if (!onlyBlanks(line.substr(1))) {
        report.add(file, where, "「" + line.substr(0, 1) + "」の行の残り" + DataError::quoted(line.substr(1)) + "は表示されません");
      }
    }
  }
}

// Headers as the reader meets them while searching: the first of each number wins, and a
// header from kUnreachable up ends the search for good.
struct SectionIndex {
  std::map<int, std::size_t> first;  // section number -> line index of its header
  std::set<int> beyondStop;
  std::size_t stopLine = 0;  // 1-based; 0 when nothing stops the search
  int stopNumber = 0;
};

SectionIndex indexSections(const std::string& file, const std::vector<std::string>& lines, CheckReport& report) {
  SectionIndex index;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!ItemReader::isHeader(lines[i])) continue;
    const int n = ItemReader::headerId(lines[i]);
    if (n < 1) continue;
    if (index.stopLine != 0) {
      index.beyondStop.insert(n);
      continue;
    }
    if (n >= TemplateCheck::kUnreachable) {
      index.stopLine = i + 1;
      index.stopNumber = n;
      report.add(file, Where::lineNo(static_cast<int>(index.stopLine)),
                 "見出し " + Where::record(n) + " で読み込みが止まります（" + std::to_string(TemplateCheck::kUnreachable) +
                     " 以上の節は読まれず、これより後の節も見つかりません）");
      continue;
    }
    // A text line that merely starts with "." is reported among the markers.
    if (!index.first.emplace(n, i).second && RecordScanner::wellFormedHeader(lines[i])) {
      report.add(file, Where::recordLine(n, static_cast<int>(i) + 1), "節が二度あります（後の節は読まれません）");
    }
  }
  return index;
}

// Sections that cannot be found, reported in runs of consecutive numbers, one line a run.
class MissingRuns {
 public:
  MissingRuns(const std::string& file, CheckReport& report) : file_(file), report_(report) {}

  void add(int n, const std::string& text) {
    if (text == text_ && n == to_ + 1) {
      to_ = n;
      return;
    }
    flush();
    text_ = text;
    from_ = to_ = n;
  }

  void flush() {
    if (text_.empty()) return;
    const std::string where = from_ == to_ ? Where::record(from_) : Where::record(from_) + "〜" + Where::record(to_);
    report_.add(file_, where, text_);
    text_.clear();
  }

 private:
  const std::string& file_;
  CheckReport& report_;
  std::string text_;
  int from_ = 0;
  int to_ = 0;
};

// Inside a section only ".." ends it; a following header merely breaks the line and the
// reader runs on into the next section's text. The section must also hold some words.
void checkSection(const GamePaths& dir, const std::string& file, const std::vector<std::string>& lines, int n,
                  std::size_t header, CheckReport& report) {
  const std::string where = Where::record(n);
  bool closed = false;
  for (std::size_t i = header + 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (startsWith(line, "..")) {
      closed = true;
      break;
    }
    if (RecordScanner::wellFormedHeader(line) && ItemReader::headerId(line) >= 1) {
      report.add(file, where,
                 "節が「..」で終わらず、次の見出し " + Where::record(ItemReader::headerId(line)) + "（" +
                     Where::lineNo(static_cast<int>(i) + 1) + "）の節まで続けて読まれます");
      closed = true;  // reported
      break;
    }
  }
  if (!closed) report.add(file, where, "節が「..」で終わっていません");

  PageTable pages;
  TemplateReader::appendSection(dir, file, n, "", "", pages);
  bool words = false;
  for (int p = 0; p < pages.count() && !words; ++p) words = hasWords(pages.page(p));
  if (!words) report.add(file, where, "節に本文がありません");
}

}  // namespace

const std::vector<int>& TemplateCheck::textSections() {
  static const std::vector<int> sections = numbers({{1, 30}, {32, 53}, {57, 60}});
  return sections;
}

const std::vector<int>& TemplateCheck::commandSections() {
  static const std::vector<int> sections = numbers({{1, 12}, {20, 20}, {21, 26}});
  return sections;
}

void TemplateCheck::run(const GamePaths& dir, const std::string& file, const std::vector<std::string>& lines,
                        const std::vector<int>& used, CheckReport& report) {
  if (reportOverlong(file, lines, report)) return;
  checkMarkers(file, lines, report);
  const SectionIndex index = indexSections(file, lines, report);

  const std::string beyond = "節が見出し " + Where::record(index.stopNumber) + "（" +
                             Where::lineNo(static_cast<int>(index.stopLine)) + "）より後にあるため読まれません";
  MissingRuns missing(file, report);
  for (int n : used) {
    auto found = index.first.find(n);
    if (found == index.first.end()) {
      missing.add(n, index.beyondStop.count(n) != 0 ? beyond : "節がありません");
      continue;
    }
    missing.flush();
    checkSection(dir, file, lines, n, found->second, report);
  }
  missing.flush();
}

}  // namespace velkaro
