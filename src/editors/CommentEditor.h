#pragma once
// The comment editor: rewrites an officer's comment in the running game's comment file,
// giving him a new comment number when he has no record yet.
#include <array>
#include <optional>
#include <string>

#include "data/Bushou.h"
#include "ui/Screen.h"

namespace velkaro {

class CommentEditor : public Screen {
 public:
  static constexpr int kFictional = 200;     // marks fictional officers; never a record number
  static constexpr int kLargestNumber = 999; // headers carry three digits

  CommentEditor(GameContext& context, Ui& ui);
  std::string screenName() const override { return "CommentEditor"; }

  // Set by the opener before the editor is shown. The officer is changed in place when he
  // receives a new comment number.
  void setBushou(Bushou& officer) { mj_Bushou = &officer; }
  // The comment as the status screen shows it; it fills Txt_cmt once the editor has loaded.
  void fill(const std::string& comment) { comment_ = comment; }

  // Controls.
  Label Name_lab;
  TextBox Txt_cmt;
  std::array<Button, 2> Command1;  // 0 "戻る", 1 "決定"

  // Events.
  void Form_Load() override;
  void Command1_Click(int index);

  // Workers.
  void init_rtn();
  // Rewrites "\ini\Cmtsv.ini" with the comment of Txt_cmt under number cmtID, or under a new
  // number when there is no such record. False when the text was refused; nothing is written then.
  bool sv_Cmt_rtn(int cmtID);

  // True after "決定" stored the comment; the opener then shows Txt_cmt.
  bool stored() const { return stored_; }

  // The comment as it is stored: CR LF line ends, and a "." that would begin a line or a
  // comma-separated piece (and so read back as a record header) becomes a full-width "．".
  static std::string storedForm(const std::string& text);

 private:
  Bushou* mj_Bushou = nullptr;
  std::string comment_;
  bool stored_ = false;
};

}  // namespace velkaro
