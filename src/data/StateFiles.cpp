#include "data/StateFiles.h"

#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

// Reads one record's items after its header; throws when the file ends inside it.
class RecordItems {
 public:
  RecordItems(ItemReader& reader, const char* file, int id) : reader_(reader), file_(file), id_(id) {}

  std::string text() {
    std::string item = reader_.readItem();
    if (!reader_.lastItemRead()) throw DataError::malformed(file_, "記録 ." + std::to_string(id_) + " が途中で終わっています");
    return item;
  }

  int16 number() {
    const std::string item = text();
    double value = 0;
    if (!parseNumber(item, value)) {
      throw DataError::malformed(file_, "記録 ." + std::to_string(id_) + " の" + DataError::quoted(item) + "は数値ではありません");
    }
    return cint(value);
  }

 private:
  ItemReader& reader_;
  const char* file_;
  int id_;
};

void readOfficer(RecordItems& items, Bushou& b) {
  b.name = items.text();
  for (int n = 1; n <= 8; ++n) b.field(n) = items.number();
  b.jpg = items.text();
  b.commentID = items.number();
}

void readFaction(RecordItems& items, gun& g, std::string& flag) {
  g.name = items.text();
  for (int n = 1; n <= 8; ++n) g.field(n) = items.number();
  flag = items.text();
}

// Calls visit(id, items) for every record with 1 <= id <= maxId that fits a table of `slots`,
// in file order, stopping after the record of id >= maxId.
template <typename Visit>
void scanRecords(const GamePaths& dir, const char* file, int maxId, int slots, Visit visit) {
  ItemReader reader(TextFile::read(dir, file));
  while (!reader.eof()) {
    const std::string item = reader.readItem();
    if (!ItemReader::isHeader(item)) continue;
    const int id = ItemReader::headerId(item);
    if (id < 1 || id >= slots) continue;
    RecordItems items(reader, file, id);
    if (!visit(id, items)) return;
    if (id >= maxId) return;
  }
}

// Names go bare, but one that is empty or only blanks would be skipped by the item reader
// and shift the record, so it is quoted.
void writeName(ItemWriter& w, const std::string& name) {
  if (name.find_first_not_of(" \t") == std::string::npos) {
    w.text(name).endLine();
  } else {
    w.print(name);
  }
}

void writeOfficer(ItemWriter& w, const Bushou& b, int id) {
  w.print("." + std::to_string(id));
  writeName(w, b.name);
  w.number(b.policy).number(b.fight).number(b.wisdom).number(b.tactics).endLine();
  w.number(b.charm).number(b.Setu).endLine();
  w.number(b.kunID).number(b.Job).endLine();
  w.text(b.jpg).endLine();
  w.number(b.commentID).endLine();
}

}  // namespace

void StateFiles::loadOfficers(OfficerTable& table, int officerMax) const {
  scanRecords(dir_, paths::kBusv, officerMax, OfficerTable::kSlots, [&](int id, RecordItems& items) {
    Bushou& b = table[id];
    readOfficer(items, b);
    b.id = static_cast<int16>(id);
    return true;
  });
}

void StateFiles::loadFactions(FactionTable& table, int factionMax) const {
  scanRecords(dir_, paths::kGunsv, factionMax, FactionTable::kSlots, [&](int id, RecordItems& items) {
    gun& g = table[id];
    std::string flag;
    readFaction(items, g, flag);
    g.id = static_cast<int16>(id);
    g.del = flagMeansDestroyed(flag);
    return true;
  });
}

Bushou StateFiles::loadOfficer(int id, int officerMax) const {
  Bushou found;
  scanRecords(dir_, paths::kBusv, officerMax, OfficerTable::kSlots, [&](int recordId, RecordItems& items) {
    Bushou b;
    readOfficer(items, b);
    if (recordId != id) return true;
    b.id = static_cast<int16>(id);
    found = b;
    return false;
  });
  return found;
}

bool StateFiles::loadFaction(int id, int factionMax, gun& out) const {
  gun found;
  bool alive = true;
  scanRecords(dir_, paths::kGunsv, factionMax, FactionTable::kSlots, [&](int recordId, RecordItems& items) {
    gun g;
    std::string flag;
    readFaction(items, g, flag);
    if (recordId != id) return true;
    g.id = static_cast<int16>(id);
    alive = flag != "TRUE";
    g.del = !alive;
    found = g;
    return false;
  });
  out = found;
  return alive;
}

StateFiles::OfficerColumn StateFiles::loadOfficerColumn(int n, int officerMax) const {
  OfficerColumn column{};
  scanRecords(dir_, paths::kBusv, officerMax, OfficerTable::kSlots, [&](int id, RecordItems& items) {
    Bushou b;
    readOfficer(items, b);
    column[static_cast<std::size_t>(id)] = b.field(n);
    return true;
  });
  return column;
}

StateFiles::FactionColumn StateFiles::loadFactionColumn(int n, int factionMax) const {
  FactionColumn column{};
  scanRecords(dir_, paths::kGunsv, factionMax, FactionTable::kSlots, [&](int id, RecordItems& items) {
    gun g;
    std::string flag;
    readFaction(items, g, flag);
    column[static_cast<std::size_t>(id)] = g.field(n);
    return true;
  });
  return column;
}

void StateFiles::saveOfficers(const OfficerTable& table, int officerMax) const {
  ItemWriter w;
  for (int id = 1; id <= officerMax && id < OfficerTable::kSlots; ++id) writeOfficer(w, table[id], id);
  TextFile::write(dir_, paths::kBusv, w.str(), Durability::killSafe);
}

void StateFiles::saveFactions(const FactionTable& table, int factionMax) const {
  ItemWriter w;
  for (int id = 1; id <= factionMax && id < FactionTable::kSlots; ++id) {
    const gun& g = table[id];
    w.print("." + std::to_string(id));
    writeName(w, g.name);
    for (int n = 1; n <= 8; ++n) w.number(g.field(n));
    w.endLine();
    w.text(g.del ? "TRUE" : "FALSE").endLine();
  }
  TextFile::write(dir_, paths::kGunsv, w.str(), Durability::killSafe);
}

void StateFiles::saveFaction(const gun& faction) const {
  TextFile::copy(dir_, paths::kGunsv, paths::kGunimg, Durability::killSafe);
  ItemReader reader(TextFile::read(dir_, paths::kGunimg));
  ItemWriter w;
  while (!reader.eof()) {
    const std::string line = reader.readLine();
    if (!ItemReader::isHeader(line)) continue;
    const int id = ItemReader::headerId(line);
    RecordItems items(reader, paths::kGunimg, id);
    gun g;
    std::string flag;
    readFaction(items, g, flag);
    if (id == faction.id) {
      for (int n = 1; n <= 8; ++n) g.field(n) = faction.field(n);
    }
    w.print(line);
    w.text(g.name).endLine();
    for (int n = 1; n <= 8; ++n) w.number(g.field(n));
    w.endLine();
    w.text(flag).endLine();
  }
  TextFile::write(dir_, paths::kGunsv, w.str(), Durability::killSafe);
}

}  // namespace velkaro
