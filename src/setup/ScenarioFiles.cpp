#include "setup/ScenarioFiles.h"

#include "data/RecordSet.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "setup/Scenario.h"

namespace velkaro {

void ScenarioFiles::checkMasters(const GamePaths& dir, int scenario) {
  if (!Scenario::valid(scenario)) return;
  const Scenario& s = Scenario::byNumber(scenario);
  RecordSet::check(TextFile::read(dir, s.officerMaster), s.officerMaster, RecordSet::Kind::Officers, s.officerMax, false);
  RecordSet::check(TextFile::read(dir, s.factionMaster), s.factionMaster, RecordSet::Kind::Factions, s.factionMax, false);
  TextFile::read(dir, paths::kComment);
}

void ScenarioFiles::mk_Rinbusv(const GamePaths& dir, int scenario) {
  // The masters are read whole before the running game's files are replaced by them, so a
  // broken master leaves the game as it was.
  checkMasters(dir, scenario);
  if (Scenario::valid(scenario)) {
    TextFile::copy(dir, Scenario::byNumber(scenario).officerMaster, paths::kBusv, Durability::killSafe);
  }
  TextFile::copy(dir, paths::kComment, paths::kCmtsv, Durability::killSafe);
}

void ScenarioFiles::mk_Gunsv_rtn(const GamePaths& dir, int scenario) {
  if (!Scenario::valid(scenario)) return;
  TextFile::copy(dir, Scenario::byNumber(scenario).factionMaster, paths::kGunsv, Durability::killSafe);
}

void ScenarioFiles::initBushouFile(const GamePaths& dir, int scenario) {
  if (!Scenario::valid(scenario)) return;
  const Scenario& s = Scenario::byNumber(scenario);
  TextFile::copy(dir, s.officerBackup, s.officerMaster);
}

}  // namespace velkaro
