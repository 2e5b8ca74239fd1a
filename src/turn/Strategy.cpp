#include "turn/Strategy.h"

namespace velkaro {

std::string Strategy::name(int code) {
  static const std::array<const char*, kCount> kNames = {
      "待機", "人材募集", "兵力確保", "調略", "黄巾賊退治", "異民族討伐", "調停",
      "糾弾", "同盟参加", "脱退", "盟主交替", "戦争", "義戦", "暗殺"};
  return code >= 0 && code < kCount ? kNames[static_cast<std::size_t>(code)] : std::string();
}

}  // namespace velkaro
