#pragma once
// The posts (Job codes) of officers and the labels every screen shows for them.
#include <string>

namespace velkaro {

enum Job : int {
  kNoJob = 0,
  kBunkan = 1,   // 文官
  kBukan = 2,    // 武官
  kSanbou = 3,   // 参謀
  kShougun = 4,  // 将軍
  kKunshu = 5,   // 君主
  kGunshi = 6,   // 軍師
};

class Jobs {
 public:
  static std::string label(int job);
  // Posts 3 and above count for the faction's staff value.
  static bool isSenior(int job) { return job >= kSanbou; }
};

// Ability and faction value labels shared by the screens.
struct Labels {
  static constexpr const char* policy = "政治";
  static constexpr const char* fight = "武勇";
  static constexpr const char* wisdom = "智謀";
  static constexpr const char* tactics = "采配";
  static constexpr const char* charm = "器量";
  static constexpr const char* setu = "節度";
  static constexpr const char* totalTroops = "総兵力";
  static constexpr const char* seihei = "精兵数";
  static constexpr const char* meisei = "名声";
  static constexpr const char* tian = "治安";
  static constexpr const char* kessoku = "結束力";
  static constexpr const char* ifu = "畏怖";
};

}  // namespace velkaro
