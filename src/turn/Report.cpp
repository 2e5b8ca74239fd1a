#include "turn/Report.h"

#include <cmath>

#include "data/StateFiles.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"

namespace velkaro {

float Report::mobilisable(const gun& g) {
  return static_cast<float>(g.army) * static_cast<float>(g.tian + 50) / 150.0f;
}

int Report::slotOf(const gun& g) const {
  if (!g.isAllianceLeader()) return 0;
  for (int k = 1; k < kPanels; ++k) {
    if (ctx_.meishu[static_cast<std::size_t>(k)] == g.meishuID) return k;
  }
  return 0;
}

float Report::alliancePart(const gun& g) const {
  const int k = slotOf(g);
  if (k == 0) return 0.0f;
  const auto slot = static_cast<std::size_t>(k);
  return static_cast<float>(troops_[slot]) * static_cast<float>(ctx_.meishuKessoku[slot]) / 100.0f;
}

float Report::score(const gun& g) const {
  if (g.del) return 0.0f;
  return mobilisable(g) + 2.0f * static_cast<float>(g.meisei) + alliancePart(g);
}

double Report::comma3(double x) { return static_cast<double>(intFloor(x * 1000)) / 1000.0; }

int16 Report::Houkoku_rtn(std::string& text) {
  StateFiles files(ctx_.dir);
  long long total = 0;
  for (int f = 1; f <= ctx_.FACTION_MAX; ++f) {
    gun g;
    const bool alive = files.loadFaction(f, ctx_.FACTION_MAX, g);
    if (alive) {
      const float s = score(g);
      text += g.name + " " + realStr(s) + kCrLf;
      total += std::llround(std::nearbyint(static_cast<double>(s)));
    } else {
      text += g.name + " 滅亡" + numStr(0) + kCrLf;
    }
  }
  text += kCrLf;
  int players = 0;
  for (int slot = 0; slot <= 15; ++slot) {
    const int id = ctx_.playerFaction[static_cast<std::size_t>(slot)];
    if (id < 1) continue;
    ++players;
    gun g;
    const bool alive = files.loadFaction(id, ctx_.FACTION_MAX, g);
    text += kCrLf;
    text += g.name + "（プレイヤー）" + kCrLf;
    if (!alive) {
      text += std::string("滅亡：0") + kCrLf + kCrLf;
      continue;
    }
    const float s = score(g);
    text += "動員可能な兵力：" + realStr(mobilisable(g)) + "000（1000で割ります）" + kCrLf;
    text += "名声：" + numStr(g.meisei) + "（２を掛けます）" + kCrLf;
    if (g.isAllianceLeader()) {
      text += std::string("盟主である") + kCrLf + "同盟の期待できる兵力：" + realStr(alliancePart(g)) + kCrLf;
    } else {
      text += std::string("盟主でない") + kCrLf;
    }
    text += "最終成績：" + realStr(s) + kCrLf;
    // With every faction at zero there is nothing to share: the rate is 0.
    const double rate = total != 0 ? comma3(static_cast<double>(s) / static_cast<double>(total)) : 0.0;
    text += "制覇率：" + realStr(rate) + kCrLf + "（自軍スコア／全軍閥のスコア）" + kCrLf;
  }
  text += kCrLf;
  text += "＊「save」フォルダ内にログファイル「velkaro_end.log」を作成しました。";
  TextFile::copy(ctx_.dir, paths::kLog, paths::kEndLog);
  return sat16(4800 + 1080 * players);
}

void Report::Limit_rtn(GameContext& ctx) {
  for (auto& cohesion : ctx.meishuKessoku) {
    if (cohesion > 100) cohesion = 100;
    if (cohesion < 0) cohesion = 0;
  }
}

void Report::mkFristLog(const GameContext& ctx) {
  TextFile::write(ctx.dir, paths::kLog, std::string("Velkaroの記録") + kCrLf, Durability::killSafe);
}

}  // namespace velkaro
