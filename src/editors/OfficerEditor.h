#pragma once
// The officer editor: changes an officer's post and abilities in the running game and in the
// scenario's officer master.
#include <array>
#include <optional>
#include <string>

#include "data/Bushou.h"
#include "ui/Screen.h"

namespace velkaro {

class OfficerEditor : public Screen {
 public:
  static constexpr int kJobBoxes = 4;

  OfficerEditor(GameContext& context, Ui& ui);
  std::string screenName() const override { return "OfficerEditor"; }

  // The officer to edit; a confirmed edit changes it in place, so the opener sees the result.
  void setBushou(Bushou& officer) { mj_Bushou = &officer; }

  // Controls.
  Label Name_lab;
  ListBox cmbJob;                              // the six posts; list index + 1 = Job
  std::array<Label, kJobBoxes> Skl_Kind;       // headings of the post's abilities
  std::array<TextBox, kJobBoxes> Skl_Lab;      // their values
  std::array<Label, 2> Fix_Kind;               // "器量", "節度"
  std::array<TextBox, 2> Fix_Lab;              // charm, Setu
  Label Hlp;
  Button cmdEdit;   // "OK"
  Button cmdInit;   // "Default"
  Button Command1;  // "Cancel"

  // Events.
  void Form_Load() override;
  void cmbJob_Click();
  void cmbJob_Change() { cmbJob_Click(); }
  void cmdEdit_Click();
  void cmdInit_Click();
  void Command1_Click();
  void Back_MouseMove();

  // Workers.
  void init_rtn();
  void Dsp_Chr_rtn(const Bushou& b);
  void Dsp_Chr_rtn1();

  // The post chosen in cmbJob, 0 when none is.
  int selectedJob() const;
  // The numeric value of a box as the range check reads it; nullopt for text that is no number.
  static std::optional<double> boxValue(const std::string& text);

  static constexpr const char* kRangeMessage = "能力値は1以上10以下にして下さい";

 private:
  // Writes the edit into the running game and the master, both or neither. Throws DataError.
  void store(const Bushou& edited) const;

  Bushou* mj_Bushou = nullptr;
  Bushou shown_;  // the values on display: the officer's own, or the backup's after "Default"
};

}  // namespace velkaro
