#include "support/ResolutionTable.h"

#include <regex>

#include "data/StateFiles.h"

namespace velkaro::test {

std::string ResolutionTable::templates() {
  std::string text;
  for (int n = 1; n <= 60; ++n) text += "." + std::to_string(n) + "\n〈" + std::to_string(n) + "〉\n+\n｜\n*\n.\n..\n";
  return text;
}

ResolutionTable::ResolutionTable(std::uint64_t seed) : ctx(game.dir()), msg(ctx, ui), board(msg.board()) {
  ctx.rng.fixSeed(seed);
  ctx.OFFICER_MAX = 170;
  ctx.FACTION_MAX = 13;
  ctx.resolutionYear = 190;
  // Panels hold nothing until a test offers lines, and only the factions a test sets up stand.
  for (auto& line : ctx.chosenLine) line = -1;
  for (int f = 1; f < FactionTable::kSlots; ++f) {
    board.factions[f].id = static_cast<int16>(f);
    board.factions[f].del = true;
  }
  game.writeText("ini/Text.ini", templates());
}

Bushou& ResolutionTable::officer(const OfficerRow& row) {
  Bushou& b = board.officers[row.id];
  b = Bushou();
  b.id = static_cast<int16>(row.id);
  b.name = row.name.empty() ? "将" + std::to_string(row.id) : row.name;
  b.kunID = static_cast<int16>(row.kunID);
  b.Job = static_cast<int16>(row.job);
  b.policy = static_cast<int16>(row.policy);
  b.fight = static_cast<int16>(row.fight);
  b.wisdom = static_cast<int16>(row.wisdom);
  b.tactics = static_cast<int16>(row.tactics);
  b.charm = static_cast<int16>(row.charm);
  b.Setu = static_cast<int16>(row.setu);
  b.jpg = "face";
  derive();
  return b;
}

gun& ResolutionTable::faction(const FactionRow& row) {
  gun& g = board.factions[row.id];
  g = gun();
  g.id = static_cast<int16>(row.id);
  g.name = row.name.empty() ? "国" + std::to_string(row.id) : row.name;
  g.kunshuID = static_cast<int16>(row.kunshu);
  g.meishuID = static_cast<int16>(row.meishu);
  g.army = static_cast<int16>(row.army);
  g.seihei = static_cast<int16>(row.seihei);
  g.meisei = static_cast<int16>(row.meisei);
  g.tian = static_cast<int16>(row.tian);
  g.kessoku = static_cast<int16>(row.kessoku);
  g.ifu = static_cast<int16>(row.ifu);
  g.del = false;
  ctx.factionPanel[static_cast<std::size_t>(row.id)] = static_cast<int16>(row.panel);
  derive();
  return g;
}

void ResolutionTable::offer(int panel, int line, int code, int param1, int param2, int param3) {
  const auto p = static_cast<std::size_t>(panel);
  const auto j = static_cast<std::size_t>(line);
  ctx.menuStrategy[p][j] = static_cast<int16>(code);
  ctx.param1[p][j] = static_cast<int16>(param1);
  ctx.param2[p][j] = static_cast<int16>(param2);
  ctx.param3[p][j] = static_cast<int16>(param3);
  if (ctx.menuLines[p] < line + 1) ctx.menuLines[p] = static_cast<int16>(line + 1);
}

void ResolutionTable::draws(const std::vector<std::pair<int, int>>& faces) {
  std::deque<double> values;
  for (const auto& [k, n] : faces) values.push_back((k + 0.5) / n);
  ctx.rng.queueDraws(values);
}

std::string ResolutionTable::narration() const {
  std::string text;
  const int last = board.pages.lastPage();
  for (int i = 0; i <= last; ++i) text += board.pages.page(i);
  return text;
}

std::vector<int> ResolutionTable::texts() const {
  std::vector<int> numbers;
  const std::string text = narration();
  static const std::regex tag("〈([0-9]+)〉");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), tag); it != std::sregex_iterator(); ++it) {
    numbers.push_back(std::stoi((*it)[1].str()));
  }
  return numbers;
}

std::string ResolutionTable::shown(int number, int occurrence) const {
  const std::string text = narration();
  const std::string tag = "〈" + std::to_string(number) + "〉";
  std::size_t at = 0;
  for (int k = 0; k <= occurrence; ++k) {
    at = text.find(tag, k == 0 ? 0 : at + tag.size());
    if (at == std::string::npos) return "(not shown)";
  }
  const std::size_t begin = at + tag.size();
  return text.substr(begin, text.find("\r\n", begin) - begin);
}

void ResolutionTable::writeState() {
  StateFiles files(ctx.dir);
  files.saveOfficers(board.officers, ctx.OFFICER_MAX);
  files.saveFactions(board.factions, ctx.FACTION_MAX);
}

}  // namespace velkaro::test
