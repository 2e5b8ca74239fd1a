#include "screens/ScreenFactory.h"

#include "editors/Cmt_Edit.h"
#include "editors/Editor.h"
#include "persistence/DLogReader.h"
#include "persistence/SVLD.h"
#include "screens/ALL_Gdata.h"
#include "screens/All_Bdata.h"
#include "screens/B_data.h"
#include "screens/Gdata.h"
#include "screens/Status.h"
#include "resolution/Msg.h"
#include "screens/Strate.h"
#include "setup/Form2.h"
#include "turn/Main.h"

namespace velkaro {

std::unique_ptr<Screen> ScreenFactory::make(ScreenKind kind, GameContext& context, Ui& ui) {
  switch (kind) {
    case ScreenKind::Form2: return std::make_unique<Form2>(context, ui);
    case ScreenKind::SVLD: return std::make_unique<SVLD>(context, ui);
    case ScreenKind::DLogReader: return std::make_unique<DLogReader>(context, ui);
    case ScreenKind::Gdata: return std::make_unique<Gdata>(context, ui);
    case ScreenKind::ALL_Gdata: return std::make_unique<ALL_Gdata>(context, ui);
    case ScreenKind::B_data: return std::make_unique<B_data>(context, ui);
    case ScreenKind::All_Bdata: return std::make_unique<All_Bdata>(context, ui);
    case ScreenKind::Status: return std::make_unique<Status>(context, ui);
    case ScreenKind::Editor: return std::make_unique<Editor>(context, ui);
    case ScreenKind::Cmt_Edit: return std::make_unique<Cmt_Edit>(context, ui);
    case ScreenKind::Main: return std::make_unique<Main>(context, ui);
    case ScreenKind::Strate: return std::make_unique<Strate>(context, ui);
    case ScreenKind::Msg: return std::make_unique<Msg>(context, ui);
  }
  return nullptr;
}

}  // namespace velkaro
