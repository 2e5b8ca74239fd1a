#include "persistence/SaveLoadScreen.h"

#include "data/DataError.h"
#include "data/TextFile.h"
#include "persistence/SaveSlot.h"

namespace velkaro {
namespace {
constexpr const char* kNotFound = "ファイルが見つかりません";
constexpr int16 kLoadedOfficerMax = 170;
}  // namespace

SaveLoadScreen::SaveLoadScreen(GameContext& context, Ui& ui) : Screen(context, ui) { caption = kGameTitle; }

void SaveLoadScreen::Form_Load() { init_rtn(); }

void SaveLoadScreen::init_rtn() {
  Hlp.caption = "セーブ番号を打ち込んでください";
  for (int d = 0; d < 10; ++d) Command1[static_cast<std::size_t>(d)].caption = numStr(d);
  Command2[0].caption = "取消";
  Command2[1].caption = "決定";
  Command3.caption = "戻る";
  number_.clear();
  Lab_num.caption = "save";
  lineBreak_ = kCrLf;
  if (ctx_.newOrLoaded == kSaveMode) caption = "セーブ画面";
  if (ctx_.newOrLoaded == kLoadMode) caption = "ロード画面";
}

void SaveLoadScreen::Command1_Click(int digit) {
  if (digit < 0 || digit > 9) return;
  number_ += static_cast<char>('0' + digit);
  Lab_num.caption = "save" + number_;
}

void SaveLoadScreen::Command2_Click(int index) {
  if (index == 0) {
    number_.clear();
    Lab_num.caption = "save";
    return;
  }
  if (index != 1) return;
  if (ctx_.newOrLoaded == kSaveMode) saveSlot();
  if (ctx_.newOrLoaded == kLoadMode) loadSlot();
}

void SaveLoadScreen::Command3_Click() {
  ctx_.confirmResult = 0;
  unload();
}

bool SaveLoadScreen::Form_QueryUnload() {
  ctx_.confirmResult = 0;
  return true;
}

void SaveLoadScreen::saveSlot() {
  if (ui_.msgBox(Lab_num.caption + "でセーブしますか？", MsgStyle::OkCancel) != MsgResult::Ok) return;
  if (!save_rtn()) return;
  ctx_.confirmResult = 1;
  ctx_.saved = true;
  unload();
}

bool SaveLoadScreen::save_rtn() {
  try {
    SaveSlot(ctx_.dir, number_).save(ctx_);
  } catch (const DataError& e) {
    ctx_.confirmResult = 0;
    ui_.msgBox(std::string("セーブできませんでした。") + kCrLf + e.what(), MsgStyle::OkOnly);
    return false;
  }
  return true;
}

bool SaveLoadScreen::Rinload_rtn() {
  // Every file of the slot is read and checked before the question, so a slot that cannot be
  // loaded whole is refused with the file and the reason, and nothing is replaced.
  // Sound files that no longer match the slot's stamp are not refused here: the player may have
  // edited the save on purpose, and is asked (changedOk).
  changesAccepted_ = false;
  try {
    const SaveSlot::Inspection found = SaveSlot(ctx_.dir, number_).examine();
    previewYear_ = found.contents.entries[0];
    previewScenario_ = found.contents.entries[4];
    previewName_ = found.contents.previewName();
    changedFile_ = found.changedFile;
  } catch (const DataError& e) {
    refusal_ = e.what();
    return false;
  }
  refusal_.clear();
  return true;
}

bool SaveLoadScreen::changedOk() {
  if (!changedFile_) return true;
  const std::string question = "セーブ「save" + number_ + "」のファイルはゲームの外で変更されています（「" + *changedFile_ +
                               "」）。" + lineBreak_ + "このままロードしますか？";
  changesAccepted_ = ui_.msgBox(question, MsgStyle::YesNo) == MsgResult::Yes;
  return changesAccepted_;
}

void SaveLoadScreen::loadSlot() {
  if (!Rinload_rtn()) {
    ui_.msgBox(std::string(kNotFound) + kCrLf + refusal_, MsgStyle::OkOnly);
    return;
  }
  if (!changedOk()) return;
  const std::string question = Lab_num.caption + "シナリオ" + numStr(previewScenario_) + previewName_ +
                               numStr(previewYear_) + "年" + lineBreak_ + "これをロードしますか？";
  if (ui_.msgBox(question, MsgStyle::OkCancel) != MsgResult::Ok) return;
  if (!load_rtn()) return;
  ctx_.confirmResult = 1;
  ctx_.saved = true;
  unload();
}

bool SaveLoadScreen::load_rtn() {
  const SaveSlot slot(ctx_.dir, number_);
  SaveSlot::Contents contents;
  try {
    contents = slot.restore(changesAccepted_ ? SaveSlot::Changes::accepted : SaveSlot::Changes::refused);
  } catch (const DataError& e) {
    ctx_.confirmResult = 0;
    ui_.msgBox(std::string("ロードできませんでした。") + kCrLf + e.what(), MsgStyle::OkOnly);
    return false;
  }
  for (int i = 0; i < SaveSlot::kStoredEntries; ++i) {
    ctx_.slotRecord[static_cast<std::size_t>(i)] = contents.entries[static_cast<std::size_t>(i)];
  }
  for (int i = 0; i < SaveSlot::kSavedPlayers; ++i) {
    const auto p = static_cast<std::size_t>(i);
    ctx_.playerName[p] = contents.players[p].name;
    ctx_.playerRuler[p] = contents.players[p].ruler;
    ctx_.playerFaction[p] = contents.players[p].faction;
    ctx_.playerAlliance[p] = contents.players[p].alliance;
  }
  ctx_.OFFICER_MAX = kLoadedOfficerMax;
  return true;
}

}  // namespace velkaro
