#include "tools/sim/BatchStats.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "turn/Strategy.h"

namespace velkaro::sim {
namespace {

std::string number(double v) {
  std::ostringstream out;
  out << std::setprecision(7) << v;
  return out.str();
}

const char* verdictName(int verdict) {
  switch (verdict) {
    case 1: return "attacker";
    case 2: return "defender";
    default: return "draw";
  }
}

}  // namespace

void BatchStats::add(const Summary& game) {
  ++games_;
  const FactionResult* best = nullptr;
  int alive = 0;
  for (const FactionResult& f : game.factions) {
    if (best == nullptr || f.score > best->score) best = &f;
    if (!f.destroyed) ++alive;
    Faction& tally = factions_[{f.id, f.name}];
    ++tally.games;
    tally.scoreSum += f.score;
  }
  if (best != nullptr) ++factions_[{best->id, best->name}].first;
  for (const auto& [id, year] : game.destroyed) {
    for (const FactionResult& f : game.factions) {
      if (f.id != id) continue;
      Faction& tally = factions_[{f.id, f.name}];
      ++tally.destroyed;
      tally.destroyedYearSum += year;
    }
  }
  alive_.push_back(alive);
  for (std::size_t code = 0; code < carriedOut_.size(); ++code) carriedOut_[code] += game.carriedOut[code];
  for (const auto& [key, count] : game.battles) battles_[key] += count;
}

double BatchStats::meanAlive() const {
  if (alive_.empty()) return 0;
  double sum = 0;
  for (int n : alive_) sum += n;
  return sum / static_cast<double>(alive_.size());
}

double BatchStats::medianAlive() const {
  if (alive_.empty()) return 0;
  std::vector<int> sorted = alive_;
  std::sort(sorted.begin(), sorted.end());
  const std::size_t mid = sorted.size() / 2;
  return sorted.size() % 2 == 1 ? sorted[mid] : (sorted[mid - 1] + sorted[mid]) / 2.0;
}

std::string BatchStats::json() const {
  std::ostringstream out;
  out << "{\"games\":" << games_ << ",\"failed\":" << failed_ << ",\"factions\":[";
  bool comma = false;
  for (const auto& [key, f] : factions_) {
    out << (comma ? "," : "") << "{\"id\":" << key.first << ",\"name\":" << Summary::jsonString(key.second)
        << ",\"games\":" << f.games << ",\"first\":" << f.first
        << ",\"mean_score\":" << number(f.games ? f.scoreSum / f.games : 0) << ",\"destroyed\":" << f.destroyed
        << ",\"mean_destroyed_year\":"
        << (f.destroyed ? number(static_cast<double>(f.destroyedYearSum) / f.destroyed) : "null") << "}";
    comma = true;
  }
  out << "],\"alive_mean\":" << number(meanAlive()) << ",\"alive_median\":" << number(medianAlive())
      << ",\"strategies\":[";
  comma = false;
  for (std::size_t code = 0; code < carriedOut_.size(); ++code) {
    if (carriedOut_[code] == 0) continue;
    out << (comma ? "," : "") << "{\"code\":" << code << ",\"name\":" << Summary::jsonString(Strategy::name(static_cast<int>(code)))
        << ",\"carried_out\":" << carriedOut_[code] << "}";
    comma = true;
  }
  out << "],\"wars\":[";
  comma = false;
  for (const auto& [key, count] : battles_) {
    out << (comma ? "," : "") << "{\"kind\":\"" << (key[0] ? "righteous" : "war") << "\",\"plan\":" << key[1]
        << ",\"verdict\":\"" << verdictName(key[2]) << "\",\"count\":" << count << "}";
    comma = true;
  }
  out << "]}";
  return out.str();
}

}  // namespace velkaro::sim
