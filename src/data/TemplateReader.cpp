#include "data/TemplateReader.h"

#include <vector>

#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/RecordSet.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

// Refuses a line of absurd length before any of it reaches a page.
void limitLength(const std::string& file, const std::vector<std::string>& lines, std::size_t i) {
  if (lines[i].size() <= TemplateReader::kLineLimit) return;  // bytes >= characters
  if (RecordSet::characters(lines[i]) <= TemplateReader::kLineLimit) return;
  throw DataError::malformed(file, std::to_string(i + 1) + "行目が長すぎます（" +
                                       std::to_string(TemplateReader::kLineLimit) + "文字まで）");
}

// Walks the wanted section and reports each piece; sections from 100 up are never reached.
template <typename Sink, typename NewPage>
void walkSection(const std::string& file, const std::vector<std::string>& lines, int number,
                 const std::string& param1, const std::string& param2, Sink sink, NewPage newPage) {
  std::size_t i = 0;
  for (; i < lines.size(); ++i) {
    limitLength(file, lines, i);
    const std::string& line = lines[i];
    if (!ItemReader::isHeader(line)) continue;
    const int id = ItemReader::headerId(line);
    if (id >= 100) return;
    if (id == number) break;
  }
  if (i >= lines.size()) return;
  for (++i; i < lines.size(); ++i) {
    limitLength(file, lines, i);
    const std::string& line = lines[i];
    if (!line.empty() && line[0] == '.') {
      sink(kCrLf);
      if (line.size() >= 2 && line[1] == '.') return;
    } else if (!line.empty() && line[0] == '+') {
      sink(param1);
    } else if (!line.empty() && line[0] == '*') {
      sink(param2);
    } else if (!line.empty() && line[0] == '/') {
      newPage();
    } else {
      sink(line);
    }
  }
}

}  // namespace

void TemplateReader::appendSection(const GamePaths& dir, const std::string& file, int number, const std::string& param1,
                                   const std::string& param2, PageTable& pages) {
  const auto lines = TextFile::sharedLines(dir, file);
  walkSection(
      file, *lines, number, param1, param2, [&](const std::string& text) { pages.append(text); },
      [&] { pages.nextPage(); });
}

std::string TemplateReader::singleText(const GamePaths& dir, const std::string& file, int number,
                                       const std::string& param1, const std::string& param2) {
  const auto lines = TextFile::sharedLines(dir, file);
  std::string text;
  walkSection(
      file, *lines, number, param1, param2, [&](const std::string& piece) { text += piece; }, [&] { text.clear(); });
  return text;
}

}  // namespace velkaro
