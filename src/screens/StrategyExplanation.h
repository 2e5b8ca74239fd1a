#pragma once
// The strategy explanation screen: explains one offer and, in its confirming modes, lets the
// player choose it.
#include <array>
#include <string>

#include "ui/Screen.h"

namespace velkaro {

class StrategyExplanation : public Screen {
 public:
  StrategyExplanation(GameContext& context, Ui& ui) : Screen(context, ui) {}
  std::string screenName() const override { return "StrategyExplanation"; }

  Label Label1;                    // heading: the shared text
  Label Lab_txt;                   // the explanation
  std::array<Button, 3> Command1;  // 0 "戻る", 1 "決定", 2 "<name>のデータ"

  void Form_Load() override;
  bool Form_QueryUnload() override;
  void Command1_Click(int index);

  void init_rtn();
  void dsp_Cmd_rtn();
  void dsp_Text_rtn();
  std::string ld_Text_rtn() const;

 private:
  std::string lineBreak_;
};

}  // namespace velkaro
