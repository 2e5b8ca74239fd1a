#pragma once
// What every resolution and war routine works on while the resolution screen is open: the
// screen's own officer and faction tables, its message buffer and the game-wide values.
#include <array>
#include <string>

#include "data/FactionTable.h"
#include "data/GameContext.h"
#include "data/OfficerTable.h"
#include "board/MessageBuffer.h"

namespace velkaro {

class Board {
 public:
  explicit Board(GameContext& context) : ctx(context) {}
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  GameContext& ctx;
  OfficerTable officers;
  FactionTable factions;
  MessageBuffer pages;
  // Filled by Sch_chr_rtn.
  std::array<int16, OfficerTable::kSlots> memberList{};

  // The table bounds, kept inside the tables whatever the game values say.
  int officerMax() const;
  int factionMax() const;

  bool isOfficer(int id) const { return id >= 1 && id <= officerMax(); }
  bool isFaction(int id) const { return id >= 1 && id <= factionMax(); }

  // A faction of the table; any other id (0 included) gives a scratch "某国", so that a
  // routine aimed at no faction can never change the placeholder record.
  gun& faction(int id);
  // The faction the officer belongs to, the same way.
  gun& factionOf(int officerId) { return faction(officers[officerId].gunID); }

  // The cohesion value of the alliance slot the faction is listed in (panel 0 = independents);
  // for no faction a scratch value.
  int16& panelCohesion(int factionId);

  // Appends text entry ctx.textNumber of "\ini\Text.ini" with the two message parameters.
  void ld_Text_rtn();
  // A text step: set the parameters named, set the text number, append the entry. A parameter
  // that is not named keeps its value.
  void textStep(int number);
  void textStep(int number, const std::string& param1);
  void textStep(int number, const std::string& param1, const std::string& param2);
  void textStepParam2(int number, const std::string& param2);

  void append(const std::string& text) { pages.append(text); }
  void nextPage() { pages.nextPage(); }

  // Some player slot 0..15 holds the faction.
  bool isPlayer(int factionId) const { return inPlayerSlots(factionId, 15); }
  // Some player slot 0..lastSlot holds the faction.
  bool inPlayerSlots(int factionId, int lastSlot) const;

  // Lists the officers of the faction in id order in memberList; returns how many.
  int Sch_chr_rtn(int factionId);

  Random& rng() { return ctx.rng; }

 private:
  gun scratch_ = gun::placeholder();
  int16 scratchCohesion_ = 0;
};

}  // namespace velkaro
