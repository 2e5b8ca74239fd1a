#include "data/StateFiles.h"

#include <memory>
#include <optional>
#include <vector>

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
    // Nearly every item is a plain whole number; it needs no trimming and no real arithmetic,
    // and comes out as the general reading below gives it.
    std::size_t at = !item.empty() && item[0] == '-' ? 1 : 0;
    if (item.size() > at && item.size() - at <= 9) {
      long long whole = 0;
      for (; at < item.size() && item[at] >= '0' && item[at] <= '9'; ++at) whole = whole * 10 + (item[at] - '0');
      if (at == item.size()) return sat16(item[0] == '-' ? -whole : whole);
    }
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

struct FactionRecord {
  gun g;
  std::string flag;
};

// A state file's records as its items read, in file order; records numbered outside the table
// are passed over. Reading stops at the first record that is cut short or holds a bad number,
// and that problem is kept to be raised only when a caller reads that far.
template <typename Record>
struct RecordList {
  struct Entry {
    int id;
    Record record;
  };
  std::vector<Entry> entries;
  std::optional<DataError> problem;
};

template <typename Record, typename Read>
std::shared_ptr<const RecordList<Record>> parseRecords(const std::string& text, const char* file, int slots, Read read) {
  auto list = std::make_shared<RecordList<Record>>();
  ItemReader reader(text);
  try {
    while (!reader.eof()) {
      const std::string item = reader.readItem();
      if (!ItemReader::isHeader(item)) continue;
      const int id = ItemReader::headerId(item);
      if (id < 1 || id >= slots) continue;
      RecordItems items(reader, file, id);
      Record record;
      read(items, record);
      list->entries.push_back({id, std::move(record)});
    }
  } catch (const DataError& problem) {
    list->problem = problem;
  }
  return list;
}

constexpr char kOfficerRecords = 'o';
constexpr char kFactionRecords = 'f';

std::shared_ptr<const RecordList<Bushou>> officerRecords(const GamePaths& dir) {
  return TextFile::parsed<RecordList<Bushou>>(dir, paths::kBusv, &kOfficerRecords, [](const std::string& text) {
    return parseRecords<Bushou>(text, paths::kBusv, OfficerTable::kSlots, readOfficer);
  });
}

std::shared_ptr<const RecordList<FactionRecord>> factionRecords(const GamePaths& dir) {
  return TextFile::parsed<RecordList<FactionRecord>>(dir, paths::kGunsv, &kFactionRecords, [](const std::string& text) {
    return parseRecords<FactionRecord>(text, paths::kGunsv, FactionTable::kSlots,
                                       [](RecordItems& items, FactionRecord& r) { readFaction(items, r.g, r.flag); });
  });
}

// Calls visit(id, record) for every record with 1 <= id of the table, in file order, stopping
// after the record of id >= maxId; throws the list's problem when reading gets that far.
template <typename Record, typename Visit>
void scanRecords(const RecordList<Record>& list, int maxId, Visit visit) {
  for (const auto& entry : list.entries) {
    if (!visit(entry.id, entry.record)) return;
    if (entry.id >= maxId) return;
  }
  if (list.problem) throw *list.problem;
}

// The items a record holds, over what the table already has for the officer.
void takeOfficer(Bushou& to, const Bushou& from) {
  to.name = from.name;
  for (int n = 1; n <= 8; ++n) to.field(n) = from.field(n);
  to.jpg = from.jpg;
  to.commentID = from.commentID;
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

// The faction file's records with the numbers of one faction replaced, every other item written
// back as read (the names and flags in quotes). Errors name the scratch copy, which is what the
// game reads them from.
std::string withFactionChanged(const std::string& text, const gun& faction) {
  ItemReader reader(text);
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
  return w.str();
}

}  // namespace

void StateFiles::loadOfficers(OfficerTable& table, int officerMax) const {
  scanRecords(*officerRecords(dir_), officerMax, [&](int id, const Bushou& record) {
    Bushou& b = table[id];
    takeOfficer(b, record);
    b.id = static_cast<int16>(id);
    return true;
  });
}

void StateFiles::loadFactions(FactionTable& table, int factionMax) const {
  scanRecords(*factionRecords(dir_), factionMax, [&](int id, const FactionRecord& record) {
    gun& g = table[id];
    g.name = record.g.name;
    for (int n = 1; n <= 8; ++n) g.field(n) = record.g.field(n);
    g.id = static_cast<int16>(id);
    g.del = flagMeansDestroyed(record.flag);
    return true;
  });
}

Bushou StateFiles::loadOfficer(int id, int officerMax) const {
  Bushou found;
  scanRecords(*officerRecords(dir_), officerMax, [&](int recordId, const Bushou& record) {
    if (recordId != id) return true;
    found = record;
    found.id = static_cast<int16>(id);
    return false;
  });
  return found;
}

bool StateFiles::loadFaction(int id, int factionMax, gun& out) const {
  gun found;
  bool alive = true;
  scanRecords(*factionRecords(dir_), factionMax, [&](int recordId, const FactionRecord& record) {
    if (recordId != id) return true;
    found = record.g;
    found.id = static_cast<int16>(id);
    alive = record.flag != "TRUE";
    found.del = !alive;
    return false;
  });
  out = found;
  return alive;
}

StateFiles::OfficerColumn StateFiles::loadOfficerColumn(int n, int officerMax) const {
  OfficerColumn column{};
  scanRecords(*officerRecords(dir_), officerMax, [&](int id, const Bushou& record) {
    column[static_cast<std::size_t>(id)] = record.field(n);
    return true;
  });
  return column;
}

StateFiles::FactionColumn StateFiles::loadFactionColumn(int n, int factionMax) const {
  FactionColumn column{};
  scanRecords(*factionRecords(dir_), factionMax, [&](int id, const FactionRecord& record) {
    column[static_cast<std::size_t>(id)] = record.g.field(n);
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
  // The old file is left as the scratch copy by the write itself; records that cannot be read
  // fail the save after the copy is taken, as copying first and reading the copy did.
  const std::string text = TextFile::read(dir_, paths::kGunsv);
  std::string records;
  try {
    records = withFactionChanged(text, faction);
  } catch (const DataError&) {
    TextFile::copy(dir_, paths::kGunsv, paths::kGunimg, Durability::killSafe);
    throw;
  }
  TextFile::writeKeepingOld(dir_, paths::kGunsv, records, paths::kGunimg);
}

}  // namespace velkaro
