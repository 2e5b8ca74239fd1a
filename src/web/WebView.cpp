#include "web/WebView.h"

namespace velkaro::web {
namespace {

// An empty name writes the control as an item of the open list.
void start(Json& out, std::string_view name) {
  if (!name.empty()) out.key(name);
  out.open();
}

}  // namespace

void WebView::put(Json& out, std::string_view name, const Label& label) {
  start(out, name);
  out.key("t").text(label.caption);
  if (!label.visible) out.key("hidden").flag(true);
  if (!label.enabled) out.key("disabled").flag(true);
  if (!label.toolTip.empty()) out.key("tip").text(label.toolTip);
  out.close();
}

void WebView::put(Json& out, std::string_view name, const TextBox& box) {
  start(out, name);
  out.key("t").text(box.text);
  if (!box.visible) out.key("hidden").flag(true);
  if (!box.enabled) out.key("disabled").flag(true);
  if (box.locked) out.key("locked").flag(true);
  out.close();
}

void WebView::put(Json& out, std::string_view name, const ListBox& list) {
  start(out, name);
  out.key("items").list();
  for (const auto& item : list.items) out.text(item.text);
  out.end();
  out.key("index").number(static_cast<long long>(list.listIndex));
  if (list.multiSelect) {
    out.key("multi").flag(true);
    out.key("sel").list();
    for (int i = 0; i < list.listCount(); ++i) {
      if (list.selected(i)) out.number(static_cast<long long>(i));
    }
    out.end();
  }
  if (!list.visible) out.key("hidden").flag(true);
  if (!list.enabled) out.key("disabled").flag(true);
  if (list.backColour != kWindowColour) out.key("bg").colour(list.backColour);
  if (!list.toolTip.empty()) out.key("tip").text(list.toolTip);
  out.close();
}

}  // namespace velkaro::web
