#pragma once
// The officer status screen: one officer's post, abilities and comment, and the doors to the
// officer editor and the comment editor.
#include <array>
#include <string>

#include "data/Bushou.h"
#include "ui/Screen.h"

namespace velkaro {

class OfficerStatus : public Screen {
 public:
  OfficerStatus(GameContext& context, Ui& ui);
  std::string screenName() const override { return "OfficerStatus"; }

  // Controls.
  Label Name_lab;
  Label Label1;                  // the post
  std::array<Label, 2> Skl_Kind; // 0 the post's ability headings, 1 "器量" / "節度"
  std::array<Label, 3> Skl_Lab;  // 1 the post's ability values, 2 charm / Setu
  Label Lab_cmt;                 // the comment
  Label Hlp;
  Button cmdEdit;   // "Edit"
  Button Command1;  // "Return"

  // Events.
  void Form_Load() override;
  void Lab_cmt_MouseMove();
  void Back_MouseMove();
  void Lab_cmt_Click();
  void cmdEdit_Click();
  void Command1_Click();

  // Workers.
  void init_rtn();
  void ld_Chr_rtn();
  void ld_Comment_rtn();
  void Dsp_Chr_rtn();

  Bushou& mj_Bushou() { return officer_; }
  const std::string& comment() const { return comment_; }

  static constexpr const char* kFictionalText = "この１ゲーム限りの架空の人物。";

 private:
  Bushou officer_;
  std::string comment_;
  std::string lineBreak_;
};

}  // namespace velkaro
