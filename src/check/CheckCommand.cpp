#include "check/CheckCommand.h"

#include <exception>

#include "check/DataCheck.h"

namespace velkaro {

int CheckCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1 || args[0].empty() || args[0] == "-h" || args[0] == "--help") {
    err << "使い方: velkaro-check DIR（ゲームフォルダ DIR の ini フォルダを確認します）\n";
    return kUsage;
  }
  try {
    const CheckReport report = DataCheck(GamePaths(args[0])).run();
    for (const std::string& line : report.lines()) out << line << '\n';
    out << report.summary() << '\n';
    return report.sound() ? kSound : kProblems;
  } catch (const std::exception& e) {
    // A check that could not finish never counts as a pass.
    err << "確認を最後まで行えませんでした: " << e.what() << '\n';
    return kProblems;
  }
}

}  // namespace velkaro
