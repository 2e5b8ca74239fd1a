#pragma once
// The save and load screen: the player types a slot number on the digit keys and saves the
// running game into that slot (mode 1) or loads the slot into the running game (mode 2).
#include <array>
#include <optional>
#include <string>

#include "ui/Screen.h"

namespace velkaro {

class SaveLoadScreen : public Screen {
 public:
  SaveLoadScreen(GameContext& context, Ui& ui);
  std::string screenName() const override { return "SaveLoadScreen"; }

  // Controls.
  Label Lab_num;                  // "save" and the typed digits
  Label Hlp;
  std::array<Button, 10> Command1;  // digit keys " 0" .. " 9"
  std::array<Button, 2> Command2;   // 0 "取消", 1 "決定"
  Button Command3;                  // "戻る"

  // Events.
  void Form_Load() override;
  bool Form_QueryUnload() override;  // closing the window is "戻る"
  void Command1_Click(int digit);
  void Command2_Click(int index);
  void Command3_Click();

  // Workers.
  void init_rtn();
  // Save: true when every slot file was written.
  bool save_rtn();
  // Load: true when the slot replaced the running game's files and values.
  bool load_rtn();
  // Reads and checks the slot for the load question; false when it cannot be loaded whole.
  bool Rinload_rtn();
  // Asks whether a slot whose files were changed outside the game is to be loaded as it
  // stands; true for a slot that was not changed, or when the player says Yes.
  bool changedOk();

  const std::string& typedNumber() const { return number_; }

  static constexpr int kSaveMode = 1;
  static constexpr int kLoadMode = 2;

 private:
  void saveSlot();
  void loadSlot();

  std::string number_;
  std::string lineBreak_;
  int16 previewYear_ = 0;
  int16 previewScenario_ = 0;
  std::string previewName_;
  std::string refusal_;  // why the last preview failed: the file and the reason
  std::optional<std::string> changedFile_;  // the first slot file that does not match the stamp
  bool changesAccepted_ = false;
};

}  // namespace velkaro
