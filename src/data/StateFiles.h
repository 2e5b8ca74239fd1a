#pragma once
// Every read and write of the officer and faction state files ("\ini\busv.ini", "\ini\gunsv.ini").
#include <array>
#include <string>

#include "data/FactionTable.h"
#include "data/GamePaths.h"
#include "data/OfficerTable.h"

namespace velkaro {

class StateFiles {
 public:
  using OfficerColumn = std::array<int16, OfficerTable::kSlots>;
  using FactionColumn = std::array<int16, FactionTable::kSlots>;

  explicit StateFiles(const GamePaths& dir) : dir_(dir) {}

  // Whole tables; slot = id, slot 0 stays the placeholder. Reading stops after the record
  // of the maximum id. Throws DataError for a missing file or a record cut short.
  void loadOfficers(OfficerTable& table, int officerMax) const;
  void loadFactions(FactionTable& table, int factionMax) const;

  // One record by id. An officer that is not found is "何某"; a faction that is not found has
  // an empty name. The faction loader returns whether the faction is alive: only the exact
  // flag text "TRUE" means destroyed here.
  Bushou loadOfficer(int id, int officerMax) const;
  bool loadFaction(int id, int factionMax, gun& out) const;

  // Numeric item n (1..8) of every record with id >= 1, indexed by id.
  OfficerColumn loadOfficerColumn(int n, int officerMax) const;
  FactionColumn loadFactionColumn(int n, int factionMax) const;

  // Whole-file rewrites, ids 1..max; names are written bare.
  void saveOfficers(const OfficerTable& table, int officerMax) const;
  void saveFactions(const FactionTable& table, int factionMax) const;

  // Replaces the eight numbers of one faction record through the scratch copy "\ini\gunimg.ini";
  // every other record keeps its values.
  void saveFaction(const gun& faction) const;

  // The table loaders' rule for the destroyed flag: "FALSE" and "false" are alive.
  static bool flagMeansDestroyed(const std::string& flag) { return flag != "FALSE" && flag != "false"; }

 private:
  const GamePaths& dir_;
};

}  // namespace velkaro
