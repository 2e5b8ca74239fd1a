#include "setup/OfficerGenerator.h"

#include <cmath>
#include <vector>

#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/RecordSet.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "setup/Scenario.h"

namespace velkaro {
namespace {

// A job-shaped ability: Int(r1 × a) + Int(r2 × b) + k, or 3d4 + 1 when a is 0.
struct Term {
  int a;
  int b;
  int k;
};
constexpr Term k3d4{0, 0, 0};
constexpr Term kLow{5, 5, 1};

// Rows: jobs 1..6; columns: policy, fight, wisdom, tactics, charm.
constexpr Term kAbilities[6][5] = {
    {{2, 4, 6}, kLow, kLow, kLow, kLow},                           // 文官
    {kLow, {2, 4, 6}, kLow, kLow, kLow},                           // 武官
    {{4, 4, 4}, kLow, {4, 4, 4}, kLow, kLow},                      // 参謀
    {k3d4, k3d4, k3d4, {2, 4, 6}, {5, 6, 1}},                      // 将軍
    {k3d4, k3d4, k3d4, k3d4, k3d4},                                // 君主
    {{3, 4, 5}, {4, 4, 1}, {3, 4, 5}, {3, 4, 5}, {5, 6, 1}},       // 軍師
};

int part(Random& rng, int n) { return static_cast<int>(std::floor(rng.rnd() * n)); }

int16 draw(Random& rng, const Term& t) {
  if (t.a == 0) {
    const int r1 = part(rng, 4);
    const int r2 = part(rng, 4);
    const int r3 = part(rng, 4);
    return static_cast<int16>(r1 + r3 + r2 + 1);
  }
  const int r1 = part(rng, t.a);
  const int r2 = part(rng, t.b);
  return static_cast<int16>(r1 + r2 + t.k);
}

int16 jobFor(int k) {
  if (k <= 2) return 1;
  if (k == 3) return 2;
  if (k == 4) return 3;
  if (k <= 7) return 4;
  if (k <= 9) return 5;
  return 6;
}

std::vector<std::string> readPool(const GamePaths& dir, const char* file, int count) {
  ItemReader reader(TextFile::read(dir, file));
  std::vector<std::string> pool(1);  // slot k = item k
  while (static_cast<int>(pool.size()) <= count) {
    std::string item = reader.readItem();
    if (!reader.lastItemRead()) {
      throw DataError(file, "ファイル「" + std::string(file) + "」の名前が足りません（" + std::to_string(count) +
                                "個必要なところ、" + std::to_string(pool.size() - 1) + "個しかありません）。");
    }
    if (RecordSet::characters(item) > OfficerGenerator::kPoolNameLimit) {
      throw DataError::malformed(file, std::to_string(pool.size()) + "番目の名前" + DataError::quoted(item) +
                                           "が長すぎます（" + std::to_string(OfficerGenerator::kPoolNameLimit) +
                                           "文字まで）");
    }
    pool.push_back(std::move(item));
  }
  return pool;
}

}  // namespace

OfficerGenerator::OfficerGenerator(GameContext& context, int factionRows, const std::array<int16, 21>& rowToRuler)
    : ctx_(context), factionRows_(factionRows), rowToRuler_(rowToRuler) {}

void OfficerGenerator::ori_Chr_rtn() {
  mk_Name_rtn();
  mk_Abl_rtn();
  mk_Busv_rtn();
  ctx_.OFFICER_MAX = kOfficers;
}

void OfficerGenerator::mk_Name_rtn() {
  const auto family = readPool(ctx_.dir, paths::kSei, kFamilyNames);
  const auto given = readPool(ctx_.dir, paths::kMei, kGivenNames);
  ctx_.rng.reseedFromClock();
  for (int i = 1; i <= kOfficers; ++i) {
    const int s = ctx_.rng.d(kFamilyDrawn) + 1;
    const int m = ctx_.rng.d(kGivenNames) + 1;
    name[static_cast<std::size_t>(i)] = family[static_cast<std::size_t>(s)] + given[static_cast<std::size_t>(m)];
  }
}

void OfficerGenerator::mk_Abl_rtn() {
  ctx_.rng.reseedFromClock();
  for (std::size_t i = 1; i <= static_cast<std::size_t>(kOfficers); ++i) {
    const int16 job = jobFor(ctx_.rng.d(10) + 1);
    const Term* terms = kAbilities[job - 1];
    Job[i] = job;
    policy[i] = draw(ctx_.rng, terms[0]);
    fight[i] = draw(ctx_.rng, terms[1]);
    wisdom[i] = draw(ctx_.rng, terms[2]);
    tactics[i] = draw(ctx_.rng, terms[3]);
    charm[i] = draw(ctx_.rng, terms[4]);
    Setu[i] = draw(ctx_.rng, k3d4);
    kunID[i] = 0;
    commentID[i] = 200;
    jpg[i].clear();
  }
}

void OfficerGenerator::mk_Busv_rtn() {
  readMaster();
  if (Scenario::byNumber(ctx_.scenario).reassigned && Scenario::valid(ctx_.scenario)) reassign();
  writeBusv();
}

void OfficerGenerator::readMaster() {
  const char* file = Scenario::byNumber(ctx_.scenario).officerMaster;
  ItemReader reader(TextFile::read(ctx_.dir, file));
  while (!reader.eof()) {
    const std::string line = reader.readLine();
    if (!ItemReader::isHeader(line)) continue;
    const int n = ItemReader::headerId(line);
    if (n <= 0 || n >= kSlots) continue;
    auto text = [&]() {
      std::string item = reader.readItem();
      if (!reader.lastItemRead()) throw DataError::malformed(file, "記録 ." + std::to_string(n) + " が途中で終わっています");
      return item;
    };
    auto number = [&]() {
      const std::string item = text();
      double value = 0;
      if (!parseNumber(item, value)) {
        throw DataError::malformed(file, "記録 ." + std::to_string(n) + " の" + DataError::quoted(item) + "は数値ではありません");
      }
      return cint(value);
    };
    const auto i = static_cast<std::size_t>(n);
    name[i] = text();
    policy[i] = number();
    fight[i] = number();
    wisdom[i] = number();
    tactics[i] = number();
    charm[i] = number();
    Setu[i] = number();
    kunID[i] = number();
    Job[i] = number();
    jpg[i] = text();
    commentID[i] = number();
    if (n >= ctx_.OFFICER_MAX) break;
  }
}

void OfficerGenerator::reassign() {
  ctx_.rng.reseedFromClock();
  for (int i = 1; i <= kOfficers; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (kunID[slot] == i) continue;
    const int q = ctx_.rng.d(40) + 1;
    kunID[slot] = q <= factionRows_ ? rowToRuler_[static_cast<std::size_t>(q - 1)] : int16{0};
  }
}

void OfficerGenerator::writeBusv() const {
  ItemWriter w;
  for (std::size_t i = 1; i <= static_cast<std::size_t>(kOfficers); ++i) {
    w.print("." + std::to_string(i));
    w.text(name[i]).endLine();
    w.number(policy[i]).number(fight[i]).number(wisdom[i]).number(tactics[i]).endLine();
    w.number(charm[i]).number(Setu[i]).endLine();
    w.number(kunID[i]).number(Job[i]).endLine();
    w.text(jpg[i]).endLine();
    w.number(commentID[i]).endLine();
  }
  TextFile::write(ctx_.dir, paths::kBusv, w.str(), Durability::killSafe);
}

}  // namespace velkaro
