#include "turn/MainScreen.h"

#include "data/StatePaths.h"
#include "data/TextFile.h"
#include "ui/ScreenKind.h"
#include "setup/Scenario.h"
#include "setup/ScenarioFiles.h"
#include "turn/AllianceSlots.h"
#include "turn/ComputerChoice.h"
#include "turn/OfferExplanation.h"
#include "turn/Report.h"
#include "turn/ResolutionCall.h"
#include "turn/Strategy.h"
#include "turn/StrategyMenu.h"
#include "turn/YearEnd.h"
#include "turn/YearFigures.h"

namespace velkaro {

MainScreen::MainScreen(GameContext& context, Ui& ui) : Screen(context, ui) {}

// ---------------------------------------------------------------- start

void MainScreen::Form_Load() {
  if (ctx_.newOrLoaded == 2) {
    startLoadedGame();
  } else {
    startNewGame();
  }
}

void MainScreen::init_rtn() {
  caption = kGameTitle;
  for (auto& label : Label1) label.caption = "所属軍閥";
  Frame1[0].caption = "独立軍閥";
  lineBreak_ = kCrLf;
  Command1[3].caption = "Auto";
  for (int i = 0; i < 3; ++i) Command1[static_cast<std::size_t>(i)].visible = false;
}

void MainScreen::setScenarioValues() {
  const Scenario& s = Scenario::byNumber(ctx_.scenario);
  year_ = static_cast<int16>(s.startYear);
  ctx_.FACTION_MAX = static_cast<int16>(s.factionMax);
  endYear_ = static_cast<int16>(s.endYear);
}

void MainScreen::startNewGame() {
  init_rtn();
  Report::mkFristLog(ctx_);
  mk_Gunsv_rtn();
  setScenarioValues();
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  for (int slot = 0; slot < kPlayerSlots; ++slot) {
    const auto i = static_cast<std::size_t>(slot);
    const int id = ctx_.playerFaction[i];
    if (id >= 1 && id <= ctx_.FACTION_MAX && factions[id].id == id) ctx_.playerRuler[i] = factions[id].kunshuID;
  }
  ini_Mei_rtn();
  ld_Kunshu_rtn();
  teban_ = 0;
  ctx_.runMode = 1;
  dsp_Init_rtn();
  Dsp_rtn();
  YearFigures(ctx_, allianceTroops_).record(year_, true);  // the history starts with the first year
  Tagun_rtn();
  tebanIncliment_rtn();
  resetBG();
  ctx_.confirmResult = 0;
}

void MainScreen::startLoadedGame() {
  init_rtn();
  teban_ = 0;
  ctx_.scenario = ctx_.slotRecord[4];
  ctx_.OFFICER_MAX = 170;
  setScenarioValues();
  ini_Mei_rtn();
  year_ = static_cast<int16>(ctx_.slotRecord[0] - 1);
  dsp_Init_rtn();
  // The saved cohesion is back before the year's pass, so a report it shows counts the
  // alliances as the unsaved game did.
  for (std::size_t k = 1; k < kPanels; ++k) ctx_.meishuKessoku[k] = ctx_.slotRecord[k];
  Res_rtn();
  for (std::size_t k = 1; k < kPanels; ++k) ctx_.meishuKessoku[k] = ctx_.slotRecord[k];
  // The panels show the restored cohesion at once, not a year later.
  Dsp_Gun_rtn();
  // The first turn is announced over the loaded year, not over the year the load replaced.
  tebanIncliment_rtn();
  resetBG();
}

void MainScreen::mk_Gunsv_rtn() { ScenarioFiles::mk_Gunsv_rtn(ctx_.dir, ctx_.scenario); }

// ---------------------------------------------------------------- drawing

void MainScreen::Dsp_rtn() {
  Lab_hlp.caption = numStr(year_) + "年の戦況" + "（水色のリストの戦略が選択可能です）";
  Dsp_Gun_rtn();
  ld_Meiichi_rtn();
  if (ctx_.runMode == 1) ld_Com_rtn();
}

void MainScreen::Dsp_Gun_rtn() {
  for (auto& list : Gun_lst) list.clear();
  allianceTroops_.fill(0);
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  for (int f = 1; f <= ctx_.FACTION_MAX; ++f) {
    const gun& g = factions[f];
    if (g.del) continue;
    for (std::size_t k = 0; k < kPanels; ++k) {
      if (ctx_.meishu[k] != g.meishuID) continue;
      Gun_lst[k].addItem(g.name, f);
      allianceTroops_[k] += static_cast<long>(g.army) + g.seihei;
      break;
    }
  }
  for (std::size_t slot = 0; slot < kPlayerSlots; ++slot) {
    const int id = ctx_.playerFaction[slot];
    if (id >= 1) ctx_.playerAlliance[slot] = factions[id].meishuID;
  }
  for (std::size_t k = 1; k < kPanels; ++k) {
    const bool used = ctx_.meishu[k] != 0;
    Frame1[k].caption = used ? headings_[k] : "";
    Lab_Mei[k].caption = std::string("同盟総兵力") + lineBreak_ + "同盟の結束力";
    Lab_MeiVal[k].caption = std::to_string(allianceTroops_[k]) + "000" + lineBreak_ + std::to_string(ctx_.meishuKessoku[k]);
    Lab_Mei[k].visible = used;
    Lab_MeiVal[k].visible = used;
  }
  Lab_Mei[0].visible = false;
  Lab_MeiVal[0].visible = false;
}

void MainScreen::dsp_Init_rtn() {
  dsp_PC.clear();
  for (std::size_t slot = 0; slot < kPlayerSlots; ++slot) {
    if (ctx_.playerRuler[slot] != 0) dsp_PC.addItem(ctx_.playerName[slot], ctx_.playerFaction[slot]);
  }
}

void MainScreen::ld_Meiichi_rtn() {
  for (std::size_t k = 0; k < kPanels; ++k) {
    for (const auto& item : Gun_lst[k].items) {
      if (item.itemData >= 0 && item.itemData < kFactionSlots) {
        ctx_.factionPanel[static_cast<std::size_t>(item.itemData)] = static_cast<int16>(k);
      }
    }
  }
}

void MainScreen::ld_Com_rtn() {
  StrategyMenu menu(ctx_, Gun_lst, Com_Lst);
  menu.ld_Com_rtn();
}

void MainScreen::ld_Kunshu_rtn() { rulers_ = StateFiles(ctx_.dir).loadFactionColumn(2, ctx_.FACTION_MAX); }

void MainScreen::ini_Mei_rtn() {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  AllianceSlots::ini_Mei_rtn(ctx_, factions, headings_);
}

void MainScreen::res_Mei_rtn() {
  FactionTable factions;
  StateFiles(ctx_.dir).loadFactions(factions, ctx_.FACTION_MAX);
  AllianceSlots::res_Mei_rtn(ctx_, factions, headings_);
}

int MainScreen::currentPanel() const {
  if (teban_ < 0 || teban_ >= ctx_.FACTION_MAX || teban_ >= kPlayerSlots) return -1;
  const auto slot = static_cast<std::size_t>(teban_);
  if (ctx_.playerFaction[slot] == 0) return -1;
  for (std::size_t k = 0; k < kPanels; ++k) {
    if (ctx_.meishu[k] == ctx_.playerAlliance[slot]) return static_cast<int>(k);
  }
  return -1;
}

void MainScreen::resetBG() {
  const int current = currentPanel();
  for (std::size_t k = 0; k < kPanels; ++k) {
    Com_Lst[k].backColour = static_cast<int>(k) == current ? kLightBlue : kWindowColour;
  }
}

// ---------------------------------------------------------------- turns

void MainScreen::tebanIncliment_rtn() {
  while (teban_ < ctx_.FACTION_MAX && teban_ < kPlayerSlots && ctx_.playerFaction[static_cast<std::size_t>(teban_)] == 0) {
    ++teban_;
  }
  if (teban_ < ctx_.FACTION_MAX && teban_ < kPlayerSlots) {
    forgetLines();
    const std::string& name = ctx_.playerName[static_cast<std::size_t>(teban_)];
    ui_.msgBox(name + "の番です。", MsgStyle::OkOnly);
    Label6.caption = "プレイヤー" + lineBreak_ + "（" + name + "）";
  }
}

void MainScreen::forgetLines() {
  // Hot seat: the next player is shown no line the player before clicked in any list.
  for (ListBox& list : Gun_lst) list.listIndex = -1;
  for (ListBox& list : Com_Lst) list.listIndex = -1;
  dsp_PC.listIndex = -1;
}

void MainScreen::Tagun_rtn() { ComputerChoice(ctx_).Tagun_rtn(Gun_lst); }

void MainScreen::endTurn() {
  ++teban_;
  tebanIncliment_rtn();
  if (teban_ >= ctx_.FACTION_MAX) {
    Strate_rtn();
    T_End_rtn();
    Res_rtn();
    ctx_.saved = false;
    teban_ = 0;
    tebanIncliment_rtn();
  }
  resetBG();
}

void MainScreen::Command1_Click(int index) {
  if (index != 3) return;
  const std::string name =
      teban_ >= 0 && teban_ < kPlayerSlots ? ctx_.playerName[static_cast<std::size_t>(teban_)] : std::string();
  const std::string question = !name.empty() ? name + "の行動をコンピュータに任せますか？" : "時間を進めますか？";
  if (ui_.msgBox(question, MsgStyle::YesNo) != MsgResult::Yes) return;
  endTurn();
}

std::string MainScreen::chosenLineText(int faction, int panel) const {
  if (faction < 0 || faction >= kFactionSlots || panel < 0 || panel >= kPanels) return {};
  return Com_Lst[static_cast<std::size_t>(panel)].text(ctx_.chosenLine[static_cast<std::size_t>(faction)]);
}

void MainScreen::Com_Lst_Click(int panel) {
  if (panel < 0 || panel >= kPanels) return;
  const ListBox& list = Com_Lst[static_cast<std::size_t>(panel)];
  const int line = list.listIndex;
  if (!list.valid(line)) return;
  const int strategy = list.itemData(line);
  ctx_.newOrLoaded = panel == currentPanel() ? 1 : 0;
  ctx_.confirmResult = 0;

  OfferExplanation offer(ctx_, Gun_lst[static_cast<std::size_t>(panel)]);
  const std::string heading = offer.headline(strategy, panel, line);
  offer.prepare(strategy, panel, line, heading);
  if (auto explanation = ui_.makeScreen(ScreenKind::StrategyExplanation, ctx_)) ui_.showModal(*explanation);
  if (ctx_.confirmResult != 1) return;
  confirmLine(heading, line);
}

void MainScreen::confirmLine(const std::string& heading, int line) {
  if (ui_.msgBox(heading + "を行いますか？", MsgStyle::YesNo) != MsgResult::Yes) {
    ctx_.confirmResult = 0;
    return;
  }
  const int faction = ctx_.playerFaction[static_cast<std::size_t>(teban_)];
  if (faction >= 0 && faction < kFactionSlots) ctx_.chosenLine[static_cast<std::size_t>(faction)] = static_cast<int16>(line);
  endTurn();
}

// ---------------------------------------------------------------- the year

void MainScreen::Strate_rtn() {
  ctx_.resolutionYear = year_;
  ctx_.runMode = 1;
  const YearOutcome outcome = ResolutionCall::open(ctx_, ui_);
  if (outcome.playerDestroyed) ui_.msgBox("プレイヤーの軍団が滅亡しました。", MsgStyle::OkOnly);
  if (outcome.allPlayersDestroyed && !allLostAsked_) {
    allLostAsked_ = true;
    const std::string question = "プレイヤーの軍団が全て滅亡しました。" + lineBreak_ + "このまま続けますか？" + lineBreak_ +
                                 "（いいえでゲームを終了します）";
    if (ui_.msgBox(question, MsgStyle::YesNo) != MsgResult::Yes) ui_.endProgram();
  }
  ctx_.runMode = 0;
}

void MainScreen::T_End_rtn() {
  reportPages_.clear();
  ctx_.runMode = 2;
  YearEnd yearEnd(ctx_, rulers_, reportPages_);
  yearEnd.Policy_rtn();
  yearEnd.Jinji_rtn();
  std::string text;
  for (int i = 0; i < reportPages_.count(); ++i) text += reportPages_.page(i);
  ctx_.sharedText = text;
  ResolutionCall::open(ctx_, ui_);
  ctx_.runMode = 1;
}

void MainScreen::Res_rtn() {
  ld_Kunshu_rtn();
  res_Mei_rtn();
  ++year_;
  Report::Limit_rtn(ctx_);
  ctx_.runMode = 1;
  Dsp_rtn();
  YearFigures(ctx_, allianceTroops_).record(year_, false);
  Tagun_rtn();
  if (year_ == endYear_ - 10) {
    reportText_ = std::string("中間報告（ゲーム終了１０年前）") + lineBreak_;
    ctx_.runMode = 3;
    Houkoku_rtn();
    ctx_.runMode = 1;
  }
  if (year_ >= endYear_) {
    gameOver_ = true;
    reportText_ = std::string("ゲーム最終結果") + lineBreak_;
    ctx_.runMode = 3;
    Houkoku_rtn();
    End_rtn();
  }
  resetBG();
}

void MainScreen::Houkoku_rtn() {
  Report report(ctx_, allianceTroops_);
  const int16 height = report.Houkoku_rtn(reportText_);
  ctx_.sharedText = reportText_;
  ctx_.runMode = 3;
  ResolutionCall::open(ctx_, ui_, height);
}

void MainScreen::End_rtn() {
  if (auto overview = ui_.makeScreen(ScreenKind::AllFactions, ctx_)) ui_.showModal(*overview);
  ctx_.runMode = 0;
  ResolutionCall::open(ctx_, ui_);
  ui_.endProgram();
}

// ---------------------------------------------------------------- faction detail

void MainScreen::openFactionDetail() {
  if (auto detail = ui_.makeScreen(ScreenKind::FactionDetail, ctx_)) ui_.showModal(*detail);
}

void MainScreen::Gun_lst_Click(int panel) {
  if (panel < 0 || panel >= kPanels) return;
  const ListBox& list = Gun_lst[static_cast<std::size_t>(panel)];
  if (!list.valid(list.listIndex)) return;
  const int faction = list.itemData(list.listIndex);
  ctx_.selectedFaction = static_cast<int16>(faction);
  ctx_.sharedText = chosenLineText(faction, panel) + "を画策中";
  openFactionDetail();
}

void MainScreen::dsp_PC_Click() {
  if (!dsp_PC.valid(dsp_PC.listIndex)) return;
  const int faction = dsp_PC.itemData(dsp_PC.listIndex);
  ctx_.selectedFaction = static_cast<int16>(faction);
  if (faction == 0) {
    ui_.msgBox(dsp_PC.text(dsp_PC.listIndex) + "は既に滅びています。", MsgStyle::OkOnly);
    return;
  }
  ctx_.sharedText.clear();
  for (int k = 0; k < kPanels; ++k) {
    for (const auto& item : Gun_lst[static_cast<std::size_t>(k)].items) {
      if (item.itemData == faction) ctx_.sharedText = chosenLineText(faction, k) + "を画策中";
    }
  }
  openFactionDetail();
}

// ---------------------------------------------------------------- menus

bool MainScreen::unsavedOk(const std::string& consequence) {
  return ctx_.saved ||
         ui_.msgBox("セーブをしてませんがよろしいですか？" + consequence, MsgStyle::YesNo) == MsgResult::Yes;
}

void MainScreen::cmdSave_Click() {
  ctx_.newOrLoaded = 1;
  ctx_.confirmResult = 0;
  ctx_.slotRecord[0] = year_;
  for (std::size_t k = 1; k < kPanels; ++k) ctx_.slotRecord[k] = ctx_.meishuKessoku[k];
  ctx_.slotRecord[4] = ctx_.scenario;
  if (auto screen = ui_.makeScreen(ScreenKind::SaveLoadScreen, ctx_)) ui_.showModal(*screen);
  ctx_.newOrLoaded = 0;  // the save screen's mode must not outlive it
}

void MainScreen::cmdLoad_Click() {
  if (!unsavedOk()) return;
  ctx_.newOrLoaded = 2;
  ctx_.confirmResult = 0;
  if (auto screen = ui_.makeScreen(ScreenKind::SaveLoadScreen, ctx_)) ui_.showModal(*screen);
  if (ctx_.confirmResult != 1) {
    ctx_.newOrLoaded = 0;
    return;
  }
  ctx_.saved = true;
  allLostAsked_ = false;  // a loaded game may lose all its players anew, and is asked anew
  startLoadedGame();
  ctx_.newOrLoaded = 0;
}

void MainScreen::newGame_Click() {
  if (!unsavedOk()) return;
  for (std::size_t slot = 0; slot <= 16; ++slot) {
    ctx_.playerFaction[slot] = 0;
    ctx_.playerRuler[slot] = 0;
    ctx_.playerAlliance[slot] = 0;
    ctx_.playerName[slot].clear();
  }
  // The title screen opens before this one closes, so the program never runs without a window.
  if (auto title = ui_.makeScreen(ScreenKind::TitleScreen, ctx_)) ui_.showModeless(std::move(title));
  unload();
}

void MainScreen::exitGame_Click() {
  // The player must see that yes ends the program, not just that the game is unsaved.
  if (unsavedOk(lineBreak_ + "（はいでゲームを終了します）")) ui_.endProgram();
}

bool MainScreen::Form_QueryUnload() {
  exitGame_Click();
  return false;
}

void MainScreen::cmdItiran_Click() {
  if (auto screen = ui_.makeScreen(ScreenKind::AllFactions, ctx_)) ui_.showModal(*screen);
}

void MainScreen::cmdSuii_Click() {
  if (auto screen = ui_.makeScreen(ScreenKind::HistoryCharts, ctx_)) ui_.showModal(*screen);
}

void MainScreen::mnLog_Click() {
  if (auto screen = ui_.makeScreen(ScreenKind::LogReader, ctx_)) ui_.showModeless(std::move(screen));
}

void MainScreen::cmdVer_Click() { ui_.msgBox(kVersion, MsgStyle::OkOnly); }

}  // namespace velkaro
