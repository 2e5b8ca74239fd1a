#include "tools/sim/GameAudit.h"

#include <limits>
#include <map>
#include <set>

#include "data/DataError.h"
#include "data/Membership.h"
#include "data/StateFiles.h"

namespace velkaro::sim {
namespace {

constexpr int kAbilityMin = 1;
constexpr int kAbilityMax = 10;
constexpr int kJobMax = 6;
constexpr int kCommentMax = 999;
constexpr int kFictional = 200;
constexpr int kAlliances = 3;
constexpr int kAweMax = 102;

std::string officer(int id) { return "officer " + std::to_string(id); }
std::string faction(int id) { return "faction " + std::to_string(id); }

// A store that ran over 16 bits either wrapped or stuck at a bound; no game value lives there.
bool wrapped(int16 v) { return v == std::numeric_limits<int16>::max() || v == std::numeric_limits<int16>::min(); }

void range(const std::string& who, const char* field, int v, int low, int high, Findings& out) {
  if (v < low || v > high) {
    out.push_back("field out of range: " + who + " " + field + " = " + std::to_string(v) + " (" +
                  std::to_string(low) + ".." + std::to_string(high) + ")");
  }
}

void officerRecord(const Bushou& b, int id, const GameAudit::Sizes& sizes, Findings& out) {
  const std::string who = officer(id);
  if (b.id != id) out.push_back("record id: " + who + " holds id " + std::to_string(b.id));
  if (b.name.empty()) out.push_back("empty name: " + who);
  static constexpr const char* kAbilities[6] = {"policy", "fight", "wisdom", "tactics", "charm", "Setu"};
  for (int n = 1; n <= 6; ++n) range(who, kAbilities[n - 1], b.field(n), kAbilityMin, kAbilityMax, out);
  range(who, "kunID", b.kunID, 0, sizes.officerMax, out);
  range(who, "Job", b.Job, 0, kJobMax, out);
  range(who, "commentID", b.commentID, 0, kCommentMax, out);
  if (id > sizes.scenarioOfficers && b.commentID != kFictional) {
    out.push_back("fictional officer without comment 200: " + who + " commentID = " + std::to_string(b.commentID));
  }
  if (id <= sizes.scenarioOfficers && b.commentID == kFictional) {
    out.push_back("master officer with the fictional comment 200: " + who);
  }
}

void factionRecord(const gun& g, int id, const GameAudit::Sizes& sizes, Findings& out) {
  const std::string who = faction(id);
  if (g.id != id) out.push_back("record id: " + who + " holds id " + std::to_string(g.id));
  if (g.name.empty()) out.push_back("empty name: " + who);
  for (int n = 1; n <= 8; ++n) {
    if (wrapped(g.field(n))) out.push_back("wrapped 16-bit value: " + who + " field " + std::to_string(n) + " = " + std::to_string(g.field(n)));
  }
  range(who, "kunshuID", g.kunshuID, 1, sizes.officerMax, out);
  range(who, "meishuID", g.meishuID, 0, sizes.officerMax, out);
  range(who, "army", g.army, 0, std::numeric_limits<int16>::max() - 1, out);
  range(who, "seihei", g.seihei, 0, std::numeric_limits<int16>::max() - 1, out);
  // Order stays inside 0..100. Awe is capped at 100 except that a step of at most 3 taken
  // below 100 may pass it; fame and cohesion may leave their usual range by the rules.
  range(who, "tian", g.tian, 0, 100, out);
  range(who, "ifu", g.ifu, 0, kAweMax, out);
}

}  // namespace

void GameAudit::records(const OfficerTable& officers, const FactionTable& factions, const Sizes& sizes, Findings& out) {
  for (int i = 1; i <= sizes.officerMax; ++i) officerRecord(officers[i], i, sizes, out);
  for (int f = 1; f <= sizes.factionMax; ++f) factionRecord(factions[f], f, sizes, out);
}

void GameAudit::membership(const OfficerTable& officers, const FactionTable& factions, const Sizes& sizes,
                           Findings& out) {
  std::map<int, int> ruled;  // ruler id -> faction id
  for (int f = 1; f <= sizes.factionMax; ++f) {
    const gun& g = factions[f];
    auto [it, fresh] = ruled.emplace(g.kunshuID, f);
    if (!fresh) {
      out.push_back("two factions share a ruler: " + faction(it->second) + " and " + faction(f) + " are led by " +
                    officer(g.kunshuID));
    }
    if (g.del || g.kunshuID < 1 || g.kunshuID > sizes.officerMax) continue;
    const Bushou& ruler = officers[g.kunshuID];
    if (ruler.kunID != g.kunshuID) {
      out.push_back("ruler does not serve himself: " + faction(f) + " ruler " + officer(g.kunshuID) + " has kunID " +
                    std::to_string(ruler.kunID));
    }
  }
  for (int i = 1; i <= sizes.officerMax; ++i) {
    const Bushou& b = officers[i];
    const auto match = ruled.find(b.kunID);
    const int expected = match == ruled.end() ? 0 : match->second;
    if (b.gunID != expected) {
      out.push_back("gunID disagrees with kunID: " + officer(i) + " serves " + officer(b.kunID) + " but has gunID " +
                    std::to_string(b.gunID) + " (expected " + std::to_string(expected) + ")");
    }
    if (b.kunID != 0 && expected == 0) {
      out.push_back("officer serves nobody's ruler: " + officer(i) + " kunID " + std::to_string(b.kunID));
    }
  }
}

void GameAudit::alliances(const FactionTable& factions, const std::array<int16, kPanels>& meishu, int factionMax,
                          Findings& out) {
  std::map<int, int> leaders;  // leading ruler id -> faction id
  for (int f = 1; f <= factionMax; ++f) {
    const gun& g = factions[f];
    if (g.del && g.meishuID != 0) out.push_back("destroyed faction in an alliance: " + faction(f));
    if (!g.del && g.isAllianceLeader()) leaders[g.kunshuID] = f;
  }
  if (leaders.size() > kAlliances) {
    out.push_back("more than three alliances: " + std::to_string(leaders.size()) + " factions lead one");
  }
  for (int f = 1; f <= factionMax; ++f) {
    const gun& g = factions[f];
    if (g.del || g.meishuID == 0 || leaders.count(g.meishuID) != 0) continue;
    out.push_back("alliance without a standing leader: " + faction(f) + " follows " + officer(g.meishuID));
  }
  std::set<int> slotted;
  for (int k = 1; k < kPanels; ++k) {
    const int leader = meishu[static_cast<std::size_t>(k)];
    if (leader == 0) continue;
    if (!slotted.insert(leader).second) out.push_back("alliance slot twice: " + officer(leader));
    if (leaders.count(leader) == 0) {
      out.push_back("alliance slot " + std::to_string(k) + " holds " + officer(leader) + ", who leads no standing alliance");
    }
  }
  for (const auto& [leader, f] : leaders) {
    if (slotted.count(leader) == 0) out.push_back("alliance without a slot: led by " + faction(f));
  }
}

void GameAudit::panels(const std::array<std::vector<int>, kPanels>& listed, const FactionTable& factions,
                       int factionMax, Findings& out) {
  std::map<int, int> seen;
  for (int k = 0; k < kPanels; ++k) {
    for (int f : listed[static_cast<std::size_t>(k)]) {
      if (f < 1 || f > factionMax || factions[f].del) {
        out.push_back("destroyed faction in a panel: " + faction(f) + " in panel " + std::to_string(k));
      }
      if (++seen[f] == 2) out.push_back("faction in two panels: " + faction(f));
    }
  }
  for (int f = 1; f <= factionMax; ++f) {
    if (!factions[f].del && seen.count(f) == 0) out.push_back("standing faction in no panel: " + faction(f));
  }
}

void GameAudit::stateFiles(const GamePaths& dir, const OfficerTable& officers, const FactionTable& factions,
                           const Sizes& sizes, Findings& out) {
  const StateFiles files(dir);
  OfficerTable readOfficers;
  FactionTable readFactions;
  try {
    files.loadOfficers(readOfficers, sizes.officerMax);
    files.loadFactions(readFactions, sizes.factionMax);
  } catch (const DataError& e) {
    out.push_back(std::string("state file does not parse: ") + e.what());
    return;
  }
  for (int i = 1; i <= sizes.officerMax; ++i) {
    const Bushou& a = officers[i];
    const Bushou& b = readOfficers[i];
    bool same = a.id == b.id && a.name == b.name && a.jpg == b.jpg && a.commentID == b.commentID;
    for (int n = 1; n <= 8; ++n) same = same && a.field(n) == b.field(n);
    if (!same) out.push_back("officer file reads back different: " + officer(i) + " \"" + b.name + "\"");
  }
  for (int f = 1; f <= sizes.factionMax; ++f) {
    const gun& a = factions[f];
    const gun& b = readFactions[f];
    bool same = a.id == b.id && a.name == b.name && a.del == b.del;
    for (int n = 1; n <= 8; ++n) same = same && a.field(n) == b.field(n);
    if (!same) out.push_back("faction file reads back different: " + faction(f) + " \"" + b.name + "\"");
    // The main screen's single-record loader must agree with the table loader.
    gun single;
    const bool alive = files.loadFaction(f, sizes.factionMax, single);
    if (alive == b.del || single.name != b.name || single.kunshuID != b.kunshuID || single.army != b.army) {
      out.push_back("faction loaders disagree: " + faction(f));
    }
  }
  // One officer through the single-record loader and a column, as the information screens read them.
  const Bushou last = files.loadOfficer(sizes.officerMax, sizes.officerMax);
  if (last.name != readOfficers[sizes.officerMax].name) out.push_back("officer loaders disagree: " + officer(sizes.officerMax));
  const StateFiles::OfficerColumn kun = files.loadOfficerColumn(7, sizes.officerMax);
  for (int i = 1; i <= sizes.officerMax; ++i) {
    if (kun[static_cast<std::size_t>(i)] != readOfficers[i].kunID) {
      out.push_back("officer column 7 disagrees with the table: " + officer(i));
      break;
    }
  }
}

void GameAudit::state(const GamePaths& dir, const std::array<int16, kPanels>& meishu, const Sizes& sizes, Findings& out) {
  OfficerTable officers;
  FactionTable factions;
  try {
    const StateFiles files(dir);
    files.loadOfficers(officers, sizes.officerMax);
    files.loadFactions(factions, sizes.factionMax);
  } catch (const DataError& e) {
    out.push_back(std::string("state file does not parse: ") + e.what());
    return;
  }
  Membership::deriveGunIds(officers, factions, sizes.officerMax, sizes.factionMax);
  records(officers, factions, sizes, out);
  membership(officers, factions, sizes, out);
  alliances(factions, meishu, sizes.factionMax, out);
}

}  // namespace velkaro::sim
