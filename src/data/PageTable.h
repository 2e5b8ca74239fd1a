#pragma once
// Pages of text collected from templates, with the index of the page being written.
#include <string>
#include <vector>

namespace velkaro {

class PageTable {
 public:
  explicit PageTable(int pageCount = 41) : pages_(static_cast<std::size_t>(pageCount < 1 ? 1 : pageCount)) {}

  void append(const std::string& text) { pages_[static_cast<std::size_t>(index_)] += text; }
  // Moves to the next page; on the last page it stays there, so nothing ever overruns.
  void nextPage() {
    if (index_ + 1 < count()) ++index_;
  }
  void clear() {
    for (auto& page : pages_) page.clear();
    index_ = 0;
  }

  int index() const { return index_; }
  void setIndex(int index) { index_ = index < 0 ? 0 : (index >= count() ? count() - 1 : index); }
  int count() const { return static_cast<int>(pages_.size()); }
  const std::string& page(int i) const { return pages_[static_cast<std::size_t>(i)]; }
  std::string& page(int i) { return pages_[static_cast<std::size_t>(i)]; }

 private:
  std::vector<std::string> pages_;
  int index_ = 0;
};

}  // namespace velkaro
