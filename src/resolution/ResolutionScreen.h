#pragma once
// The resolution screen: carries out the year's strategies (run mode 1), shows year-end
// results and reports (2, 3) or the credits (0), one page of narration at a time.
#include <array>
#include <string>
#include <vector>

#include "board/Board.h"
#include "ui/Screen.h"

namespace velkaro {

class ResolutionScreen : public Screen {
 public:
  ResolutionScreen(GameContext& context, Ui& ui);
  std::string screenName() const override { return "ResolutionScreen"; }

  // Geometry in the screen's layout units (15 to a pixel); the text counts 12 per character.
  struct Area {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
  };
  // A vertical scroll bar whose far end is zero or negative: it moves the text label upward.
  struct ScrollBar {
    int min = 0;
    int max = 0;
    int value = 0;
    int largeChange = 0;
    int smallChange = 0;
  };

  // Controls.
  Area Picture1;     // frame of the text area
  Area Picture2;     // viewport inside the frame (relative to it)
  Label Label1;      // the current page
  Area Label1Area;   // the text label inside the viewport (relative to it)
  ScrollBar VScroll1;
  std::array<Button, 4> Command1;  // 0 "閉", 1 "前ページ", 2 "次ページ", 3 "最終ページ"
  Label Lbl_Caution;               // "プレイヤーが攻撃を受けています"
  // Timer1 is timers[0]: 3200 ms, pages the credits.

  // Read by the main screen after a year has been carried out.
  bool Metubou_Flg = false;      // a human player's faction fell this year
  bool All_Metubou_Flg = false;  // every human player's faction is gone
  int16 parmTextHeight = 0;      // text height asked for by the opener; 0 = by the text
  // Counted for the simulator's summary: battles, lines carried out by an actor per strategy
  // number, and each battle's plan and verdict (0 draw, 1 the attacker won, 2 the defender).
  int warsFought = 0;
  int gisenFought = 0;
  std::array<int, 14> carriedOut{};
  struct BattleResult {
    bool gisen = false;
    int plan = 0;
    int verdict = 0;
  };
  std::vector<BattleResult> battles;

  // Events.
  void Form_Load() override;
  void Timer_Timer(int index) override;
  bool Form_QueryUnload() override;
  void Command1_Click(int index);
  void VScroll1_Change();
  void Timer1_Timer();

  // Screen workers.
  void init_rtn();
  void dsp_Cmd_rtn();
  void dsp_Text_rtn();
  void resetEnable();
  void clear_Text_rtn();
  void ld_Text_rtn();

  // Tables.
  void ld_Chr();
  void ld_Gun();
  void ld_Chr2();
  void sv_Chr();
  void sv_Gun();
  bool isPlayer(int factionId) const { return board_.isPlayer(factionId); }
  int Sch_chr_rtn(int factionId) { return board_.Sch_chr_rtn(factionId); }

  // The year.
  void Strate_rtn();
  void War_rtn(gun& g1, gun& g2);
  void Gisen_rtn(gun& g1, gun& g2);
  void checkMetubou();
  void Metubou(int factionId);
  void looseMeishu(int factionId);
  bool checkAllMetubou() const;
  void mkLog();
  void credit();

  // The narration as a front end without windows reads it.
  int currentPage() const { return board_.pages.index(); }
  int pageCount() const { return board_.pages.pagesInUse(); }
  const std::string& pageText(int i) const { return board_.pages.page(i); }

  Board& board() { return board_; }
  const Board& board() const { return board_; }

  static constexpr int kTimerInterval = 3200;
  static constexpr const char* kCaution = "プレイヤーが攻撃を受けています";

 private:
  Board board_;
};

}  // namespace velkaro
