#include "tools/sim/GameRecord.h"

#include <sstream>

namespace velkaro::sim {

std::string GameRecord::write(const Summary& s) {
  std::ostringstream out;
  out.precision(17);
  out << "game " << s.scenario << ' ' << s.seed << ' ' << s.firstYear << ' ' << s.lastYear << ' ' << s.wars << ' '
      << s.righteousWars << ' ' << (s.ended ? 1 : 0) << '\n';
  for (const auto& [id, year] : s.destroyed) out << "destroyed " << id << ' ' << year << '\n';
  for (const FactionResult& f : s.factions) {
    out << "faction " << f.id << ' ' << f.score << ' ' << (f.destroyed ? 1 : 0) << ' ' << f.name << '\n';
  }
  out << "carried";
  for (int n : s.carriedOut) out << ' ' << n;
  out << '\n';
  for (const auto& [key, count] : s.battles) out << "battle " << key[0] << ' ' << key[1] << ' ' << key[2] << ' ' << count << '\n';
  out << "end\n";
  return out.str();
}

std::optional<Summary> GameRecord::read(const std::string& text) {
  Summary s;
  std::istringstream in(text);
  std::string line;
  bool header = false;
  bool carried = false;
  while (std::getline(in, line)) {
    std::istringstream items(line);
    std::string key;
    items >> key;
    if (key == "end") return header && carried ? std::optional<Summary>(s) : std::nullopt;
    bool ok = true;
    if (key == "game") {
      int ended = 0;
      ok = static_cast<bool>(items >> s.scenario >> s.seed >> s.firstYear >> s.lastYear >> s.wars >> s.righteousWars >> ended);
      s.ended = ended != 0;
      header = ok;
    } else if (key == "destroyed") {
      std::pair<int, int> d;
      ok = static_cast<bool>(items >> d.first >> d.second);
      s.destroyed.push_back(d);
    } else if (key == "faction") {
      FactionResult f;
      int destroyed = 0;
      ok = static_cast<bool>(items >> f.id >> f.score >> destroyed);
      f.destroyed = destroyed != 0;
      items.get();  // the blank before the name
      std::getline(items, f.name);
      s.factions.push_back(f);
    } else if (key == "carried") {
      for (int& n : s.carriedOut) ok = ok && static_cast<bool>(items >> n);
      carried = ok;
    } else if (key == "battle") {
      std::array<int, 3> battle{};
      int count = 0;
      ok = static_cast<bool>(items >> battle[0] >> battle[1] >> battle[2] >> count);
      s.battles[battle] += count;
    } else {
      ok = false;
    }
    if (!ok) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace velkaro::sim
