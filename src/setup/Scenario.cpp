#include "setup/Scenario.h"

#include <array>

namespace velkaro {
namespace {

constexpr const char* kBushou1 = "\\ini\\Bushou1.ini";
constexpr const char* kBushou2 = "\\ini\\Bushou2.ini";
constexpr const char* kBushou3 = "\\ini\\Bushou.ini";
constexpr const char* kBackup1 = "\\ini\\BUSHOU1_BK.ini";
constexpr const char* kBackup2 = "\\ini\\BUSHOU2_BK.ini";
constexpr const char* kBackup3 = "\\ini\\BUSHOU_BK.ini";
constexpr const char* kGunbatu1 = "\\ini\\Gunbatu1.ini";
constexpr const char* kGunbatu2 = "\\ini\\Gunbatu2.ini";
constexpr const char* kGunbatu3 = "\\ini\\Gunbatu.ini";

const std::array<Scenario, Scenario::kCount> kScenarios = {{
    {1, "シナリオ１・董卓打倒", kBushou1, kBackup1, kGunbatu1, 13, 155, 21, false, 189, 216},
    {2, "シナリオ２・群雄割拠", kBushou2, kBackup2, kGunbatu2, 12, 155, 22, false, 195, 221},
    {3, "シナリオ３・諸星集夢", kBushou3, kBackup3, kGunbatu3, 13, 160, 23, false, 200, 226},
    {4, "シナリオ４・董卓打倒（仮想）", kBushou1, kBackup1, kGunbatu1, 13, 155, 24, true, 189, 216},
    {5, "シナリオ５・群雄割拠（仮想）", kBushou2, kBackup2, kGunbatu2, 12, 155, 25, true, 195, 221},
    {6, "シナリオ６・諸星集夢（仮想）", kBushou3, kBackup3, kGunbatu3, 13, 160, 26, true, 200, 226},
}};

}  // namespace

const Scenario& Scenario::byNumber(int number) {
  return valid(number) ? kScenarios[static_cast<std::size_t>(number - 1)] : kScenarios[0];
}

}  // namespace velkaro
