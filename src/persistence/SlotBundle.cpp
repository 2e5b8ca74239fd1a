#include "persistence/SlotBundle.h"

#include <array>
#include <charconv>
#include <optional>
#include <system_error>
#include <vector>

#include "data/DataError.h"
#include "data/FileCache.h"
#include "data/SlotJournal.h"
#include "data/Codec.h"
#include "data/TextFile.h"
#include "persistence/SaveSlot.h"
#include "persistence/SlotStamp.h"

namespace velkaro {
namespace {

constexpr const char* kLineEnd = "\r\n";

// The slot's files by the kind that names them in a bundle; the first five every slot has.
struct Part {
  const char* kind;
  std::string (SaveSlot::*file)() const;
  bool required;
};

const std::array<Part, 7>& parts() {
  static const std::array<Part, 7> all{{
      {"busv", &SaveSlot::busvFile, true},
      {"gunsv", &SaveSlot::gunsvFile, true},
      {"Cmtsv", &SaveSlot::cmtsvFile, true},
      {"velkarolog", &SaveSlot::logFile, true},
      {"save", &SaveSlot::slotFile, true},
      {"stamp", &SaveSlot::stampFile, false},
      {"suiisv", &SaveSlot::historyFile, false},
  }};
  return all;
}

const Part* partOf(const std::string& kind) {
  for (const Part& p : parts()) {
    if (kind == p.kind) return &p;
  }
  return nullptr;
}

DataError foreign() { return DataError("", SlotBundle::kForeignMessage); }

using Parts = std::array<std::optional<std::string>, 7>;

bool slotNumber(const std::string& s) {
  bool digits = !s.empty() && s.size() <= 8;
  for (char c : s) digits = digits && c >= '0' && c <= '9';
  return digits;
}

// The bundle's files by part and the number of the slot it was packed from, or a DataError for
// anything that is not a whole bundle.
Parts split(const std::string& bundle, std::string& from) {
  Parts files;
  const std::string heading = std::string(SlotBundle::kHeading) + " ";
  if (bundle.compare(0, heading.size(), heading) != 0) throw foreign();
  const std::size_t headEnd = bundle.find(kLineEnd);
  if (headEnd == std::string::npos) throw foreign();
  from = bundle.substr(heading.size(), headEnd - heading.size());
  if (!slotNumber(from)) throw foreign();
  std::size_t at = headEnd + 2;
  while (at < bundle.size()) {
    const std::size_t end = bundle.find(kLineEnd, at);
    if (end == std::string::npos) throw foreign();
    const std::string line = bundle.substr(at, end - at);
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) throw foreign();
    const Part* part = partOf(line.substr(0, tab));
    std::size_t length = 0;
    const char* first = line.data() + tab + 1;
    const char* last = line.data() + line.size();
    const auto [stop, ec] = std::from_chars(first, last, length);
    if (part == nullptr || ec != std::errc() || stop != last || first == last) throw foreign();
    at = end + 2;
    if (length > bundle.size() - at || bundle.size() - at - length < 2 || bundle.compare(at + length, 2, kLineEnd) != 0) {
      throw foreign();
    }
    auto& slot = files[static_cast<std::size_t>(part - parts().data())];
    if (slot) throw foreign();
    slot = bundle.substr(at, length);
    at += length + 2;
  }
  for (std::size_t i = 0; i < parts().size(); ++i) {
    if (parts()[i].required && !files[i]) throw foreign();
  }
  return files;
}

}  // namespace

std::string SlotBundle::pack(const GamePaths& dir, const std::string& number) {
  const SaveSlot slot(dir, number);
  std::string out = std::string(kHeading) + " " + number + kLineEnd;
  for (const Part& p : parts()) {
    const std::string file = (slot.*p.file)();
    if (!p.required && !dir.exists(file)) continue;
    const std::string bytes = TextFile::readBytes(dir, file);
    out += std::string(p.kind) + "\t" + std::to_string(bytes.size()) + kLineEnd + bytes + kLineEnd;
  }
  return out;
}

void SlotBundle::unpack(const GamePaths& dir, const std::string& number, const std::string& bundle,
                        const std::filesystem::path& scratch) {
  std::string from;
  Parts files = split(bundle, from);
  std::error_code ec;
  std::filesystem::remove_all(scratch, ec);
  FileCache::shared().lookAgain();  // the scratch files of an earlier import are gone
  std::filesystem::create_directories(scratch / "save", ec);
  if (ec) throw DataError::unwritable(scratch.string());
  // Checked under the number it was saved as: the stamp names the files by it.
  const GamePaths trial(scratch);
  const SaveSlot trialSlot(trial, from);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (files[i]) TextFile::writeBytes(trial, (trialSlot.*parts()[i].file)(), *files[i]);
  }
  try {
    trialSlot.inspect();
  } catch (const DataError& e) {
    std::filesystem::remove_all(scratch, ec);
    throw DataError(e.file(), std::string(kBrokenMessage) + kLineEnd + e.what());
  }
  std::filesystem::remove_all(scratch, ec);

  const SaveSlot slot(dir, number);
  std::vector<std::string> names;
  for (const Part& p : parts()) names.push_back((slot.*p.file)());
  constexpr std::size_t kStamp = 5;
  constexpr std::size_t kHistory = 6;
  if (number != from && files[kStamp]) {
    // Under another number the stamp is written anew for the new names, over the files the old
    // stamp vouched for: the five checked above, and the history record if it matched.
    const auto stampText = Codec::toUtf8(*files[kStamp]);
    std::vector<SlotStamp::File> stamped;
    for (std::size_t i = 0; i < kStamp; ++i) stamped.emplace_back(names[i], *files[i]);
    if (files[kHistory] && stampText &&
        !SlotStamp::mismatch(*stampText, trialSlot.stampFile(), {{trialSlot.historyFile(), *files[kHistory]}})) {
      stamped.emplace_back(names[kHistory], *files[kHistory]);
    } else {
      files[kHistory].reset();
    }
    files[kStamp] = *Codec::toCp932(SlotStamp::text(stamped));
  }
  SlotJournal::recover(dir);
  SlotJournal journal(dir, slot.journalFile(), names);
  journal.begin();
  try {
    for (std::size_t i = 0; i < files.size(); ++i) journal.put(names[i], files[i]);
    journal.commit();
  } catch (const DataError&) {
    journal.rollback();
    throw;
  }
}

}  // namespace velkaro
