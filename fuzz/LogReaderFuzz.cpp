// Fuzzes the log reader: the input is "\ini\velkaro.log", paged and browsed with every button.
#include <cstddef>
#include <cstdint>

#include "data/DataError.h"
#include "data/GameContext.h"
#include "fuzz/FuzzDir.h"
#include "persistence/LogReader.h"
#include "ui/scripted/ScriptedUi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  const fuzz::FuzzDir& game = fuzz::fuzzDir();
  game.write("ini/velkaro.log", data, size);
  GameContext ctx(game.dir());
  ScriptedUi ui;
  try {
    LogReader reader(ctx, ui);
    reader.Form_Load();
    for (int press : {3, 1, 2, 2, 1, 3}) {
      reader.Command1_Click(press);
      reader.VScroll1.value = reader.VScroll1.max;
      reader.VScroll1_Change();
    }
  } catch (const DataError&) {
  }
  return 0;
}
