#pragma once
// The officer lists of every faction: one panel per faction with the names of its officers;
// destroyed factions are greyed.
#include <array>
#include <cstdint>
#include <string>

#include "ui/Screen.h"

namespace velkaro {

class FactionOfficerLists : public Screen {
 public:
  static constexpr int kPanels = 13;
  static constexpr std::uint32_t kDestroyedColour = 0xC0C0C0;  // light grey, 192 192 192

  FactionOfficerLists(GameContext& context, Ui& ui);
  std::string screenName() const override { return "FactionOfficerLists"; }

  // Controls; panel i shows faction i + 1.
  std::array<Label, kPanels> Lab_name;
  std::array<std::uint32_t, kPanels> Lab_nameBackColour{};
  std::array<ListBox, kPanels> Chr_lst;
  Button Command1;  // "戻る"

  // Events.
  void Form_Load() override;
  void Chr_lst_Click(int index);
  void Command1_Click();

  // Workers.
  void init_rtn();
  void Dsp_rtn();
  void ld_Gnm_rtn();
  void ld_Cnm_rtn();

 private:
  std::array<int16, 201> rulerToFaction_{};
};

}  // namespace velkaro
