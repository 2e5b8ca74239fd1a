#include "ui/qt/Views.h"

#include "ui/qt/ALL_GdataView.h"
#include "ui/qt/All_BdataView.h"
#include "ui/qt/B_dataView.h"
#include "ui/qt/Cmt_EditView.h"
#include "ui/qt/DLogReaderView.h"
#include "ui/qt/EditorView.h"
#include "ui/qt/Form2View.h"
#include "ui/qt/GdataView.h"
#include "ui/qt/MainView.h"
#include "ui/qt/MsgView.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/SVLDView.h"
#include "ui/qt/StatusView.h"
#include "ui/qt/StrateView.h"

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
  add<SVLD, SVLDView>(ui, "SVLD");
  add<DLogReader, DLogReaderView>(ui, "DLogReader");
  add<Gdata, GdataView>(ui, "Gdata");
  add<ALL_Gdata, ALL_GdataView>(ui, "ALL_Gdata");
  add<B_data, B_dataView>(ui, "B_data");
  add<All_Bdata, All_BdataView>(ui, "All_Bdata");
  add<Status, StatusView>(ui, "Status");
  add<Editor, EditorView>(ui, "Editor");
  add<Cmt_Edit, Cmt_EditView>(ui, "Cmt_Edit");
  add<Main, MainView>(ui, "Main");
  add<Strate, StrateView>(ui, "Strate");
  add<Msg, MsgView>(ui, "Msg");
}

}  // namespace velkaro::qt
