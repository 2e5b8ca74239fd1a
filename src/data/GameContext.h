#pragma once
// The game-wide values shared by every screen; one instance is passed to each of them.
#include <array>
#include <string>

#include "data/GamePaths.h"
#include "data/Numbers.h"
#include "data/Random.h"

namespace velkaro {

inline constexpr int kPlayerSlots = 21;
inline constexpr int kFactionSlots = 21;  // faction ids 0..20, as the faction table
inline constexpr int kPanels = 4;       // 0 = independents, 1..3 = alliance slots
inline constexpr int kMenuLines = 4;    // lines of a panel's strategy menu
inline constexpr int kSlotEntries = 8;  // entries of the save-slot record

struct GameContext {
  explicit GameContext(GamePaths gameDir) : dir(std::move(gameDir)) {}

  GamePaths dir;
  Random rng;

  int16 scenario = 1;
  int16 FACTION_MAX = 13;
  int16 OFFICER_MAX = 155;

  // Human player slots, in the order of the title screen's faction list.
  std::array<int16, kPlayerSlots> playerFaction{};
  std::array<int16, kPlayerSlots> playerRuler{};
  std::array<std::string, kPlayerSlots> playerName{};
  std::array<int16, kPlayerSlots> playerAlliance{};  // the player's meishuID, refreshed on every redraw

  // Alliance slots 1..3: the leading ruler and the alliance cohesion.
  std::array<int16, kPanels> meishu{};
  std::array<int16, kPanels> meishuKessoku{};

  // Per faction id: the chosen line of its panel's menu and the panel it is listed in.
  std::array<int16, kFactionSlots> chosenLine{};
  std::array<int16, kFactionSlots> factionPanel{};

  // The strategy menus dealt by the main screen: the strategy number of each line (the item
  // data of its Com_Lst line) and the number of lines, per panel.
  std::array<std::array<int16, kMenuLines>, kPanels> menuStrategy{};
  std::array<int16, kPanels> menuLines{};

  // Strategy offers: target, amount and difficulty per [panel][line].
  std::array<std::array<int16, kMenuLines>, kPanels> param1{};
  std::array<std::array<int16, kMenuLines>, kPanels> param2{};
  std::array<std::array<int16, kMenuLines>, kPanels> param3{};

  int16 runMode = 0;         // resolution screen: 1 carry out the year, 2 year end, 3 report, 0 credits
  int16 resolutionYear = 0;  // the year handed to the resolution screen

  std::string sharedText;  // handed to the next screen opened
  std::string sharedName;

  // The template reader's inputs.
  int16 textNumber = 0;
  std::string msgParam1;
  std::string msgParam2;

  int16 selectedFaction = 0;
  int16 selectedOfficer = 0;

  int16 newOrLoaded = 0;    // 2 = a saved game was just loaded; also the mode of SaveLoadScreen and StrategyExplanation
  int16 confirmResult = 0;  // the shared answer of SaveLoadScreen and the explanation screen
  bool saved = false;

  std::array<int16, kSlotEntries> slotRecord{};
};

}  // namespace velkaro
