#include "ui/qt/Views.h"

#include "ui/qt/Form2View.h"
#include "ui/qt/MainView.h"
#include "ui/qt/MsgView.h"
#include "ui/qt/StrateView.h"
#include "ui/qt/QtUi.h"

namespace velkaro::qt {
namespace {

template <typename ScreenT, typename ViewT>
void add(QtUi& ui, const char* name) {
  ui.registerView(name, [](Screen& screen, QtUi& owner) -> ScreenView* {
    return new ViewT(static_cast<ScreenT&>(screen), owner);
  });
}

}  // namespace

void registerViews(QtUi& ui) {
  add<Form2, Form2View>(ui, "Form2");
  add<Main, MainView>(ui, "Main");
  add<Msg, MsgView>(ui, "Msg");
  add<Strate, StrateView>(ui, "Strate");
}

}  // namespace velkaro::qt
