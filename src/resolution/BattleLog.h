#pragma once
// The battle log "\ini\velkaro.log" that every resolved year is appended to, and the credits page.
#include "data/GamePaths.h"
#include "board/MessageBuffer.h"

namespace velkaro {

class BattleLog {
 public:
  static constexpr const char* kTerminator = "EOT=======";
  static constexpr const char* kHeading = "Velkaroの記録";

  // Appends the pages in use to the log through the scratch copy "\ini\velkaro.img": the old
  // lines up to the terminator, the year's pages, then one terminator line. Whatever followed
  // an old terminator is dropped. A missing log is started afresh with its heading line.
  static void mkLog(const GamePaths& dir, const MessageBuffer& pages);

  // Page 0: 22 line breaks and the three credit lines; page 1: the terminator.
  static void credit(MessageBuffer& pages);

  static constexpr const char* kCreditLines[3] = {
      "Velkaro・Ostrel",
      "企画・制作　Velkaro 開発チーム",
      "最後までお付き合いいただき、ありがとうございました",
  };
};

}  // namespace velkaro
