#pragma once
// The controls a screen owns, as plain state that any front end can draw.
#include <cstdint>
#include <string>
#include <vector>

namespace velkaro {

// Colours are 0xRRGGBB; kWindowColour means "the system window colour".
inline constexpr std::uint32_t kWindowColour = 0xFFFFFFFFu;
inline constexpr std::uint32_t kLightBlue = 0xC0FFFFu;

struct Label {
  std::string caption;
  bool visible = true;
  bool enabled = true;
  std::string toolTip;
};

struct Button : Label {};

struct TextBox {
  std::string text;
  bool visible = true;
  bool enabled = true;
  bool locked = false;
};

class ListBox {
 public:
  struct Item {
    std::string text;
    int itemData = 0;
    bool selected = false;
  };

  void clear() {
    items.clear();
    listIndex = -1;
  }
  void addItem(std::string text, int itemData = 0) { items.push_back({std::move(text), itemData, false}); }
  int listCount() const { return static_cast<int>(items.size()); }
  int itemData(int index) const { return valid(index) ? items[static_cast<std::size_t>(index)].itemData : 0; }
  const std::string& text(int index) const;
  bool selected(int index) const { return valid(index) && items[static_cast<std::size_t>(index)].selected; }
  void setSelected(int index, bool on) {
    if (valid(index)) items[static_cast<std::size_t>(index)].selected = on;
  }
  int selCount() const {
    int n = 0;
    for (const auto& item : items) n += item.selected ? 1 : 0;
    return n;
  }
  bool valid(int index) const { return index >= 0 && index < listCount(); }

  std::vector<Item> items;
  int listIndex = -1;
  bool multiSelect = false;
  bool visible = true;
  bool enabled = true;
  std::uint32_t backColour = kWindowColour;
  std::string toolTip;
};

struct Timer {
  int interval = 0;  // milliseconds
  bool enabled = false;
};

}  // namespace velkaro
