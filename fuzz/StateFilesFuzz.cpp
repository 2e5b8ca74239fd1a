// Fuzzes the state-file loaders: the input is both the officer file and the faction file.
#include <cstddef>
#include <cstdint>

#include "data/DataError.h"
#include "data/StateFiles.h"
#include "fuzz/FuzzDir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velkaro;
  const fuzz::FuzzDir& game = fuzz::fuzzDir();
  game.write("ini/busv.ini", data, size);
  game.write("ini/gunsv.ini", data, size);
  const StateFiles files(game.dir());
  // The first byte picks the table sizes, so short files and every maximum are reached.
  const int officerMax = size > 0 ? data[0] % 201 : 170;
  const int factionMax = size > 0 ? data[0] % 21 : 13;
  try {
    OfficerTable officers;
    files.loadOfficers(officers, officerMax);
  } catch (const DataError&) {
  }
  try {
    FactionTable factions;
    files.loadFactions(factions, factionMax);
  } catch (const DataError&) {
  }
  try {
    (void)files.loadOfficer(officerMax, officerMax);
    gun one;
    (void)files.loadFaction(factionMax, factionMax, one);
    (void)files.loadOfficerColumn(1 + (size > 1 ? data[1] % 8 : 0), officerMax);
    (void)files.loadFactionColumn(1 + (size > 1 ? data[1] % 8 : 0), factionMax);
  } catch (const DataError&) {
  }
  try {
    gun faction;
    faction.id = static_cast<int16>(factionMax);
    faction.army = 12;
    files.saveFaction(faction);
  } catch (const DataError&) {
  }
  return 0;
}
