#pragma once
// The battle-log reader: shows the running game's log one year per page, with a vertical
// scroll over a page's text. Opened without blocking the main screen.
#include <array>
#include <string>

#include "ui/Screen.h"

namespace velkaro {

// A vertical scroll bar in layout units; its value is 0 or negative and moves the text up.
struct ScrollBar {
  int min = 0;
  int max = 0;
  int value = 0;
  int largeChange = 0;
  int smallChange = 0;
};

class LogReader : public Screen {
 public:
  static constexpr int kPages = 41;
  static constexpr int kLineHeight = 190;        // layout units per text line
  static constexpr int kMaxTextHeight = 30400;   // the text of a page of more than 159 lines
  static constexpr int kFrameHeight = 6000;      // Picture1
  static constexpr int kViewportTop = 50;

  LogReader(GameContext& context, Ui& ui);
  std::string screenName() const override { return "LogReader"; }

  // The log to read, as a game file name; the main screen leaves it at "\ini\velkaro.log".
  std::string filePass;

  // Controls. Lengths are layout units.
  int Picture1Height = kFrameHeight;
  int Picture2Top = 0;
  int Picture2Height = 0;  // the viewport
  Label dspMsg;
  int dspMsgTop = 0;
  int dspMsgHeight = 0;
  ScrollBar VScroll1;
  std::array<Button, 4> Command1;  // 0 "閉", 1 "前ページ", 2 "次ページ", 3 "最終ページ"
  Label Lbl_Caution;

  // Events.
  void Form_Load() override;
  void Command1_Click(int index);
  void VScroll1_Change();

  // Workers.
  void init_rtn();
  void clear_Text_rtn();
  void ld_Text_rtn();
  void dsp_Text_rtn(int page);
  void resetEnable();

  int currentPage() const { return page_; }
  const std::string& pageText(int page) const { return pages_[static_cast<std::size_t>(page)]; }
  int16 lineCount(int page) const { return lines_[static_cast<std::size_t>(page)]; }

 private:
  bool empty(int page) const { return pageText(page).empty(); }

  std::array<std::string, kPages> pages_;
  std::array<int16, kPages> lines_{};
  int16 page_ = 0;
  std::string lineBreak_;
};

}  // namespace velkaro
