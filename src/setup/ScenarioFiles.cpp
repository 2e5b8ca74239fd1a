#include "setup/ScenarioFiles.h"

#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "setup/Scenario.h"

namespace velkaro {

void ScenarioFiles::mk_Rinbusv(const GameDir& dir, int scenario) {
  if (Scenario::valid(scenario)) {
    TextFile::copy(dir, Scenario::byNumber(scenario).officerMaster, paths::kBusv, Durability::inPlace);
  }
  TextFile::copy(dir, paths::kComment, paths::kCmtsv, Durability::inPlace);
}

void ScenarioFiles::mk_Gunsv_rtn(const GameDir& dir, int scenario) {
  if (!Scenario::valid(scenario)) return;
  TextFile::copy(dir, Scenario::byNumber(scenario).factionMaster, paths::kGunsv, Durability::inPlace);
}

void ScenarioFiles::initBushouFile(const GameDir& dir, int scenario) {
  if (!Scenario::valid(scenario)) return;
  const Scenario& s = Scenario::byNumber(scenario);
  TextFile::copy(dir, s.officerBackup, s.officerMaster);
}

}  // namespace velkaro
