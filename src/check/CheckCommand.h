#pragma once
// The velkaro-check command line: checks DIR/ini, prints one line per problem and a summary line.
#include <ostream>
#include <string>
#include <vector>

namespace velkaro {

class CheckCommand {
 public:
  static constexpr int kSound = 0;
  static constexpr int kProblems = 1;
  static constexpr int kUsage = 2;

  // `args` are the arguments after the program name. Returns the exit status: 0 only when the
  // folder is sound.
  static int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

}  // namespace velkaro
