// velkaro-check DIR: checks the game data in DIR/ini and exits with 0 only when it is sound.
#include <iostream>
#include <string>
#include <vector>

#include "check/CheckCommand.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return velkaro::CheckCommand::run(args, std::cout, std::cerr);
}
