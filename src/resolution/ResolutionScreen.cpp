#include "resolution/ResolutionScreen.h"

#include "data/Membership.h"
#include "data/StateFiles.h"
#include "data/TextFile.h"
#include "resolution/BattleLog.h"
#include "resolution/Destruction.h"
#include "resolution/YearlyPass.h"
#include "war/Battle.h"

namespace velkaro {
namespace {

// Characters, not bytes: a kanji counts once.
int characters(const std::string& utf8) {
  int n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

}  // namespace

ResolutionScreen::ResolutionScreen(GameContext& context, Ui& ui) : Screen(context, ui), board_(context) {
  timers.resize(1);
  timers[0] = Timer{kTimerInterval, false};
  Picture1 = Area{120, 120, 9600, 6240};
}

void ResolutionScreen::Form_Load() {
  init_rtn();
  switch (ctx_.runMode) {
    case 0:
      Command1[0].enabled = false;
      credit();
      timers[0].enabled = true;
      ui_.timersChanged(*this);
      break;
    case 1:
      ld_Chr();
      ld_Gun();
      ld_Chr2();
      Strate_rtn();
      mkLog();
      break;
    default:
      board_.pages.setPage(0, ctx_.sharedText);
      board_.pages.setPage(1, MessageBuffer::kTerminator);
      break;
  }
  dsp_Cmd_rtn();
  board_.pages.setIndex(0);
  dsp_Text_rtn();
  resetEnable();
}

void ResolutionScreen::init_rtn() {
  Picture2 = Area{60, 50, Picture1.width - 420, Picture1.height - 100};
  Label1Area = Area{0, 0, Picture2.width, static_cast<int>(intFloor(Picture2.height * 1.6))};
  VScroll1 = ScrollBar{0, static_cast<int>(cint(Picture2.height - Label1Area.height)), 0, Picture2.height, 100};
  Lbl_Caution.caption = kCaution;
  Lbl_Caution.visible = false;
  caption = kGameTitle;
  clear_Text_rtn();
  board_.pages.setIndex(0);
  const std::string rule = "＝＝＝＝＝＝＝＝＝";
  board_.pages.setPage(0, rule + kCrLf + "＝＝ 　" + std::to_string(ctx_.resolutionYear) + "年　＝＝" + kCrLf + rule + kCrLf);
}

void ResolutionScreen::dsp_Cmd_rtn() {
  Command1[0].caption = "閉";
  Command1[1].caption = "前ページ";
  Command1[2].caption = "次ページ";
  Command1[3].caption = "最終ページ";
}

void ResolutionScreen::dsp_Text_rtn() {
  const MessageBuffer& pages = board_.pages;
  Label1.caption = pages.page(pages.index());
  int height = 0;
  if (parmTextHeight > 0) {
    height = parmTextHeight;
  } else {
    const int length = characters(Label1.caption);
    height = length < 2000 ? 12 * length : 30400;
  }
  if (height < Picture2.height) height = Picture2.height;
  Label1Area.height = height;
  VScroll1.max = Picture2.height - height;
  if (VScroll1.value < VScroll1.max) VScroll1.value = VScroll1.max;
  if (VScroll1.value > VScroll1.min) VScroll1.value = VScroll1.min;
  VScroll1_Change();
  if (pages.isEot(pages.index() + 1)) Command1[0].enabled = true;
}

void ResolutionScreen::resetEnable() {
  const MessageBuffer& pages = board_.pages;
  const int current = pages.index();
  Command1[1].enabled = current > 0;
  // Page 40 is reachable only when a long year filled the buffer up to it.
  const bool more = !pages.isEot(current + 1);
  Command1[2].enabled = more;
  Command1[3].enabled = more;
}

void ResolutionScreen::clear_Text_rtn() { board_.pages.clear(); }

void ResolutionScreen::Command1_Click(int index) {
  if (index < 0 || index > 3 || !Command1[static_cast<std::size_t>(index)].enabled) return;
  MessageBuffer& pages = board_.pages;
  const int current = pages.index();
  switch (index) {
    case 0:
      ctx_.confirmResult = 1;
      parmTextHeight = 0;
      timers[0].enabled = false;
      ui_.timersChanged(*this);
      unload();
      return;
    case 1:
      if (current > 0) pages.setIndex(current - 1);
      break;
    case 2:
      if (!pages.isEot(current + 1)) pages.setIndex(current + 1);
      break;
    case 3: pages.setIndex(pages.lastPage()); break;
    default: break;
  }
  dsp_Text_rtn();
  resetEnable();
}

bool ResolutionScreen::Form_QueryUnload() {
  // The window's own close box counts as "閉", and is refused while "閉" is disabled.
  if (!Command1[0].enabled) return false;
  ctx_.confirmResult = 1;
  parmTextHeight = 0;
  timers[0].enabled = false;
  return true;
}

void ResolutionScreen::VScroll1_Change() { Label1Area.top = VScroll1.value; }

void ResolutionScreen::Timer_Timer(int /*index*/) { Timer1_Timer(); }

void ResolutionScreen::Timer1_Timer() {
  if (ctx_.runMode != 0) return;
  MessageBuffer& pages = board_.pages;
  if (pages.isEot(pages.index() + 1)) return;
  pages.setIndex(pages.index() + 1);
  dsp_Text_rtn();
  resetEnable();
}

void ResolutionScreen::ld_Text_rtn() { board_.ld_Text_rtn(); }

void ResolutionScreen::ld_Chr() {
  board_.officers.clear();
  StateFiles(ctx_.dir).loadOfficers(board_.officers, board_.officerMax());
}

void ResolutionScreen::ld_Gun() {
  board_.factions.clear();
  StateFiles(ctx_.dir).loadFactions(board_.factions, board_.factionMax());
}

void ResolutionScreen::ld_Chr2() {
  Membership::deriveGunIds(board_.officers, board_.factions, board_.officerMax(), board_.factionMax());
}

void ResolutionScreen::sv_Chr() { StateFiles(ctx_.dir).saveOfficers(board_.officers, board_.officerMax()); }

void ResolutionScreen::sv_Gun() { StateFiles(ctx_.dir).saveFactions(board_.factions, board_.factionMax()); }

void ResolutionScreen::Strate_rtn() {
  YearlyPass pass(*this);
  pass.run();
  checkMetubou();
  Lbl_Caution.visible = pass.attacked();
  board_.pages.terminateAfterCurrent();
  sv_Chr();
  sv_Gun();
}

void ResolutionScreen::War_rtn(gun& g1, gun& g2) {
  ++warsFought;
  Battle battle(board_);
  battle.War_rtn(g1, g2);
  battles.push_back({false, battle.plan(), battle.verdict()});
}

void ResolutionScreen::Gisen_rtn(gun& g1, gun& g2) {
  ++gisenFought;
  Battle battle(board_);
  battle.Gisen_rtn(g1, g2);
  battles.push_back({true, battle.plan(), battle.verdict()});
}

void ResolutionScreen::checkMetubou() {
  const Destruction::Result result = Destruction(board_).checkMetubou();
  Metubou_Flg = result.playerFell;
  All_Metubou_Flg = result.allPlayersGone;
}

void ResolutionScreen::Metubou(int factionId) { Destruction(board_).Metubou(factionId); }

void ResolutionScreen::looseMeishu(int factionId) { Destruction(board_).looseMeishu(factionId); }

bool ResolutionScreen::checkAllMetubou() const { return Destruction::checkAllMetubou(board_); }

void ResolutionScreen::mkLog() { BattleLog::mkLog(ctx_.dir, board_.pages); }

void ResolutionScreen::credit() { BattleLog::credit(board_.pages); }

}  // namespace velkaro
