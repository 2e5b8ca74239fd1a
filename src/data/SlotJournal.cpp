#include "data/SlotJournal.h"

#include <system_error>

#include "data/Codec.h"
#include "data/DataError.h"
#include "data/Durable.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/SwappedFile.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {

namespace fs = std::filesystem;
constexpr const char* kHeading = "セーブ・ロード中";

bool endsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool isRegular(const fs::path& p) {
  std::error_code ec;
  return fs::is_regular_file(p, ec);
}

// Removes every leftover temporary of an interrupted write in one folder, and the spares of the
// running-game files.
void removeStale(const fs::path& folder) {
  std::error_code ec;
  std::vector<fs::path> stale;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (endsWith(name, ".tmp~") || endsWith(name, SlotJournal::kAsideSuffix) || endsWith(name, SwappedFile::kSpareSuffix)) stale.push_back(it->path());
  }
  for (const fs::path& p : stale) fs::remove(p, ec);
}

}  // namespace

SlotJournal::SlotJournal(const GamePaths& dir, std::string record, std::vector<std::string> files)
    : dir_(dir), record_(std::move(record)), files_(std::move(files)), existed_(files_.size(), false) {}

fs::path SlotJournal::aside(const std::string& file) const {
  fs::path p = dir_.resolve(file);
  p += kAsideSuffix;
  return p;
}

void SlotJournal::begin() {
  ItemWriter w;
  w.print(kHeading);
  for (std::size_t i = 0; i < files_.size(); ++i) {
    existed_[i] = isRegular(dir_.resolve(files_[i]));
    w.text(files_[i]).number(existed_[i] ? 1 : 0).endLine();
  }
  removeAside();  // leftovers of an older run must not be taken for this run's old files
  const fs::path record = dir_.resolve(record_);
  std::error_code ec;
  fs::create_directories(record.parent_path(), ec);
  if (!Durable::write(record, *Codec::toCp932(w.str()))) throw DataError::unwritable(record_);
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (existed_[i] && !Durable::rename(dir_.resolve(files_[i]), aside(files_[i]))) {
      const DataError failure = DataError::unwritable(files_[i]);
      rollback();
      throw failure;
    }
  }
}

void SlotJournal::put(const std::string& file, const std::optional<std::string>& bytes) {
  const fs::path target = dir_.resolve(file);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  const bool done = bytes ? Durable::write(target, *bytes) : Durable::remove(target);
  if (!done) throw DataError::unwritable(file);
}

void SlotJournal::commit() {
  if (!Durable::remove(dir_.resolve(record_))) throw DataError::unwritable(record_);
  removeAside();
}

void SlotJournal::rollback() {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    const fs::path target = dir_.resolve(files_[i]);
    const fs::path old = aside(files_[i]);
    if (!existed_[i]) {
      Durable::remove(target);
    } else if (isRegular(old)) {
      // Not yet set aside means the file was never touched: only files set aside are replaced.
      Durable::rename(old, target);
    }
  }
  Durable::remove(dir_.resolve(record_));
}

void SlotJournal::removeAside() const {
  std::error_code ec;
  for (const std::string& file : files_) fs::remove(aside(file), ec);
}

std::optional<SlotJournal> SlotJournal::readRecord(const GamePaths& dir, const fs::path& path) {
  std::string bytes;
  try {
    bytes = TextFile::readBytes(GamePaths(path.parent_path()), path.filename().string());
  } catch (const DataError&) {
    return std::nullopt;
  }
  const auto text = Codec::toUtf8(bytes);
  if (!text) return std::nullopt;
  ItemReader reader(*text);
  if (reader.readLine() != kHeading) return std::nullopt;
  std::vector<std::string> files;
  std::vector<bool> existed;
  while (!reader.eof()) {
    files.push_back(reader.readItem());
    const std::string flag = reader.readItem();
    if (!reader.lastItemRead() || (flag != "0" && flag != "1")) return std::nullopt;
    existed.push_back(flag == "1");
  }
  SlotJournal journal(dir, "\\save\\" + path.filename().string(), files);
  journal.existed_ = existed;
  return journal;
}

int SlotJournal::recover(const GamePaths& dir) {
  const fs::path save = dir.resolve("\\save");
  std::error_code ec;
  std::vector<fs::path> records;
  for (fs::directory_iterator it(save, ec), end; !ec && it != end; it.increment(ec)) {
    if (endsWith(it->path().filename().string(), kRecordSuffix)) records.push_back(it->path());
  }
  int rolledBack = 0;
  for (const fs::path& path : records) {
    auto journal = readRecord(dir, path);
    if (journal) {
      journal->rollback();
      ++rolledBack;
    } else {
      Durable::remove(path);  // written whole or not at all, so this is no record of ours
    }
  }
  removeStale(save);
  removeStale(dir.resolve("\\ini"));
  return rolledBack;
}

}  // namespace velkaro
