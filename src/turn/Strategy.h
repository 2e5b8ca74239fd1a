#pragma once
// The fourteen strategies (戦略) in their fixed order; the number is every list line's item data.
#include <array>
#include <string>

namespace velkaro {

enum StrategyCode : int {
  kTaiki = 0,         // 待機
  kJinzai = 1,        // 人材募集
  kHeiryoku = 2,      // 兵力確保
  kChouryaku = 3,     // 調略
  kKoukin = 4,        // 黄巾賊退治
  kIminzoku = 5,      // 異民族討伐
  kChoutei = 6,       // 調停
  kKyuudan = 7,       // 糾弾
  kDoumeiSanka = 8,   // 同盟参加
  kDattai = 9,        // 脱退
  kMeishuKoutai = 10, // 盟主交替
  kSensou = 11,       // 戦争
  kGisen = 12,        // 義戦
  kAnsatsu = 13,      // 暗殺
};

class Strategy {
 public:
  static constexpr int kCount = 14;
  // The strategy's name, or empty for a number outside 0..13.
  static std::string name(int code);
};

}  // namespace velkaro
