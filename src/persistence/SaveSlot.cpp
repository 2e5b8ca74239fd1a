#include "persistence/SaveSlot.h"

#include <filesystem>
#include <system_error>

#include "data/Codec.h"
#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/ItemWriter.h"
#include "data/StatePaths.h"
#include "data/TextFile.h"

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
  std::string text;
  try {
    text = TextFile::read(dir_, slotFile());
  } catch (const DataError&) {
    return std::nullopt;
  }
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

void SaveSlot::save(const GameContext& ctx) const {
  const auto plan = copies(*this);
  std::array<std::string, 4> bytes;
  for (std::size_t i = 0; i < plan.size(); ++i) bytes[i] = TextFile::readBytes(dir_, plan[i].game);
  std::string offending;
  const auto slotBytes = Codec::toCp932(slotFileText(ctx), &offending);
  if (!slotBytes) throw DataError::encoding(slotFile(), "「" + offending + "」はこのファイルに保存できない文字です");

  bool replacedAny = false;
  try {
    for (std::size_t i = 0; i < plan.size(); ++i) {
      TextFile::writeBytes(dir_, plan[i].slot, bytes[i]);
      replacedAny = true;
    }
    TextFile::writeBytes(dir_, slotFile(), *slotBytes);
  } catch (const DataError&) {
    if (replacedAny) {
      std::error_code ec;
      std::filesystem::remove(dir_.resolve(slotFile()), ec);
    }
    throw;
  }
}

SaveSlot::Contents SaveSlot::restore() const {
  const auto plan = copies(*this);
  std::array<std::string, 4> bytes;
  for (std::size_t i = 0; i < plan.size(); ++i) bytes[i] = TextFile::readBytes(dir_, plan[i].slot);
  const auto contents = readContents();
  if (!contents) throw DataError::unreadable(slotFile());

  // What the running game holds now, to put back if a write fails half way.
  std::array<std::optional<std::string>, 4> before;
  for (std::size_t i = 0; i < plan.size(); ++i) {
    if (dir_.exists(plan[i].game)) before[i] = TextFile::readBytes(dir_, plan[i].game);
  }
  std::size_t written = 0;
  try {
    for (; written < plan.size(); ++written) TextFile::writeBytes(dir_, plan[written].game, bytes[written]);
  } catch (const DataError&) {
    for (std::size_t i = 0; i < written; ++i) {
      try {
        if (before[i]) {
          TextFile::writeBytes(dir_, plan[i].game, *before[i]);
        } else {
          std::error_code ec;
          std::filesystem::remove(dir_.resolve(plan[i].game), ec);
        }
      } catch (const DataError&) {
        // The first error is the one to report; this file stays as the slot had it.
      }
    }
    throw;
  }
  return *contents;
}

}  // namespace velkaro
