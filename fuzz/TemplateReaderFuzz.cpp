// Fuzzes the template reader: the input is "\ini\Text.ini", read for the sections the first bytes name.
#include <cstddef>
#include <cstdint>

#include "data/DataError.h"
#include "data/PageTable.h"
#include "data/TemplateReader.h"
#include "fuzz/FuzzDir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  const fuzz::FuzzDir& game = fuzz::fuzzDir();
  game.write("ini/Text.ini", data, size);
  const int number = size > 1 ? (data[0] | data[1] << 8) % 1000 : 1;
  try {
    PageTable pages(41);
    TemplateReader::appendSection(game.dir(), "\\ini\\Text.ini", number, "甲", "乙", pages);
    TemplateReader::appendSection(game.dir(), "\\ini\\Text.ini", 1 + number % 99, "", "", pages);
    (void)TemplateReader::singleText(game.dir(), "\\ini\\Text.ini", number % 100, "+", "*");
  } catch (const DataError&) {
  }
  return 0;
}
