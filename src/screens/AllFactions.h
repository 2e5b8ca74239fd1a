#pragma once
// The all-factions overview: one row per surviving faction with its figures, officer count
// and alliance leader.
#include <array>
#include <string>
#include <vector>

#include "ui/Screen.h"

namespace velkaro {

class AllFactions : public Screen {
 public:
  static constexpr int kHeadings = 10;
  static constexpr int kColumns = 8;  // 総兵力, 精兵, 政安, 結束, 名声, 畏怖, 武将数, 盟主

  AllFactions(GameContext& context, Ui& ui);
  std::string screenName() const override { return "AllFactions"; }

  // Controls; every column holds one line per surviving faction.
  std::array<Label, kHeadings> Lab_Cate;
  Label Lab_name;
  std::array<Label, kColumns> Lab_abl;
  std::array<Button, 2> Command1;  // 0 "戻る", 1 "武将リスト"

  // Events.
  void Form_Load() override;
  void Command1_Click(int index);

  // Workers.
  void init_rtn();
  void Dsp_rtn();
  void Dsp_Gun_rtn();
  void ld_Cnm_rtn();
  void Dsp_Gun_rtn2();

  // The faction ids of the rows, in row order.
  const std::vector<int>& rowFactions() const { return rows_; }

 private:
  void addLine(Label& column, const std::string& text) { column.caption += text + lineBreak_; }

  std::vector<int> rows_;
  std::array<std::string, 201> officerNames_;
  std::string lineBreak_;
};

}  // namespace velkaro
