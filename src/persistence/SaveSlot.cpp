#include "persistence/SaveSlot.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "data/Codec.h"
#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/StatePaths.h"
#include "data/RecordSet.h"
#include "data/TextFile.h"
#include "data/SlotJournal.h"
#include "persistence/SlotStamp.h"
#include "setup/Scenario.h"

namespace velkaro {
namespace {

constexpr const char* kHeading = "同盟結束力";

// The running game's files and where each goes in a slot, in copy order.
struct Copy {
  const char* game;
  std::string slot;
};

std::array<Copy, 4> copies(const SaveSlot& slot) {
  return {{{paths::kBusv, slot.busvFile()},
           {paths::kGunsv, slot.gunsvFile()},
           {paths::kCmtsv, slot.cmtsvFile()},
           {paths::kLog, slot.logFile()}}};
}

// Reads the slot file's items; any shortfall or non-number makes the whole file unreadable.
class SlotReader {
 public:
  explicit SlotReader(std::string text) : reader_(std::move(text)) {}

  bool ok() const { return ok_; }
  std::string line() {
    if (reader_.eof()) ok_ = false;
    return reader_.readLine();
  }
  int16 number() {
    const std::string item = reader_.readItem();
    double value = 0;
    if (!reader_.lastItemRead() || !parseNumber(item, value)) {
      ok_ = false;
      return 0;
    }
    return cint(value);
  }

 private:
  ItemReader reader_;
  bool ok_ = true;
};

}  // namespace

std::string SaveSlot::Contents::previewName() const {
  for (int i = 0; i < kPreviewPlayers; ++i) {
    const std::string& name = players[static_cast<std::size_t>(i)].name;
    if (!name.empty() && name != "0") return name;
  }
  return {};
}

std::vector<std::string> SaveSlot::missingFiles() const {
  std::vector<std::string> missing;
  for (const Copy& c : copies(*this)) {
    if (!dir_.exists(c.slot)) missing.push_back(c.slot);
  }
  if (!dir_.exists(slotFile())) missing.push_back(slotFile());
  return missing;
}

std::optional<SaveSlot::Contents> SaveSlot::readContents() const {
  try {
    return parseContents(TextFile::read(dir_, slotFile()));
  } catch (const DataError&) {
    return std::nullopt;
  }
}

std::optional<SaveSlot::Contents> SaveSlot::parseContents(std::string text) {
  SlotReader reader(std::move(text));
  reader.line();  // the heading
  Contents contents;
  for (auto& entry : contents.entries) entry = reader.number();
  for (Player& player : contents.players) {
    player.name = reader.line();
    player.ruler = reader.number();
    player.faction = reader.number();
    player.alliance = reader.number();
  }
  if (!reader.ok()) return std::nullopt;
  return contents;
}

std::string SaveSlot::slotFileText(const GameContext& ctx) {
  ItemWriter w;
  w.print(kHeading);
  for (int i = 0; i < kStoredEntries; ++i) w.number(ctx.slotRecord[static_cast<std::size_t>(i)]);
  w.endLine();
  for (int i = 0; i < kSavedPlayers; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    w.print(ctx.playerName[slot]);
    w.number(ctx.playerRuler[slot]).endLine();
    w.number(ctx.playerFaction[slot]).number(ctx.playerAlliance[slot]).endLine();
  }
  return w.str();
}

namespace {

constexpr int kLoadedOfficers = 170;  // a loaded game has OFFICER_MAX 170

// The slot file's values that a game cannot go on from.
void checkValues(const SaveSlot& slot, const SaveSlot::Contents& c) {
  const int scenario = c.entries[4];
  auto refuse = [&](const std::string& what) { throw DataError::malformed(slot.slotFile(), what); };
  if (!Scenario::valid(scenario)) refuse("シナリオ番号" + std::to_string(scenario) + "は1〜6の範囲外です");
  const Scenario& s = Scenario::byNumber(scenario);
  const int year = c.entries[0];
  if (year < s.startYear || year > s.endYear) {
    refuse("年" + std::to_string(year) + "はシナリオ" + std::to_string(scenario) + "の" + std::to_string(s.startYear) +
           "〜" + std::to_string(s.endYear) + "年の範囲外です");
  }
  auto officerId = [&](std::size_t player, const char* what, int id) {
    if (id < 0 || id > kLoadedOfficers) {
      refuse("プレイヤー" + std::to_string(player) + "の" + what + std::to_string(id) + "は0〜" +
             std::to_string(kLoadedOfficers) + "の範囲外です");
    }
  };
  for (std::size_t i = 0; i < c.players.size(); ++i) {
    const int faction = c.players[i].faction;
    if (faction < 0 || faction > s.factionMax) {
      refuse("プレイヤー" + std::to_string(i) + "の軍閥番号" + std::to_string(faction) + "は0〜" +
             std::to_string(s.factionMax) + "の範囲外です");
    }
    officerId(i, "君主", c.players[i].ruler);
    officerId(i, "盟主", c.players[i].alliance);
  }
}

// The bytes as UTF-8; a byte that is not CP932 is named by its line, so a hand edit is found.
std::string decoded(const std::string& bytes, const std::string& file) {
  if (auto text = Codec::toUtf8(bytes)) return *text;
  // CR and LF are never the second byte of a CP932 character, so lines can be tried one by one.
  std::size_t line = 1;
  for (std::size_t start = 0; start < bytes.size(); ++line) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    if (!Codec::toUtf8(bytes.substr(start, end - start))) break;
    start = end + 1;
  }
  throw DataError::encoding(file, std::to_string(line) + "行目にCP932として読めないバイトがあります");
}

}  // namespace

SaveSlot::Inspection SaveSlot::examine(std::array<std::string, 4>* bytesOut) const {
  const auto plan = copies(*this);
  std::array<std::string, 4> bytes;
  for (std::size_t i = 0; i < plan.size(); ++i) bytes[i] = TextFile::readBytes(dir_, plan[i].slot);
  const std::string slotBytes = TextFile::readBytes(dir_, slotFile());

  // What the files hold comes first: a file that cannot carry a game on is refused for that,
  // whether or not it still matches the stamp.
  const auto contents = parseContents(decoded(slotBytes, slotFile()));
  if (!contents) throw DataError::malformed(slotFile(), "行が足りないか、数値でない項目があります");
  checkValues(*this, *contents);
  const RecordSet::InPlay inPlay{kLoadedOfficers};
  RecordSet::check(decoded(bytes[0], busvFile()), busvFile(), RecordSet::Kind::Officers, kLoadedOfficers, true, inPlay);
  RecordSet::check(decoded(bytes[1], gunsvFile()), gunsvFile(), RecordSet::Kind::Factions,
                   Scenario::byNumber(contents->entries[4]).factionMax, true, inPlay);
  decoded(bytes[2], cmtsvFile());
  decoded(bytes[3], logFile());

  Inspection found{*contents, std::nullopt};
  if (dir_.exists(stampFile()) || std::filesystem::exists(dir_.resolve(stampFile()))) {
    std::vector<SlotStamp::File> files;
    for (std::size_t i = 0; i < plan.size(); ++i) files.emplace_back(plan[i].slot, bytes[i]);
    files.emplace_back(slotFile(), slotBytes);
    try {
      found.changedFile = SlotStamp::mismatch(TextFile::read(dir_, stampFile()), stampFile(), files);
    } catch (const DataError&) {
      found.changedFile = stampFile();  // a stamp that cannot be read vouches for nothing
    }
  }
  if (bytesOut != nullptr) *bytesOut = std::move(bytes);
  return found;
}

SaveSlot::Contents SaveSlot::inspect(std::array<std::string, 4>* bytes) const {
  Inspection found = examine(bytes);
  if (found.changedFile) {
    throw DataError(*found.changedFile, "セーブ「save" + number_ + "」のファイルが揃っていません（「" + *found.changedFile +
                                            "」が同じセーブのものではありません）。このセーブはロードできません。");
  }
  return found.contents;
}

std::vector<std::string> SaveSlot::journaled() const {
  return {busvFile(), gunsvFile(), cmtsvFile(), logFile(), slotFile(), stampFile(), historyFile()};
}

std::optional<std::string> SaveSlot::savedHistory() const {
  try {
    if (!dir_.exists(historyFile())) return std::nullopt;
    std::string bytes = TextFile::readBytes(dir_, historyFile());
    if (dir_.exists(stampFile())) {
      const std::vector<SlotStamp::File> files{{historyFile(), bytes}};
      if (SlotStamp::mismatch(TextFile::read(dir_, stampFile()), stampFile(), files)) return std::nullopt;
    }
    return bytes;
  } catch (const DataError&) {
    return std::nullopt;
  }
}

void SaveSlot::save(const GameContext& ctx) const {
  SlotJournal::recover(dir_);
  const auto plan = copies(*this);
  std::vector<SlotStamp::File> files;
  for (const Copy& c : plan) files.emplace_back(c.slot, TextFile::readBytes(dir_, c.game));
  std::string offending;
  const auto slotBytes = Codec::toCp932(slotFileText(ctx), &offending);
  if (!slotBytes) throw DataError::encoding(slotFile(), "「" + offending + "」はこのファイルに保存できない文字です");
  files.emplace_back(slotFile(), *slotBytes);
  // The history record is optional: a game without one leaves none in the slot either (the
  // journal sets the slot's old one aside and drops it).
  std::optional<std::string> history;
  try {
    if (dir_.exists(paths::kSuiisv)) history = TextFile::readBytes(dir_, paths::kSuiisv);
  } catch (const DataError&) {
    history.reset();
  }
  if (history) files.emplace_back(historyFile(), *history);
  files.emplace_back(stampFile(), *Codec::toCp932(SlotStamp::text(files)));

  SlotJournal journal(dir_, journalFile(), journaled());
  journal.begin();
  try {
    for (const SlotStamp::File& f : files) journal.put(f.first, f.second);
    journal.commit();
  } catch (const DataError&) {
    journal.rollback();
    throw;
  }
}

SaveSlot::Contents SaveSlot::restore(Changes changes) const {
  SlotJournal::recover(dir_);
  std::array<std::string, 4> bytes;
  const Contents contents = changes == Changes::accepted ? examine(&bytes).contents : inspect(&bytes);
  const auto plan = copies(*this);
  const std::optional<std::string> history = savedHistory();
  std::vector<std::string> games;
  for (const Copy& c : plan) games.emplace_back(c.game);
  games.emplace_back(paths::kSuiisv);
  SlotJournal journal(dir_, kLoadJournal, games);
  journal.begin();
  try {
    for (std::size_t i = 0; i < plan.size(); ++i) journal.put(plan[i].game, bytes[i]);
    // The journal has set the running record aside; a slot without one leaves none, and the
    // record starts again with the loaded year.
    if (history) journal.put(paths::kSuiisv, *history);
    journal.commit();
  } catch (const DataError&) {
    journal.rollback();
    throw;
  }
  return contents;
}

}  // namespace velkaro
