#pragma once
// The resolution screen's narration: 41 pages, the page being written, and the "EOT" page
// that ends the pages in use.
#include <string>

#include "data/PageTable.h"

namespace velkaro {

class MessageBuffer {
 public:
  static constexpr int kPages = 41;
  static constexpr const char* kTerminator = "EOT";

  // Appends to the current page.
  void append(const std::string& text) { table_.append(text); }
  // Moves on to the next page; a year that runs out of pages keeps writing on page 40. An empty
  // page is never left behind: after a step that wrote nothing (a drawn righteous war) the
  // next text lands on the page still open, so no blank page is shown or logged.
  void nextPage() {
    if (!table_.page(table_.index()).empty()) table_.nextPage();
  }

  int index() const { return table_.index(); }
  void setIndex(int index) { table_.setIndex(index); }

  const std::string& page(int i) const { return table_.page(i); }
  void setPage(int i, const std::string& text) {
    if (i >= 0 && i < kPages) table_.page(i) = text;
  }

  // Pages 0..40 empty, current page 0.
  void clear() { table_.clear(); }

  // Page i is the terminator. The place after page 40 counts as one, so a year that filled
  // every page still has an end.
  bool isEot(int i) const { return i >= kPages || (i >= 0 && table_.page(i) == kTerminator); }

  // Marks the page after the current one as the end.
  void terminateAfterCurrent() { setPage(index() + 1, kTerminator); }

  // The last page in use: the first page followed by the terminator.
  int lastPage() const;
  int pagesInUse() const { return lastPage() + 1; }

  // The page table itself, for the template reader.
  PageTable& table() { return table_; }

 private:
  PageTable table_{kPages};
};

}  // namespace velkaro
