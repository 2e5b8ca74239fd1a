#include "setup/TitleScreen.h"

#include "data/DataError.h"
#include "data/ItemReader.h"
#include "data/StatePaths.h"
#include "data/TemplateReader.h"
#include "data/TextFile.h"
#include "ui/ScreenKind.h"
#include "setup/OfficerGenerator.h"
#include "setup/Scenario.h"
#include "setup/ScenarioFiles.h"

namespace velkaro {

TitleScreen::TitleScreen(GameContext& context, Ui& ui) : Screen(context, ui) {
  timers.resize(1);
  List1[1].multiSelect = true;
  Picture1.caption = "";
  Label1.caption = kCredit;
}

void TitleScreen::Form_Load() {
  splash_ = 0;
  timers[0] = Timer{1200, true};
  ui_.timersChanged(*this);
  // A missing or broken data file is reported, and the screen still opens: another scenario
  // may be sound, and "終了" must stay reachable.
  try {
    init_rtn();
    ld_Gnm_rtn();
    mk_Gunsv_rtn();
  } catch (const DataError& e) {
    ui_.msgBox(e.what(), MsgStyle::OkOnly);
  }
}

void TitleScreen::init_rtn() {
  caption = kGameTitle;
  Command1[0].caption = "終了";
  Command1[1].caption = "続きから";
  Command2.caption = "新規ゲーム";
  cmdInit.caption = "武将初期化";
  Lab_txt.caption = "";
  Label2[0].caption = "君主名";
  Label2[1].caption = "シナリオ";
  List1[0].clear();
  for (int n = 1; n <= Scenario::kCount; ++n) List1[0].addItem(Scenario::byNumber(n).label);
  lineBreak_ = kCrLf;
  ctx_.FACTION_MAX = 13;
  ctx_.OFFICER_MAX = 155;
  ctx_.scenario = 1;
  List1[1].clear();
  mk_Rinbusv();
  ctx_.textNumber = 21;
  ld_Text_rtn();
  Lab_txt.caption = description_;
}

void TitleScreen::mk_Rinbusv() { ScenarioFiles::mk_Rinbusv(ctx_.dir, ctx_.scenario); }

void TitleScreen::mk_Gunsv_rtn() { ScenarioFiles::mk_Gunsv_rtn(ctx_.dir, ctx_.scenario); }

void TitleScreen::ld_Text_rtn() {
  description_ = TemplateReader::singleText(ctx_.dir, paths::kCommand, ctx_.textNumber, ctx_.msgParam1, ctx_.msgParam2);
}

void TitleScreen::ld_Gnm_rtn() {
  ListBox& list = List1[1];
  list.clear();
  for (int i = 0; i < 20; ++i) rowToRuler_[static_cast<std::size_t>(i)] = 0;
  if (!Scenario::valid(ctx_.scenario)) return;
  const char* file = Scenario::byNumber(ctx_.scenario).factionMaster;
  ItemReader reader(TextFile::read(ctx_.dir, file));
  int last = 0;
  while (!reader.eof()) {
    const std::string item = reader.readItem();
    if (ItemReader::isHeader(item)) {
      last = ItemReader::headerId(item);
      const std::string factionName = reader.readItem();
      reader.readItem();
      const std::string ruler = reader.readItem();
      double rulerId = 0;
      if (!reader.lastItemRead() || !parseNumber(ruler, rulerId)) {
        throw DataError::malformed(file, "軍閥 ." + std::to_string(last) + " の君主番号がありません");
      }
      if (list.listCount() < static_cast<int>(rowToRuler_.size())) {
        list.addItem(factionName, last);
        rowToRuler_[static_cast<std::size_t>(list.listCount() - 1)] = cint(rulerId);
      }
    }
    if (last >= ctx_.FACTION_MAX) break;
  }
}

void TitleScreen::List1_Click(int index) {
  ui_.closeModeless("FactionDetail");
  if (index == 1) {
    const ListBox& list = List1[1];
    if (!list.valid(list.listIndex)) return;
    ctx_.selectedFaction = static_cast<int16>(list.itemData(list.listIndex));
    ctx_.sharedText = Scenario::byNumber(ctx_.scenario).reassigned && Scenario::valid(ctx_.scenario)
                          ? "配下の構成は変わります"
                          : "";
    openFactionDetail();
    return;
  }
  const ListBox& scenarios = List1[0];
  if (!scenarios.valid(scenarios.listIndex)) return;
  const int row = scenarios.listIndex;
  ctx_.textNumber = static_cast<int16>(21 + row);
  ld_Text_rtn();
  Lab_txt.caption = description_;
  ctx_.scenario = static_cast<int16>(row + 1);
  const Scenario& s = Scenario::byNumber(ctx_.scenario);
  ctx_.FACTION_MAX = static_cast<int16>(s.factionMax);
  ctx_.OFFICER_MAX = static_cast<int16>(s.officerMax);
  mk_Rinbusv();
  ld_Gnm_rtn();
  mk_Gunsv_rtn();
}

void TitleScreen::List1_MouseMove(int index) {
  Hlp.caption = index == 1 ? "軍閥の君主を選んでから、「新規ゲーム」を押してください（複数プレイ可能）"
                           : "シナリオを選んでください";
}

void TitleScreen::Back_MouseMove() { Hlp.caption = ""; }

void TitleScreen::splashStep(bool fromTimer) {
  ++splash_;
  if (splash_ > 1) Label1.caption = kTitle;
  if (splash_ > (fromTimer ? 4 : 2)) {
    Picture1.visible = false;
    Label1.visible = false;
  }
}

void TitleScreen::Label1_Click() { splashStep(false); }
void TitleScreen::Picture1_Click() { splashStep(false); }
void TitleScreen::Timer_Timer(int /*index*/) { splashStep(true); }

void TitleScreen::Command2_Click() {
  const ListBox& list = List1[1];
  std::string lastName;
  for (int row = 0; row < list.listCount() && row < kPlayerSlots; ++row) {
    if (!list.selected(row)) continue;
    ctx_.playerFaction[static_cast<std::size_t>(row)] = static_cast<int16>(list.itemData(row));
    lastName = list.text(row);
  }
  if (lastName.empty()) {
    ui_.msgBox("武将が選択されていません", MsgStyle::OkOnly);
    return;
  }
  if (ui_.msgBox(lastName + "でゲームを開始しますか？", MsgStyle::OkCancel) != MsgResult::Ok) return;
  ctx_.newOrLoaded = 0;
  bool any = false;
  for (int row = 0; row < list.listCount() && row < kPlayerSlots; ++row) {
    const auto slot = static_cast<std::size_t>(row);
    if (list.selected(row)) {
      ctx_.playerFaction[slot] = static_cast<int16>(list.itemData(row));
      ctx_.playerName[slot] = list.text(row);
      any = true;
    } else {
      ctx_.playerFaction[slot] = 0;
      ctx_.playerRuler[slot] = 0;
    }
  }
  if (!any) {
    ui_.msgBox("武将が選択されていません", MsgStyle::OkOnly);
    return;
  }
  Hlp.caption = "データを作成しています";
  try {
    ori_Chr_rtn();
  } catch (const DataError& e) {
    Hlp.caption = "";
    ui_.msgBox(e.what(), MsgStyle::OkOnly);
    return;
  }
  openMain();
}

void TitleScreen::ori_Chr_rtn() {
  OfficerGenerator generator(ctx_, List1[1].listCount(), rowToRuler_);
  generator.ori_Chr_rtn();
}

void TitleScreen::Command1_Click(int index) {
  if (index == 0) ui_.endProgram();
  if (index != 1) return;
  ctx_.newOrLoaded = 2;
  ctx_.confirmResult = 0;
  auto loadScreen = ui_.makeScreen(ScreenKind::SaveLoadScreen, ctx_);
  if (!loadScreen) return;
  ui_.showModal(*loadScreen);
  if (ctx_.confirmResult == 1) openMain();
}

void TitleScreen::cmdInit_Click() {
  const std::string question =
      "シナリオ" + numStr(ctx_.scenario) + "においてエディットした武将データを全て初期化しますか？";
  if (ui_.msgBox(question, MsgStyle::OkCancel) != MsgResult::Ok) return;
  initBushouFile();
  ui_.msgBox("初期化しました", MsgStyle::OkOnly);
  mk_Rinbusv();
}

void TitleScreen::initBushouFile() { ScenarioFiles::initBushouFile(ctx_.dir, ctx_.scenario); }

void TitleScreen::openFactionDetail() {
  if (auto detail = ui_.makeScreen(ScreenKind::FactionDetail, ctx_)) ui_.showModeless(std::move(detail));
}

void TitleScreen::openMain() {
  ui_.closeModeless("FactionDetail");
  // The main screen opens before this one closes, so the program never runs without a window.
  if (auto mainScreen = ui_.makeScreen(ScreenKind::MainScreen, ctx_)) ui_.showModeless(std::move(mainScreen));
  unload();
}

}  // namespace velkaro
