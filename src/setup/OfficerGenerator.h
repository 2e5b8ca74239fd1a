#pragma once
// Builds a new game's officer file: the scenario's master officers plus fictional officers
// with pooled names and job-shaped abilities, up to 170, scattered in the hypothetical scenarios.
#include <array>
#include <cstddef>
#include <string>

#include "data/GameContext.h"
#include "data/Numbers.h"

namespace velkaro {

class OfficerGenerator {
 public:
  static constexpr int kOfficers = 170;
  static constexpr int kSlots = 201;
  static constexpr int kFamilyNames = 170;  // read from "\ini\sei.ini"
  static constexpr int kFamilyDrawn = 166;  // only the first 166 are ever drawn
  static constexpr int kGivenNames = 150;   // read from "\ini\mei.ini"
  // Longest family or given name of the pools, so that the two together fit a stored name.
  static constexpr std::size_t kPoolNameLimit = 10;

  // The faction list of the title screen: its row count and the ruler at each row.
  OfficerGenerator(GameContext& context, int factionRows, const std::array<int16, 21>& rowToRuler);

  // mk_Name_rtn, mk_Abl_rtn, mk_Busv_rtn, then OFFICER_MAX = 170. Throws DataError (before
  // anything is written) when a pool or the master is missing or short.
  void ori_Chr_rtn();

  void mk_Name_rtn();
  void mk_Abl_rtn();
  void mk_Busv_rtn();

  // The work tables, slot = officer number.
  std::array<std::string, kSlots> name{};
  std::array<int16, kSlots> policy{}, fight{}, wisdom{}, tactics{}, charm{}, Setu{}, kunID{}, Job{}, commentID{};
  std::array<std::string, kSlots> jpg{};

 private:
  void readMaster();
  void reassign();
  void writeBusv() const;

  GameContext& ctx_;
  int factionRows_;
  std::array<int16, 21> rowToRuler_;
};

}  // namespace velkaro
