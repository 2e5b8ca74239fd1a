#pragma once
// The title screen: splash, scenario and faction choice, new game, continue, officer restore.
#include <array>
#include <string>

#include "ui/Screen.h"

namespace velkaro {

class TitleScreen : public Screen {
 public:
  TitleScreen(GameContext& context, Ui& ui);
  std::string screenName() const override { return "TitleScreen"; }

  // Controls.
  Label Picture1;               // the splash picture
  Label Label1;                 // splash caption
  std::array<ListBox, 2> List1; // 0 scenarios, 1 factions of the chosen scenario
  std::array<Label, 2> Label2;  // 0 "君主名", 1 "シナリオ"
  Label Lab_txt;                // scenario description
  Label Hlp;                    // one-line hint
  Button Command2;              // "新規ゲーム"
  std::array<Button, 2> Command1;  // 0 "終了", 1 "続きから"
  Button cmdInit;               // "武将初期化"

  // Events.
  void Form_Load() override;
  void Timer_Timer(int index) override;
  void List1_Click(int index);
  void List1_MouseDown(int index) { List1_Click(index); }
  void List1_MouseMove(int index);
  void Back_MouseMove();
  void Label1_Click();
  void Picture1_Click();
  void Command2_Click();
  void Command1_Click(int index);
  void cmdInit_Click();

  // Workers.
  void init_rtn();
  void mk_Rinbusv();
  void mk_Gunsv_rtn();
  void ld_Gnm_rtn();
  void ld_Text_rtn();
  void initBushouFile();
  void ori_Chr_rtn();

  int splashCounter() const { return splash_; }
  const std::array<int16, 21>& rowToRuler() const { return rowToRuler_; }

  static constexpr const char* kCredit = "Velkaro 開発チーム　制作";
  static constexpr const char* kTitle = "Velkaro　－　Ostrel";

 private:
  void splashStep(bool fromTimer);
  void openFactionDetail();
  void openMain();

  int16 splash_ = 0;
  std::string lineBreak_;
  std::string description_;
  std::array<int16, 21> rowToRuler_{};
};

}  // namespace velkaro
