#pragma once
// Derived fields: which faction each officer belongs to (gunID) and each faction's staff value (gunshi).
#include "data/FactionTable.h"
#include "data/OfficerTable.h"

namespace velkaro {

class Membership {
 public:
  // gunID of officers 1..officerMax: the id of the faction whose ruler the officer serves
  // (the last match wins), 0 when none.
  static void deriveGunIds(OfficerTable& officers, const FactionTable& factions, int officerMax, int factionMax);

  // gunshi of factions 1..factionMax: the best wisdom + tactics - 10 of its officers with
  // Job 3 or more, never below 1.
  static void computeGunshi(FactionTable& factions, const OfficerTable& officers, int officerMax, int factionMax);
};

}  // namespace velkaro
