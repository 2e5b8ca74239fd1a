#include "persistence/LogReader.h"

#include <algorithm>

#include "data/StatePaths.h"
#include "data/TextFile.h"

namespace velkaro {
namespace {
constexpr const char* kHeadingMark = "＝";  // the year heading lines of the log begin with it
constexpr int kHeadingsPerYear = 3;
constexpr int kLastReachablePage = 39;

bool startsWith(const std::string& line, const std::string& prefix) { return line.compare(0, prefix.size(), prefix) == 0; }
}  // namespace

LogReader::LogReader(GameContext& context, Ui& ui) : Screen(context, ui), filePass(paths::kLog) {
  Lbl_Caution.visible = false;
}

void LogReader::Form_Load() {
  init_rtn();
  ld_Text_rtn();
  dsp_Text_rtn(page_);
  resetEnable();
}

void LogReader::init_rtn() {
  Picture2Top = kViewportTop;
  Picture2Height = Picture1Height - 100;
  dspMsgTop = 0;
  dspMsgHeight = Picture2Height * 3;
  VScroll1.min = 0;
  VScroll1.largeChange = Picture2Height;
  VScroll1.smallChange = 100;
  Lbl_Caution.visible = false;
  caption = kGameTitle;
  lineBreak_ = kCrLf;
  Command1[0].caption = "閉";
  Command1[1].caption = "前ページ";
  Command1[2].caption = "次ページ";
  Command1[3].caption = "最終ページ";
  clear_Text_rtn();
  page_ = 0;
}

void LogReader::clear_Text_rtn() {
  for (auto& page : pages_) page.clear();
  lines_.fill(0);
}

void LogReader::ld_Text_rtn() {
  // A game whose log is gone shows empty pages rather than failing.
  if (!ctx_.dir.exists(filePass)) return;
  int headings = 0;
  int page = 0;
  for (const std::string& line : TextFile::readLines(ctx_.dir, filePass)) {
    if (startsWith(line, kHeadingMark)) ++headings;
    if (startsWith(line, "EOT")) break;
    if (headings == kHeadingsPerYear + 1) {
      headings = 1;
      ++page;
    }
    // The page table ends at page 40; a longer log is cut there instead of overrunning it.
    if (page >= kPages) break;
    const auto p = static_cast<std::size_t>(page);
    pages_[p] += line + lineBreak_;
    lines_[p] = sat16(lines_[p] + 1);
  }
}

void LogReader::dsp_Text_rtn(int page) {
  page = std::clamp(page, 0, kPages - 1);
  dspMsg.caption = pageText(page);
  const int lines = lineCount(page);
  int height = lines > 159 ? kMaxTextHeight : kLineHeight * lines;
  if (height < Picture2Height) height = Picture2Height;
  dspMsgHeight = height;
  VScroll1.max = Picture2Height - dspMsgHeight;
  // The position is kept across pages, but never outside the new range.
  const int value = std::clamp(VScroll1.value, VScroll1.max, VScroll1.min);
  if (value != VScroll1.value) {
    VScroll1.value = value;
    VScroll1_Change();
  }
}

void LogReader::VScroll1_Change() { dspMsgTop = VScroll1.value; }

void LogReader::resetEnable() {
  Command1[1].enabled = page_ > 0;
  const bool more = page_ <= kLastReachablePage && !empty(page_ + 1) && pageText(page_ + 1) != "EOT";
  Command1[2].enabled = more;
  Command1[3].enabled = more;
}

void LogReader::Command1_Click(int index) {
  switch (index) {
    case 0:
      ctx_.confirmResult = 1;
      unload();
      return;
    case 1:
      if (page_ >= 1) --page_;
      break;
    case 2:
      if (page_ < kLastReachablePage) ++page_;
      break;
    case 3: {
      int last = kLastReachablePage;
      for (int p = 0; p <= kLastReachablePage; ++p) {
        if (empty(p)) {
          // An empty log has no non-empty page before the first empty one: stay on page 0.
          last = std::max(p - 1, 0);
          break;
        }
      }
      page_ = static_cast<int16>(last);
      break;
    }
    default: return;
  }
  dsp_Text_rtn(page_);
  resetEnable();
}

}  // namespace velkaro
