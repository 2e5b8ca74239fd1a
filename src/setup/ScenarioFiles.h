#pragma once
// The whole-file copies that turn a scenario's master files into the game-state files.
#include "data/GamePaths.h"

namespace velkaro {

class ScenarioFiles {
 public:
  // mk_Rinbusv: the officer master over "\ini\busv.ini" (scenarios 1..6 only), then
  // "\ini\Comment.ini" over "\ini\Cmtsv.ini" (always).
  // Throws DataError before anything is copied when a master is not whole (checkMasters).
  static void mk_Rinbusv(const GamePaths& dir, int scenario);
  // Reads the scenario's officer and faction masters and the comment master whole: every
  // record there and complete, names of sane length. Throws DataError naming the file.
  static void checkMasters(const GamePaths& dir, int scenario);
  // mk_Gunsv_rtn: the faction master over "\ini\Gunsv.ini" (scenarios 1..6 only).
  static void mk_Gunsv_rtn(const GamePaths& dir, int scenario);
  // initBushouFile: the untouched backup over the scenario's officer master.
  static void initBushouFile(const GamePaths& dir, int scenario);
};

}  // namespace velkaro
