#include "tools/sim/LogAudit.h"

#include "data/DataError.h"
#include "data/TextFile.h"
#include "data/StatePaths.h"

namespace velkaro::sim {
namespace {

constexpr const char* kTerminator = "EOT=======";
constexpr const char* kRule = "＝＝＝＝＝＝＝＝＝";
const std::string kFullWidthEquals = "＝";
const std::string kHeadingOpen = "＝＝ 　";
const std::string kHeadingClose = "年　＝＝";

// The year of a middle heading line "＝＝ 　Y年　＝＝", or 0.
int headingYear(const std::string& line) {
  if (line.size() <= kHeadingOpen.size() + kHeadingClose.size() || line.rfind(kHeadingOpen, 0) != 0) return 0;
  if (line.compare(line.size() - kHeadingClose.size(), kHeadingClose.size(), kHeadingClose) != 0) return 0;
  const std::string digits = line.substr(kHeadingOpen.size(), line.size() - kHeadingOpen.size() - kHeadingClose.size());
  int year = 0;
  for (char c : digits) {
    if (c < '0' || c > '9' || year > 10000) return 0;
    year = year * 10 + (c - '0');
  }
  return year;
}

}  // namespace

void LogAudit::checkLines(const std::vector<std::string>& lines, bool endsWithLineBreak, int firstYear, int lastYear,
                          std::vector<std::string>& out) {
  int terminators = 0;
  int equalsLines = 0;
  int expected = firstYear;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == kTerminator) ++terminators;
    if (line.rfind(kFullWidthEquals, 0) == 0) ++equalsLines;
    const int year = headingYear(line);
    if (year == 0) continue;
    if (year != expected) {
      out.push_back("log year heading out of order: " + std::to_string(year) + " where " + std::to_string(expected) +
                    " was due");
      return;
    }
    if (i == 0 || i + 1 >= lines.size() || lines[i - 1] != kRule || lines[i + 1] != kRule) {
      out.push_back("log year heading " + std::to_string(year) + " is not framed by its two rule lines");
    }
    ++expected;
  }
  const int years = lastYear >= firstYear ? lastYear - firstYear + 1 : 0;
  if (expected - firstYear != years) {
    out.push_back("log holds " + std::to_string(expected - firstYear) + " year headings for " + std::to_string(years) +
                  " resolved years");
  }
  if (equalsLines != 3 * years) {
    out.push_back("log has " + std::to_string(equalsLines) + " lines beginning with ＝ (the reader pages by them; " +
                  std::to_string(3 * years) + " expected)");
  }
  if (years > 0 && terminators != 1) out.push_back("log holds " + std::to_string(terminators) + " terminators");
  if (years > 0 && (lines.empty() || lines.back() != kTerminator || !endsWithLineBreak)) {
    out.push_back("log does not end with its terminator line");
  }
}

void LogAudit::check(const GamePaths& dir, int firstYear, int lastYear, std::vector<std::string>& out) {
  std::string text;
  try {
    text = TextFile::read(dir, paths::kLog);
  } catch (const DataError& e) {
    out.push_back(std::string("log cannot be read: ") + e.what());
    return;
  }
  const bool endsWithLineBreak = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
  checkLines(TextFile::splitLines(text), endsWithLineBreak, firstYear, lastYear, out);
}

}  // namespace velkaro::sim
