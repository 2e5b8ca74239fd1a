#include "check/CheckReport.h"

#include <algorithm>
#include <cctype>

namespace velkaro {

std::string CheckProblem::line() const {
  std::string out = file;
  if (!where.empty()) out += " " + where;
  return out + ": " + text;
}

void CheckReport::add(const std::string& file, const std::string& where, const std::string& text) {
  problems_.push_back({file, where, text});
}

void CheckReport::groupByFile(const std::vector<std::string>& order) {
  auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  auto rank = [&](const CheckProblem& problem) {
    const std::string key = lower(problem.file);
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (lower(order[i]) == key) return i;
    }
    return order.size();
  };
  std::stable_sort(problems_.begin(), problems_.end(), [&](const CheckProblem& a, const CheckProblem& b) {
    const std::size_t ra = rank(a);
    const std::size_t rb = rank(b);
    if (ra != rb) return ra < rb;
    return ra == order.size() && a.file < b.file;
  });
}

std::vector<std::string> CheckReport::lines() const {
  std::vector<std::string> out;
  out.reserve(problems_.size());
  for (const auto& problem : problems_) out.push_back(problem.line());
  return out;
}

std::string CheckReport::summary() const {
  const std::string files = std::to_string(files_) + " ファイルを確認しました";
  if (sound()) return "問題はありません（" + files + "）";
  return "問題が " + std::to_string(problems_.size()) + " 件あります（" + files + "）";
}

}  // namespace velkaro
