// Fuzzes the history record reader: the input is "\ini\suiisv.ini" as the charts read it and as
// the next year continues it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/DataError.h"
#include "data/HistoryRecord.h"
#include "fuzz/FuzzDir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  const fuzz::FuzzDir& game = fuzz::fuzzDir();
  game.write("ini/suiisv.ini", data, size);
  try {
    // What was read is written in a form that reads back to itself.
    const std::string written = HistoryRecord::text(HistoryRecord::read(game.dir()));
    if (HistoryRecord::text(HistoryRecord::parse(written, "suiisv")) != written) __builtin_trap();
  } catch (const DataError&) {
  }
  HistoryRecord::putYear(game.dir(), 250, {{250, 1, "甲", 1, 2, 3.5, true}}, false);
  return 0;
}
