#pragma once
// The officer table: every officer serving one ruler, one row each, with the abilities his
// post shows.
#include <array>
#include <string>

#include "ui/Screen.h"

namespace velkaro {

class OfficerRoster : public Screen {
 public:
  static constexpr int kHeadings = 8;
  static constexpr int kColumns = 7;  // 政治, 武勇, 智謀, 采配, 器量, 節度, 職業

  OfficerRoster(GameContext& context, Ui& ui);
  std::string screenName() const override { return "OfficerRoster"; }

  // Controls; every column holds one line per officer.
  std::array<Label, kHeadings> Lab_Cate;
  Label Lab_name;
  Label Lab_id;
  std::array<Label, kColumns> Lab_abl;
  Button Command1;  // "戻る"
  Label Hlp;

  // Events.
  void Form_Load() override;
  void Command1_Click();

  // Workers.
  void init_rtn();
  void Dsp_rtn();
  void Dsp_Chr_rtn();

 private:
  void addLine(Label& column, const std::string& text) { column.caption += text + lineBreak_; }
  std::string lineBreak_;
};

}  // namespace velkaro
