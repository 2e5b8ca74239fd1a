#include "check/DataCheck.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <optional>
#include <set>

#include "check/CommentCheck.h"
#include "check/EncodingCheck.h"
#include "check/MasterCheck.h"
#include "check/PoolCheck.h"
#include "check/TemplateCheck.h"
#include "data/DataError.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "setup/OfficerGenerator.h"
#include "setup/Scenario.h"

namespace velkaro {
namespace {

constexpr const char* kIni = "\\ini";

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string gameName(const std::string& fileName) { return std::string(kIni) + "\\" + fileName; }

// On a case-sensitive file system two names that differ only in letter case are two files, and
// the game's case-blind lookup would take either of them depending on the name a screen uses.
void checkLetterCase(const std::filesystem::path& folder, CheckReport& report) {
  std::map<std::string, std::vector<std::string>> byLower;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    byLower[lower(name)].push_back(name);
  }
  for (auto& [key, names] : byLower) {
    if (names.size() < 2) continue;
    std::sort(names.begin(), names.end());
    std::string list;
    for (const auto& name : names) list += (list.empty() ? "「" : "」と「") + name;
    report.add(gameName(names.front()), "", list + "」は大文字と小文字しか違わないため、ゲームがどれを読むか定まりません");
  }
}

std::optional<std::string> readBytes(const GamePaths& dir, const std::string& name, CheckReport& report) {
  if (!dir.exists(name)) {
    report.add(name, "", "ファイルがありません");
    return std::nullopt;
  }
  try {
    return TextFile::readBytes(dir, name);
  } catch (const DataError&) {
    report.add(name, "", "ファイルを読み込めません");
    return std::nullopt;
  }
}

int firstDifferentLine(const std::string& a, const std::string& b) {
  const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return static_cast<int>(std::count(a.begin(), mismatch.first, '\n')) + 1;
}

template <typename T>
const T* present(const std::map<std::string, std::optional<T>>& found, const std::string& name) {
  auto it = found.find(name);
  return it != found.end() && it->second ? &*it->second : nullptr;
}

}  // namespace

const std::vector<std::string>& DataCheck::expectedFiles() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> out;
    for (int s = 1; s <= 3; ++s) {
      out.push_back(Scenario::byNumber(s).officerMaster);
      out.push_back(Scenario::byNumber(s).officerBackup);
    }
    for (int s = 1; s <= 3; ++s) out.push_back(Scenario::byNumber(s).factionMaster);
    for (const char* name : {paths::kComment, paths::kSei, paths::kMei, paths::kText, paths::kCommand}) out.push_back(name);
    return out;
  }();
  return files;
}

namespace {

// The expected files' bytes and, where they read as text, their lines; nullopt where missing.
struct ExpectedFiles {
  std::map<std::string, std::optional<std::string>> bytes;
  std::map<std::string, std::optional<std::vector<std::string>>> lines;
};

ExpectedFiles readExpectedFiles(const GamePaths& dir, CheckReport& report) {
  ExpectedFiles files;
  for (const std::string& name : DataCheck::expectedFiles()) {
    files.bytes[name] = readBytes(dir, name, report);
    if (!files.bytes[name]) continue;
    report.countFile();
    files.lines[name] = EncodingCheck::lines(name, *files.bytes[name], report);
  }
  return files;
}

// The game's own state files and any other text files beside the expected ones must read as well.
void checkOtherFiles(const GamePaths& dir, const std::filesystem::path& folder, CheckReport& report) {
  std::set<std::string> expectedLower;
  for (const std::string& name : DataCheck::expectedFiles()) expectedLower.insert(lower(name));
  std::vector<std::string> others;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string fileName = it->path().filename().string();
    std::error_code typeError;
    if (!it->is_regular_file(typeError) || lower(it->path().extension().string()) != ".ini") continue;
    if (expectedLower.count(lower(gameName(fileName))) == 0) others.push_back(gameName(fileName));
  }
  std::sort(others.begin(), others.end());
  for (const std::string& name : others) {
    auto content = readBytes(dir, name, report);
    if (!content) continue;
    report.countFile();
    EncodingCheck::lines(name, *content, report);
  }
}

// Each scenario's masters against the comments, and each officer master against its backup.
void checkMasters(const ExpectedFiles& files, CheckReport& report) {
  std::optional<std::set<int>> comments;
  if (const auto* commentLines = present(files.lines, paths::kComment)) comments = CommentCheck::run(*commentLines, report);

  for (int s = 1; s <= 3; ++s) {
    const Scenario& scenario = Scenario::byNumber(s);
    MasterCheck::run(scenario, present(files.lines, scenario.officerMaster), present(files.lines, scenario.factionMaster),
                     comments ? &*comments : nullptr, report);
    const std::string* master = present(files.bytes, scenario.officerMaster);
    const std::string* backup = present(files.bytes, scenario.officerBackup);
    if (master != nullptr && backup != nullptr && *master != *backup) {
      report.add(scenario.officerBackup, "",
                 std::string(scenario.officerMaster) + " と一致しません（最初の違いは " +
                     CheckReport::lineNo(firstDifferentLine(*master, *backup)) + "）");
    }
  }
}

// The name pools, the name pairs they make against the comments, and the two template files.
void checkPoolsAndTemplates(const GamePaths& dir, const ExpectedFiles& files, CheckReport& report) {
  const auto* sei = present(files.lines, paths::kSei);
  const auto* mei = present(files.lines, paths::kMei);
  if (sei != nullptr) PoolCheck::run(paths::kSei, *sei, OfficerGenerator::kFamilyNames, true, report);
  if (mei != nullptr) PoolCheck::run(paths::kMei, *mei, OfficerGenerator::kGivenNames, false, report);
  const auto* commentText = present(files.lines, paths::kComment);
  if (sei != nullptr && mei != nullptr && commentText != nullptr) PoolCheck::pairs(*sei, *mei, *commentText, report);
  if (const auto* text = present(files.lines, paths::kText)) {
    TemplateCheck::run(dir, paths::kText, *text, TemplateCheck::textSections(), report);
  }
  if (const auto* command = present(files.lines, paths::kCommand)) {
    TemplateCheck::run(dir, paths::kCommand, *command, TemplateCheck::commandSections(), report);
  }
}

}  // namespace

CheckReport DataCheck::run() const {
  CheckReport report;
  std::error_code ec;
  const std::filesystem::path folder = dir_.resolve(kIni);
  if (!std::filesystem::is_directory(folder, ec)) {
    report.add(kIni, "", "フォルダがありません");
    return report;
  }
  checkLetterCase(folder, report);
  const ExpectedFiles files = readExpectedFiles(dir_, report);
  checkOtherFiles(dir_, folder, report);
  checkMasters(files, report);
  checkPoolsAndTemplates(dir_, files, report);
  report.groupByFile(expectedFiles());
  return report;
}

}  // namespace velkaro
