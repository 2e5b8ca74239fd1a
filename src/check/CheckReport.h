#pragma once
// The problems found in a game data folder: each names its file and place and explains itself in Japanese.
#include <string>
#include <vector>

namespace velkaro {

struct CheckProblem {
  std::string file;   // the game's name of the file, "\ini\Bushou1.ini"
  std::string where;  // ".12", "34行目", ".12 34行目", or empty when the whole file is meant
  std::string text;

  // "\ini\Bushou1.ini .12: 武勇 11 は 1〜10 の範囲外です"
  std::string line() const;
};

class CheckReport {
 public:
  void add(const std::string& file, const std::string& where, const std::string& text);
  void countFile() { ++files_; }
  // Brings each file's problems together, files in the given order (letter case aside), other
  // files after them; within a file the order of finding is kept.
  void groupByFile(const std::vector<std::string>& order);

  const std::vector<CheckProblem>& problems() const { return problems_; }
  std::vector<std::string> lines() const;
  bool sound() const { return problems_.empty(); }
  int filesChecked() const { return files_; }
  // One line for the end of the output.
  std::string summary() const;

  // Places: a record or section by its header, a line of the file, or both.
  static std::string record(int id) { return "." + std::to_string(id); }
  static std::string lineNo(int line) { return std::to_string(line) + "行目"; }
  static std::string recordLine(int id, int line) { return record(id) + " " + lineNo(line); }

 private:
  std::vector<CheckProblem> problems_;
  int files_ = 0;
};

}  // namespace velkaro
