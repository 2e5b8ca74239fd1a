#pragma once
// Record texts for the state files, written by tests in the files' own layout (UTF-8, LF).
#include <string>

#include "data/Gun.h"

namespace velkaro::test {

struct OfficerRec {
  int id;
  std::string name;
  int policy = 5, fight = 5, wisdom = 5, tactics = 5, charm = 5, setu = 5;
  int kun = 0, job = 1;
  std::string jpg = "face";
  int comment = 0;
};

struct FactionRec {
  int id;
  std::string name;
  int meishu = 0, kunshu = 0, army = 0, seihei = 0, meisei = 0, tian = 0, kessoku = 0, ifu = 0;
  std::string flag = "FALSE";
};

// Quoted names and portraits, as the master files hold them.
inline std::string officerText(const OfficerRec& r) {
  auto n = [](int v) { return std::to_string(v); };
  return "." + n(r.id) + "\n\"" + r.name + "\"\n" + n(r.policy) + "," + n(r.fight) + "," + n(r.wisdom) + "," +
         n(r.tactics) + "\n" + n(r.charm) + "," + n(r.setu) + "\n" + n(r.kun) + "," + n(r.job) + "\n\"" + r.jpg +
         "\"\n" + n(r.comment) + "\n";
}

inline std::string factionText(const FactionRec& r) {
  auto n = [](int v) { return std::to_string(v); };
  return "." + n(r.id) + "\n\"" + r.name + "\"\n" + n(r.meishu) + "," + n(r.kunshu) + "," + n(r.army) + "," +
         n(r.seihei) + "," + n(r.meisei) + "," + n(r.tian) + "," + n(r.kessoku) + "," + n(r.ifu) + "\n\"" + r.flag +
         "\"\n";
}

// A faction record in memory with the fields the turn rules read.
inline gun faction(int id, int kunshu, int meishu, int army, int meisei = 50) {
  gun g;
  g.id = static_cast<int16>(id);
  g.name = "軍" + std::to_string(id);
  g.kunshuID = static_cast<int16>(kunshu);
  g.meishuID = static_cast<int16>(meishu);
  g.army = static_cast<int16>(army);
  g.meisei = static_cast<int16>(meisei);
  return g;
}

}  // namespace velkaro::test
