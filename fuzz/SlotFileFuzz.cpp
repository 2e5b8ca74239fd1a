// Fuzzes the slot-file reader: the input is "\save\save1.ini" as the load preview reads it.
#include <cstddef>
#include <cstdint>

#include "data/GameContext.h"
#include "fuzz/FuzzDir.h"
#include "persistence/SaveSlot.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  const fuzz::FuzzDir& game = fuzz::fuzzDir();
  game.write("save/save1.ini", data, size);
  const SaveSlot slot(game.dir(), "1");
  if (const auto contents = slot.readContents()) (void)contents->previewName();
  (void)slot.missingFiles();
  return 0;
}
