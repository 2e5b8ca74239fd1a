#pragma once
// The main screen: the faction panels and strategy menus of the year, the turn order over the
// human players, and the yearly cycle (resolution, year end, new year, reports, game end).
#include <array>
#include <string>

#include "data/PageTable.h"
#include "data/StateFiles.h"
#include "ui/Screen.h"

namespace velkaro {

class MainScreen : public Screen {
 public:
  MainScreen(GameContext& context, Ui& ui);
  std::string screenName() const override { return "MainScreen"; }

  // Controls.
  std::array<Label, kPanels> Frame1;    // panel headings: "独立軍閥" or the leader's faction name
  std::array<Label, kPanels> Label1;    // "所属軍閥" above each faction list
  std::array<ListBox, kPanels> Gun_lst; // factions of each panel (item data = faction id)
  std::array<ListBox, kPanels> Com_Lst; // the year's strategy menu of each panel (item data = strategy)
  std::array<Label, kPanels> Lab_Mei;   // "同盟総兵力" / "同盟の結束力" (alliance panels)
  std::array<Label, kPanels> Lab_MeiVal;  // their values
  Label Lab_hlp;                        // the year line
  Label Label6;                         // whose turn it is
  ListBox dsp_PC;                       // the human players' factions
  std::array<Button, 4> Command1;       // index 3: "Auto"

  // Events.
  void Form_Load() override;
  bool Form_QueryUnload() override;
  void Command1_Click(int index);
  void Com_Lst_Click(int panel);
  void Gun_lst_Click(int panel);
  void dsp_PC_Click();
  void cmdSave_Click();
  void cmdLoad_Click();
  void newGame_Click();
  void exitGame_Click();
  void cmdItiran_Click();
  void cmdSuii_Click();  // 勢力推移
  void mnLog_Click();
  void cmdVer_Click();

  // Workers.
  void init_rtn();
  void Dsp_rtn();
  void Dsp_Gun_rtn();
  void dsp_Init_rtn();
  void ld_Meiichi_rtn();
  void ld_Com_rtn();
  void ld_Kunshu_rtn();
  void ini_Mei_rtn();
  void res_Mei_rtn();
  void resetBG();
  void tebanIncliment_rtn();
  void Tagun_rtn();
  void Strate_rtn();
  void T_End_rtn();
  void Res_rtn();
  void Houkoku_rtn();
  void End_rtn();
  void mk_Gunsv_rtn();

  int16 year() const { return year_; }
  int16 endYear() const { return endYear_; }
  int16 teban() const { return teban_; }
  bool gameOver() const { return gameOver_; }
  // The panel whose menu the current player may choose from, or -1 when nobody is choosing.
  int currentPanel() const;
  const std::array<long, kPanels>& allianceTroops() const { return allianceTroops_; }

  static constexpr const char* kVersion = "Velkaro・Ostrel\r\nバージョン 0.1.0\r\n三国の群雄が覇を競う戦略シミュレーション";

 private:
  void startNewGame();
  void startLoadedGame();
  void setScenarioValues();
  void endTurn();
  void forgetLines();
  bool unsavedOk(const std::string& consequence = {});
  std::string chosenLineText(int faction, int panel) const;
  // The player confirms the explained line: it becomes the faction's choice and the turn passes.
  void confirmLine(const std::string& heading, int line);
  void openFactionDetail();

  int16 year_ = 0;
  int16 endYear_ = 0;
  int16 teban_ = 0;
  std::string lineBreak_;
  std::string reportText_;
  PageTable reportPages_{41};
  bool allLostAsked_ = false;
  bool gameOver_ = false;
  StateFiles::FactionColumn rulers_{};
  std::array<long, kPanels> allianceTroops_{};
  std::array<std::string, kPanels> headings_{};
};

}  // namespace velkaro
