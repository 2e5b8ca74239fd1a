#pragma once
// The faction detail screen: one faction's six figures and its officers listed by post.
#include <array>
#include <string>

#include "data/Bushou.h"
#include "data/Gun.h"
#include "ui/Screen.h"

namespace velkaro {

class FactionDetail : public Screen {
 public:
  static constexpr int kLists = 5;  // 文官, 武官, 参謀（軍師）, 将軍, 君主

  FactionDetail(GameContext& context, Ui& ui);
  std::string screenName() const override { return "FactionDetail"; }

  // Controls.
  Label Label1;                     // the six headings, one per line
  Label Label2;                     // the six figures, one per line
  Label Txt_lab;                    // the opener's shared text
  std::array<Label, kLists> Frame1; // headings of the officer lists
  std::array<ListBox, kLists> Chr_lst;
  std::array<Button, 2> Command1;   // 0 "戻る", 1 "武将一覧"

  // Events.
  void Form_Load() override;
  void Chr_lst_Click(int index);
  void Command1_Click(int index);

  // Workers.
  void init_rtn();
  void ld_Gun_rtn();
  void Dsp_Gun_rtn();
  void Dsp_Chr_rtn();
  void ld_Chr_rtn();

  const gun& faction() const { return faction_; }
  const Bushou& ruler() const { return ruler_; }

  // The list of a post: 1 → 0 … 5 → 4, and 軍師 shares the list of 参謀; -1 for no list.
  static int listOfJob(int job);

 private:
  int16 factionId_ = 0;
  gun faction_;
  Bushou ruler_;
  std::string lineBreak_;
};

}  // namespace velkaro
