#include "data/Membership.h"

#include "data/Jobs.h"

namespace velkaro {

void Membership::deriveGunIds(OfficerTable& officers, const FactionTable& factions, int officerMax, int factionMax) {
  for (int i = 1; i <= officerMax && i < OfficerTable::kSlots; ++i) {
    Bushou& officer = officers[i];
    officer.gunID = 0;
    for (int f = 1; f <= factionMax && f < FactionTable::kSlots; ++f) {
      if (factions[f].kunshuID == officer.kunID) officer.gunID = factions[f].id;
    }
  }
}

void Membership::computeGunshi(FactionTable& factions, const OfficerTable& officers, int officerMax, int factionMax) {
  for (int f = 1; f <= factionMax && f < FactionTable::kSlots; ++f) factions[f].gunshi = 1;
  for (int i = 1; i <= officerMax && i < OfficerTable::kSlots; ++i) {
    const Bushou& officer = officers[i];
    if (!Jobs::isSenior(officer.Job)) continue;
    for (int f = 1; f <= factionMax && f < FactionTable::kSlots; ++f) {
      gun& faction = factions[f];
      if (faction.kunshuID != officer.kunID) continue;
      const int value = officer.wisdom + officer.tactics - 10;
      if (value > faction.gunshi) faction.gunshi = sat16(value);
    }
  }
}

}  // namespace velkaro
