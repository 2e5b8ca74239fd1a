// Fuzzes the comment readers: the input is "\ini\Cmtsv.ini" as the officer status screen reads
// it for an officer's comment, and the comment master as the data check reads it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "check/CheckReport.h"
#include "check/CommentCheck.h"
#include "data/Codec.h"
#include "data/DataError.h"
#include "data/GameContext.h"
#include "data/TextFile.h"
#include "fuzz/FuzzDir.h"
#include "screens/OfficerStatus.h"
#include "ui/scripted/ScriptedUi.h"

namespace {

// Three officers whose comment numbers are 1, 7 and 150.
std::string officerFile() {
  std::string text;
  const int comments[3] = {1, 7, 150};
  for (int id = 1; id <= 3; ++id) {
    text += "." + std::to_string(id) + "\r\n\"officer\"\r\n5,5,5,5\r\n5,5\r\n1,5\r\n\"face\"\r\n" +
            std::to_string(comments[id - 1]) + "\r\n";
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  const fuzz::FuzzDir& game = fuzz::fuzzDir();
  static const bool officersWritten = (game.write("ini/busv.ini", officerFile()), true);
  (void)officersWritten;
  game.write("ini/Cmtsv.ini", data, size);
  GameContext ctx(game.dir());
  ctx.OFFICER_MAX = 3;
  ctx.selectedOfficer = static_cast<int16>(size > 0 ? data[0] % 3 + 1 : 1);
  ScriptedUi ui;
  try {
    OfficerStatus status(ctx, ui);
    status.Form_Load();
    (void)status.comment();
  } catch (const DataError&) {
  }
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (const auto utf8 = Codec::toUtf8(bytes)) {
    CheckReport report;
    (void)CommentCheck::run(TextFile::splitLines(*utf8), report);
  }
  return 0;
}
