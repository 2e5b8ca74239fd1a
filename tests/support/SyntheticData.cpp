#include "support/SyntheticData.h"

namespace velkaro::test {

std::string SyntheticData::officerMaster(int count, int factions, const std::string& tag) {
  std::string text;
  for (int id = 1; id <= count; ++id) {
    const int faction = (id - 1) / 10 + 1;
    const int ruler = (faction - 1) * 10 + 1;
    const bool isRuler = id == ruler && faction <= factions;
    const int kun = faction <= factions ? ruler : 0;
    // Only rulers hold the ruler's post (5); the others cycle through 1, 2, 3, 4, 6.
    const int job = isRuler ? 5 : (id % 6 == 4 ? 6 : (id % 6 == 5 ? 4 : id % 6 + 1));
    text += "." + std::to_string(id) + "\n";
    text += "\"" + tag + "武将" + std::to_string(id) + "\"\n";
    text += std::to_string(id % 10 + 1) + "," + std::to_string((id + 3) % 10 + 1) + "," +
            std::to_string((id + 5) % 10 + 1) + "," + std::to_string((id + 7) % 10 + 1) + "\n";
    text += std::to_string((id + 2) % 10 + 1) + "," + std::to_string((id + 4) % 10 + 1) + "\n";
    text += std::to_string(kun) + "," + std::to_string(job) + "\n";
    text += "\"face" + std::to_string(id) + "\"\n";
    text += std::to_string(id) + "\n";
  }
  return text;
}

std::string SyntheticData::factionMaster(int factions, const std::string& tag) {
  std::string text;
  for (int f = 1; f <= factions; ++f) {
    const int ruler = (f - 1) * 10 + 1;
    // Factions 1..3 lead alliances; 4..6 follow the first leader.
    const int meishu = f <= 3 ? ruler : (f <= 6 ? 1 : 0);
    text += "." + std::to_string(f) + "\n\"" + tag + "軍" + std::to_string(f) + "\"\n";
    text += std::to_string(meishu) + "," + std::to_string(ruler) + "," + std::to_string(20 + f * 3) + "," +
            std::to_string(2 + f) + ",50,60,70,40\n";
    text += f % 2 == 0 ? "\"false\"\n" : "\"FALSE\"\n";
  }
  return text;
}

std::string SyntheticData::pool(const std::string& stem, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += stem + std::to_string(i) + "\n";
  return text;
}

void SyntheticData::install(const TempGameDir& game) {
  const std::string b1 = officerMaster(155, 13, "甲");
  const std::string b2 = officerMaster(155, 12, "乙");
  const std::string b3 = officerMaster(160, 13, "丙");
  game.writeText("ini/Bushou1.ini", b1);
  game.writeText("ini/BUSHOU1_BK.ini", b1);
  game.writeText("ini/Bushou2.ini", b2);
  game.writeText("ini/BUSHOU2_BK.ini", b2);
  game.writeText("ini/Bushou.ini", b3);
  game.writeText("ini/BUSHOU_BK.ini", b3);
  game.writeText("ini/Gunbatu1.ini", factionMaster(13, "甲"));
  game.writeText("ini/Gunbatu2.ini", factionMaster(12, "乙"));
  game.writeText("ini/Gunbatu.ini", factionMaster(13, "丙"));
  std::string comments;
  for (int i = 1; i <= 160; ++i) comments += "." + std::to_string(i) + "\n武将" + std::to_string(i) + "\n評伝" + std::to_string(i) + "\n";
  game.writeText("ini/Comment.ini", comments);
  game.writeText("ini/sei.ini", pool("姓", 170));
  game.writeText("ini/mei.ini", pool("名", 150));
  std::string commands;
  for (int n = 1; n <= 26; ++n) {
    commands += "." + std::to_string(n) + "\n説明" + std::to_string(n) + "\n+\n*\n.\n..\n";
  }
  game.writeText("ini/Command.ini", commands);
  std::string texts;
  for (int n = 1; n <= 60; ++n) texts += "." + std::to_string(n) + "\n文" + std::to_string(n) + "\n+\n*\n.\n..\n";
  game.writeText("ini/Text.ini", texts);
}

}  // namespace velkaro::test
